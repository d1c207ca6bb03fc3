#pragma once

#include "model/Model.h"

#include <cstdint>

namespace mirelo {

// The most fibres one section may ask for; a larger mesh raises Error.
constexpr std::int64_t kMaxFibersPerSection = 1'000'000;

// Rebuilds the fibre table of every frame section of kind 2, 3, 5 or 6 from its
// shape, mesh and bars (other kinds keep their tables). Every bar fibre gets
// `rebarMaterialNo`. The table grows to whatever the mesh asks for.
void GenerateFibers(Model& model, std::int32_t rebarMaterialNo);

// Rebuilds one section's table, whatever its kind.
void GenerateSectionFibers(FrameSection& section, std::int32_t rebarMaterialNo);

// The number of fibres the section's shape, mesh and bars give (counts of 0
// or below count as 0; a shape without fibres gives 0).
std::int64_t MeshFiberCount(const FrameSection& section);

// Raises Error when the section asks for more than kMaxFibersPerSection fibres.
void CheckFiberCount(const FrameSection& section);

// Bar k (1..count) of a row spread evenly along the cover line of a face of
// width `extent`, from corner to corner: -(extent/2 - cover) + (k - 1)(extent -
// 2 cover)/(count - 1). A single bar stands in the middle of the row.
double CornerToCornerBar(std::int32_t k, std::int32_t count, double extent, double cover);

// Bar k (1..count) of a row between the corners, which it leaves out:
// -(extent/2 - cover) + k (extent - 2 cover)/(count + 1).
double BetweenCornersBar(std::int32_t k, std::int32_t count, double extent, double cover);

} // namespace mirelo
