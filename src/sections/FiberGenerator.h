#pragma once

#include "model/Model.h"
#include "model/Table.h"

#include <cstdint>

namespace mirelo {

// The most fibres one section may ask for; a larger mesh raises Error.
constexpr std::int64_t kMaxFibersPerSection = 1'000'000;

struct Fiber {
    double y = 0, z = 0, area = 0;
    std::int32_t material = 0;
};

// The fibre table (1..count) of a section from its shape, mesh and bars,
// whatever its kind: the script's fibre section and the section dialog's
// picture. Every bar fibre gets `rebarMaterialNo`. The table grows to whatever
// the mesh asks for, up to kMaxFibersPerSection (CheckFiberCount).
Table<Fiber> SectionFibers(const FrameSection& section, std::int32_t rebarMaterialNo);

// The number of fibres the section's shape, mesh and bars give (counts of 0
// or below count as 0; a shape without fibres gives 0).
std::int64_t MeshFiberCount(const FrameSection& section);

// Raises Error when the section asks for more than kMaxFibersPerSection fibres.
void CheckFiberCount(const FrameSection& section);

} // namespace mirelo
