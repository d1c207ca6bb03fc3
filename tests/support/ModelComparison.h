#pragma once

#include "model/Model.h"

namespace mirelo::test {

// Fails the running test at every field in which two imported models differ:
// counts, joints, constraints, materials, sections, elements, loads, load
// cases and units. What the script writer and the viewer fill in later
// (section properties, fibres, screen positions, results) is not compared.
void ExpectSameModel(const Model& expected, const Model& actual);

} // namespace mirelo::test
