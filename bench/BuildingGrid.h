#pragma once

// What the two writers of the synthetic building share: its grid numbering,
// its loads and masses, and a growing text buffer.
#include "BuildingGenerator.h"

#include "common/NumberText.h"

#include <charconv>
#include <string>
#include <string_view>

namespace mirelo::bench {

// Units: metres, kilonewtons, tonnes.
constexpr double kFloorMassPerArea = 1.0; // t/m2 on the diaphragm master
constexpr double kFacadeForce = -10.0;    // kN on every floor joint (DEAD)
constexpr double kDeadLineLoad = -5.0;    // kN/m on every beam (DEAD)
constexpr double kLiveLineLoad = -2.5;    // kN/m on every beam (LIVE)

// Joint numbers of the grid: level 0 is the base, levels 1..storeys the floors.
// All grid joints come first, level by level; the masters follow, floor by floor.
// Frames: the columns storey by storey, then each floor's beams along X and along Y.
struct Grid {
    int nx, ny, storeys;
    long long PerLevel() const { return static_cast<long long>(nx + 1) * (ny + 1); }
    long long GridJoint(int level, int i, int j) const
    {
        return level * PerLevel() + static_cast<long long>(j) * (nx + 1) + i + 1;
    }
    long long GridJointCount() const { return PerLevel() * (storeys + 1); }
    long long Master(int floor) const { return GridJointCount() + floor; }
    long long BeamsPerFloor() const
    {
        return static_cast<long long>(nx) * (ny + 1) + static_cast<long long>(ny) * (nx + 1);
    }
    long long BaysPerFloor() const { return static_cast<long long>(nx) * ny; }
    long long FirstBeam() const { return PerLevel() * storeys + 1; }
    long long LastBeam() const { return FirstBeam() + BeamsPerFloor() * storeys - 1; }
};

double FloorMass(const BuildingSize& size);

// Throws std::invalid_argument for a building without storeys or bays.
void CheckSize(const BuildingSize& size);

// Appends text, integers and real numbers to one growing string.
class TextWriter {
public:
    explicit TextWriter(std::size_t expectedBytes) { text_.reserve(expectedBytes); }

    TextWriter& operator<<(std::string_view s)
    {
        text_.append(s);
        return *this;
    }
    TextWriter& operator<<(long long n)
    {
        char digits[24];
        const auto end = std::to_chars(digits, digits + sizeof digits, n).ptr;
        text_.append(digits, static_cast<std::size_t>(end - digits));
        return *this;
    }
    TextWriter& operator<<(int n) { return *this << static_cast<long long>(n); }
    TextWriter& operator<<(double v) { return *this << std::string_view(FormatGeneral(v)); }

    std::string Take() { return std::move(text_); }

private:
    std::string text_;
};

} // namespace mirelo::bench
