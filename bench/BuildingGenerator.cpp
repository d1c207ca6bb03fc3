#include "BuildingGenerator.h"

#include "common/NumberText.h"

#include <charconv>
#include <stdexcept>

namespace mirelo::bench {

namespace {

// Units: metres, kilonewtons, tonnes.
constexpr double kFloorMassPerArea = 1.0;     // t/m2 on the diaphragm master
constexpr double kFacadeForce = -10.0;        // kN on every floor joint (DEAD)
constexpr double kDeadLineLoad = -5.0;        // kN/m on every beam (DEAD)
constexpr double kLiveLineLoad = -2.5;        // kN/m on every beam (LIVE)

// Joint numbers of the grid: level 0 is the base, levels 1..storeys the floors.
// All grid joints come first, level by level; the masters follow, floor by floor.
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
};

// Appends text, integers and real numbers to one growing string.
class S2kWriter {
public:
    explicit S2kWriter(std::size_t expectedBytes) { text_.reserve(expectedBytes); }

    S2kWriter& operator<<(std::string_view s)
    {
        text_.append(s);
        return *this;
    }
    S2kWriter& operator<<(long long n)
    {
        char digits[24];
        const auto end = std::to_chars(digits, digits + sizeof digits, n).ptr;
        text_.append(digits, static_cast<std::size_t>(end - digits));
        return *this;
    }
    S2kWriter& operator<<(int n) { return *this << static_cast<long long>(n); }
    S2kWriter& operator<<(double v) { return *this << std::string_view(FormatGeneral(v)); }

    std::string Take() { return std::move(text_); }

private:
    std::string text_;
};

void CheckSize(const BuildingSize& size)
{
    if (size.storeys < 1 || size.baysX < 1 || size.baysY < 1)
        throw std::invalid_argument("a building needs at least one storey and one bay each way");
    if (!(size.bayX > 0 && size.bayY > 0 && size.storeyHeight > 0))
        throw std::invalid_argument("bay widths and storey height must be positive");
}

void WriteJoints(S2kWriter& out, const BuildingSize& size, const Grid& g)
{
    out << "JOINT\n";
    for (int level = 0; level <= g.storeys; ++level)
        for (int j = 0; j <= g.ny; ++j)
            for (int i = 0; i <= g.nx; ++i)
                out << "  " << g.GridJoint(level, i, j) << "  X=" << i * size.bayX << "  Y=" << j * size.bayY
                    << "  Z=" << level * size.storeyHeight << "\n";
    if (size.diaphragms)
        for (int floor = 1; floor <= g.storeys; ++floor)
            out << "  " << g.Master(floor) << "  X=" << g.nx * size.bayX / 2 << "  Y=" << g.ny * size.bayY / 2
                << "  Z=" << floor * size.storeyHeight << "\n";
    out << "\n";
}

void WriteConstraints(S2kWriter& out, const Grid& g)
{
    out << "CONSTRAINT\n";
    for (int floor = 1; floor <= g.storeys; ++floor) {
        out << "  NAME=" << floor << "  TYPE=DIAPH  AXIS=Z\n";
        for (int j = 0; j <= g.ny; ++j)
            for (int i = 0; i <= g.nx; ++i)
                out << "    ADD=" << g.GridJoint(floor, i, j) << "\n";
        out << "    ADD=" << g.Master(floor) << "\n"; // the master is listed last
    }
    out << "\n";
}

void WriteRestraints(S2kWriter& out, const Grid& g)
{
    out << "RESTRAINT\n";
    for (int j = 0; j <= g.ny; ++j)
        for (int i = 0; i <= g.nx; ++i)
            out << "  ADD=" << g.GridJoint(0, i, j) << "  DOF=U1,U2,U3,R1,R2,R3\n";
    out << "\n";
}

void WriteMasses(S2kWriter& out, const BuildingSize& size, const Grid& g)
{
    const double floorMass = kFloorMassPerArea * g.nx * size.bayX * g.ny * size.bayY;
    out << "MASS\n";
    for (int floor = 1; floor <= g.storeys; ++floor) {
        if (size.diaphragms) {
            out << "  ADD=" << g.Master(floor) << "  U1=" << floorMass << "  U2=" << floorMass << "  U3=0\n";
            continue;
        }
        // Without a diaphragm the floor mass is shared by the floor's joints.
        const double share = floorMass / static_cast<double>(g.PerLevel());
        for (int j = 0; j <= g.ny; ++j)
            for (int i = 0; i <= g.nx; ++i)
                out << "  ADD=" << g.GridJoint(floor, i, j) << "  U1=" << share << "  U2=" << share << "  U3=0\n";
    }
    out << "\n";
}

void WriteProperties(S2kWriter& out, bool shells)
{
    out << "MATERIAL\n"
           "  NAME=CONC  IDES=C  M=2.4  W=24\n"
           "    T=0  E=2.5E+07  U=.2  A=1E-05\n"
           "  NAME=STEEL  IDES=S  M=7.85  W=77\n"
           "    T=0  E=2E+08  U=.3  A=1.2E-05  FY=400000\n"
           "\n"
           "FRAME SECTION\n"
           "  NAME=NCOL500  MAT=CONC  SH=R  T=.5,.5\n"
           "  NAME=EBEAM300X600  MAT=CONC  SH=R  T=.6,.3\n"
           "\n";
    // The quotes around Shell are separators of their own, which puts Shell
    // in field 6 and the thickness in field 9.
    if (shells)
        out << "SHELL SECTION\n"
               "  NAME=SLAB200  MAT=CONC  TYPE=\"Shell\"  TH=.2\n"
               "\n";
}

void WriteFrames(S2kWriter& out, const Grid& g)
{
    out << "FRAME\n";
    long long frame = 0;
    for (int storey = 1; storey <= g.storeys; ++storey)
        for (int j = 0; j <= g.ny; ++j)
            for (int i = 0; i <= g.nx; ++i)
                out << "  " << ++frame << "  J=" << g.GridJoint(storey - 1, i, j) << "," << g.GridJoint(storey, i, j)
                    << "  SEC=NCOL500  NSEG=4  ANG=0\n";
    for (int floor = 1; floor <= g.storeys; ++floor) {
        for (int j = 0; j <= g.ny; ++j)
            for (int i = 0; i < g.nx; ++i)
                out << "  " << ++frame << "  J=" << g.GridJoint(floor, i, j) << "," << g.GridJoint(floor, i + 1, j)
                    << "  SEC=EBEAM300X600  NSEG=4  ANG=0\n";
        for (int i = 0; i <= g.nx; ++i)
            for (int j = 0; j < g.ny; ++j)
                out << "  " << ++frame << "  J=" << g.GridJoint(floor, i, j) << "," << g.GridJoint(floor, i, j + 1)
                    << "  SEC=EBEAM300X600  NSEG=4  ANG=0\n";
    }
    out << "\n";
}

void WriteShells(S2kWriter& out, const Grid& g)
{
    out << "SHELL\n";
    long long shell = 0;
    for (int floor = 1; floor <= g.storeys; ++floor)
        for (int j = 0; j < g.ny; ++j)
            for (int i = 0; i < g.nx; ++i) // corners crosswise: j1 j2 on one edge, j3 j4 on the next
                out << "  " << ++shell << "  J=" << g.GridJoint(floor, i, j) << "," << g.GridJoint(floor, i + 1, j)
                    << "," << g.GridJoint(floor, i, j + 1) << "," << g.GridJoint(floor, i + 1, j + 1)
                    << "  SEC=SLAB200\n";
    out << "\n";
}

void WriteBeamLoads(S2kWriter& out, const Grid& g, double lineLoad)
{
    const long long firstBeam = g.PerLevel() * g.storeys + 1;
    const long long lastBeam = firstBeam + g.BeamsPerFloor() * g.storeys - 1;
    out << "    TYPE=DISTRIBUTED\n";
    for (long long f = firstBeam; f <= lastBeam; ++f)
        out << "      ADD=" << f << "  RD=0,1  UZ=" << lineLoad << "," << lineLoad << "\n";
}

void WriteLoads(S2kWriter& out, const Grid& g)
{
    out << "LOAD\n"
           "  NAME=DEAD\n"
           "    TYPE=FORCE\n";
    for (int floor = 1; floor <= g.storeys; ++floor)
        for (int j = 0; j <= g.ny; ++j)
            for (int i = 0; i <= g.nx; ++i)
                out << "      ADD=" << g.GridJoint(floor, i, j) << "  UZ=" << kFacadeForce << "\n";
    WriteBeamLoads(out, g, kDeadLineLoad);
    out << "  NAME=LIVE\n";
    WriteBeamLoads(out, g, kLiveLineLoad);
    out << "\n";
}

long long LineCount(const BuildingSize& size)
{
    const Grid g{size.baysX, size.baysY, size.storeys};
    const long long floors = size.storeys;
    long long lines = 3;                                                           // SYSTEM
    lines += 2 + g.GridJointCount() + (size.diaphragms ? floors : 0);             // JOINT
    lines += size.diaphragms ? 2 + floors * (g.PerLevel() + 2) : 0;               // CONSTRAINT
    lines += 2 + g.PerLevel();                                                     // RESTRAINT
    lines += 2 + (size.diaphragms ? floors : floors * g.PerLevel());              // MASS
    lines += 6 + 4;                                                                // MATERIAL, FRAME SECTION
    lines += size.shells ? 3 : 0;                                                  // SHELL SECTION
    lines += 2 + floors * (g.PerLevel() + g.BeamsPerFloor());                      // FRAME
    lines += size.shells ? 2 + floors * g.BaysPerFloor() : 0;                      // SHELL
    lines += size.loads ? 2 + 5 + floors * (g.PerLevel() + 2 * g.BeamsPerFloor()) : 0; // LOAD
    return lines + 1;                                                              // END
}

} // namespace

std::string GenerateBuildingS2k(const BuildingSize& size)
{
    CheckSize(size);
    const Grid g{size.baysX, size.baysY, size.storeys};
    S2kWriter out(static_cast<std::size_t>(LineCount(size)) * 36);
    out << "SYSTEM\n"
           "  DOF=UX,UY,UZ,RX,RY,RZ  LENGTH=M  FORCE=KN  PAGE=SECTIONS\n"
           "\n";
    WriteJoints(out, size, g);
    if (size.diaphragms)
        WriteConstraints(out, g);
    WriteRestraints(out, g);
    WriteMasses(out, size, g);
    WriteProperties(out, size.shells);
    WriteFrames(out, g);
    if (size.shells)
        WriteShells(out, g);
    if (size.loads)
        WriteLoads(out, g);
    out << "END\n";
    return out.Take();
}

BuildingSize BuildingWithAtLeastLines(long long lines)
{
    BuildingSize size;
    size.storeys = 10;
    size.baysX = size.baysY = 1;
    while (LineCount(size) < lines) {
        ++size.baysX;
        ++size.baysY;
    }
    return size;
}

} // namespace mirelo::bench
