#include "sections/PreparedSections.h"

namespace mirelo {

PreparedSections PrepareSections(const Model& model, std::int32_t integrationPoints, std::int32_t rebarMaterialNo)
{
    PreparedSections prepared;
    prepared.frameSegments = integrationPoints;
    prepared.sections.Reset(model.FrameSections.Size());
    // Every section's properties before any fibre table, so that a model with
    // both faults reports the formulas' one.
    for (std::int32_t k = 1; k <= model.FrameSections.count; ++k) {
        const FrameSection& section = model.FrameSections[k];
        // Material 0 (no material of that name) reads as an empty record.
        const double shearModulus = section.material == 0 ? 0.0 : model.Materials.At(section.material).shearModulus;
        prepared.sections[k].properties = ComputeSectionProperties(section, shearModulus);
    }
    for (std::int32_t k = 1; k <= model.FrameSections.count; ++k)
        if (HasFiberSection(model.FrameSections[k].elementKind))
            prepared.sections[k].fibers = SectionFibers(model.FrameSections[k], rebarMaterialNo);
    return prepared;
}

} // namespace mirelo
