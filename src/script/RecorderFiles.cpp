#include "script/RecorderFiles.h"

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
