#pragma once

#include "model/Model.h"

namespace mirelo {

// What the formulas of a section's shape give, with the shear modulus of its
// material: the elastic frames, the fibre sections' torsion and the
// aggregator's springs are written from them.
struct SectionProperties {
    double area = 0, iz = 0, iy = 0, shearAreaY = 0, shearAreaZ = 0, torsion = 0, shearModulus = 0;
};

// The properties of one section from its shape and dimensions, with the shear
// modulus of its material; all zero for a section of no known shape. A zero
// dimension that the formulas divide by raises FloatingPointError ("Floating
// point division by zero", or "Invalid floating point operation" for 0/0).
SectionProperties ComputeSectionProperties(const FrameSection& section, double shearModulus);

} // namespace mirelo
