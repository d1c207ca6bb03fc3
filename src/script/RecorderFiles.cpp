#include "script/RecorderFiles.h"

#include <algorithm>

namespace mirelo {

std::vector<RecorderFileGroup> NodeFileGroups(std::int32_t jointCount)
{
    std::vector<RecorderFileGroup> groups;
    if (jointCount < 1)
        return groups;
    const std::int32_t full = jointCount / 100, rest = jointCount % 100;
    for (std::int32_t g = 0; g < full; ++g)
        groups.push_back({g, 100 * g + 1, 100 * g + 100});
    if (rest != 0)
        groups.push_back({full, 100 * full + 1, 100 * full + rest});
    return groups;
}

std::vector<RecorderFileGroup> ElementFileGroups(std::int32_t frameCount)
{
    std::vector<RecorderFileGroup> groups;
    if (frameCount < 1)
        return groups;
    const std::int32_t full = frameCount / 100, rest = frameCount % 100;
    for (std::int32_t g = 1; g <= full; ++g)
        groups.push_back({g, 100 * (g - 1) + 1, 100 * g});
    if (rest != 0)
        groups.push_back({0, 100 * full + 1, 100 * full + rest});
    return groups;
}

std::string NodeDisplacementFileName(std::int32_t fileNumber)
{
    return "node" + std::to_string(fileNumber) + ".out";
}

std::string ModeShapeFileName(std::int32_t mode, std::int32_t fileNumber)
{
    return "eigen" + std::to_string(mode) + "_node" + std::to_string(fileNumber) + ".out";
}

std::string ElementForceFileName(std::int32_t fileNumber)
{
    return "ele" + std::to_string(fileNumber) + ".out";
}

std::string FirstSectionFileName(std::int32_t fileNumber)
{
    return "ele" + std::to_string(fileNumber) + "_secs.out";
}

std::string LastSectionFileName(std::int32_t fileNumber)
{
    return "ele" + std::to_string(fileNumber) + "_secn.out";
}

std::string ReactionFileName(std::int32_t fileNumber)
{
    return "reactions" + std::to_string(fileNumber) + ".out";
}

std::int32_t ElementForceCount(const Model& model, std::int32_t frame)
{
    const std::int32_t section = model.Frames.At(frame).section;
    if (!model.FrameSections.Contains(section))
        return 0;
    switch (model.FrameSections[section].elementKind) {
    case kElasticBeamColumn:
    case kNonlinearBeamColumn:
    case kDispBeamColumn:
    case kBeamWithHinges:
    case kTruss: return kEndForceValues;
    case kRotationalSpring: return kSpringForceValues;
    default: return 0;
    }
}

std::vector<std::int32_t> SupportJoints(const Model& model, const JointDofs& dofs)
{
    std::vector<bool> fixed(static_cast<std::size_t>(std::max(model.Joints.count, 0)) + 1, false);
    for (std::int32_t c = 1; c <= model.Constraints.count; ++c) {
        const std::int32_t master = model.Constraints[c].masterJoint;
        if (master >= 1 && master <= model.Joints.count)
            fixed[static_cast<std::size_t>(master)] = true;
    }
    std::vector<std::int32_t> supports;
    for (std::int32_t k = 1; k <= model.Joints.count; ++k) {
        const auto& r = model.Joints[k].restraint;
        std::int32_t held = 0;
        for (std::int32_t d = 1; d <= dofs.Of(k); ++d)
            held += r[static_cast<std::size_t>(d)];
        if (held > 0 || fixed[static_cast<std::size_t>(k)])
            supports.push_back(k);
    }
    return supports;
}

std::int32_t SectionDeformationCount(const Model& model, const AnalysisSettings& analysis, std::int32_t frame,
                                     std::int32_t sectionNumber)
{
    const std::int32_t section = model.Frames.At(frame).section;
    if (!model.FrameSections.Contains(section))
        return 0;
    const std::int32_t kind = model.FrameSections[section].elementKind;
    switch (RecordedSectionsOf(kind)) {
    case RecordedSections::EachIntegrationPoint:
        if (sectionNumber < 1 || sectionNumber > analysis.IntegrationPoints)
            return 0;
        return kFiberSectionDeformations
             + (analysis.UseAggregator != 0 && TakesAggregator(kind) ? kAggregatorDeformations : 0);
    case RecordedSections::First: return sectionNumber == 1 ? kFiberSectionDeformations : 0;
    case RecordedSections::None: return 0;
    }
    return 0;
}

} // namespace mirelo
