#pragma once

#include "model/Model.h"

namespace mirelo {

// Fills area, iz, iy, shearAreaY, shearAreaZ, torsion and shearModulus of every
// frame section from its shape, dimensions and material. A section of no known
// shape keeps its values. A zero dimension that the formulas divide by raises
// FloatingPointError ("Floating point division by zero", or "Invalid floating
// point operation" for 0/0); sections already visited keep their new values.
// A material number outside the material table raises RangeCheckError.
void ComputeSectionProperties(Model& model);

// The same for one section, with the shear modulus of its material.
void ComputeSectionProperties(FrameSection& section, double shearModulus);

} // namespace mirelo
