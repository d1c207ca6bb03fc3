#pragma once

#include "model/Model.h"
#include "model/Table.h"
#include "sections/FiberGenerator.h"
#include "sections/SectionProperties.h"

#include <cstdint>

namespace mirelo {

// What a script derives from one frame section.
struct PreparedSection {
    SectionProperties properties;
    Table<Fiber> fibers; // 1..count; empty for a kind without a fibre section
};

// What a script derives from the model, which stays as the file and the
// user's edits made it.
struct PreparedSections {
    // The integration points of every beam-column: the setting takes the
    // place of each frame's NSEG.
    std::int32_t frameSegments = 0;
    Table<PreparedSection> sections; // indexed like the model's FrameSections
};

// Every frame section's properties (with the shear modulus of its material),
// then the fibre table of every section of a kind with a fibre section, its
// bars of material `rebarMaterialNo`. Raises FloatingPointError for a
// dimension the formulas divide by when it is zero, Error for a mesh of more
// fibres than a section may have, RangeCheckError for a material number
// outside the material table.
PreparedSections PrepareSections(const Model& model, std::int32_t integrationPoints, std::int32_t rebarMaterialNo);

} // namespace mirelo
