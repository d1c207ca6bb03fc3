#include "results/ResultQuantities.h"

#include "model/ModelUnits.h"

#include <array>

namespace mirelo {

namespace {

template <SectionQuantity Q>
SectionResults ReadSection(const std::string& folder, const Model& model, const AnalysisSettings& analysis,
                           StepChoice step, RecorderFileCache& files)
{
    return ReadSectionDeformations(folder, model, analysis, Q, step, files);
}

constexpr std::array kQuantities{
    FrameEndQuantity{"axial", "Axial Strain", QuantityUnit::Strain, ReadSection<SectionQuantity::AxialStrain>},
    FrameEndQuantity{"kz", "Curvature Kz", QuantityUnit::Curvature, ReadSection<SectionQuantity::CurvatureZ>},
    FrameEndQuantity{"ky", "Curvature Ky", QuantityUnit::Curvature, ReadSection<SectionQuantity::CurvatureY>},
};

} // namespace

std::span<const FrameEndQuantity> FrameEndQuantities()
{
    return kQuantities;
}

const FrameEndQuantity* FindFrameEndQuantity(std::string_view name)
{
    for (const FrameEndQuantity& quantity : kQuantities)
        if (quantity.name == name)
            return &quantity;
    return nullptr;
}

std::string FrameEndQuantityNames(std::string_view separator)
{
    std::string names;
    for (const FrameEndQuantity& quantity : kQuantities) {
        if (!names.empty())
            names += separator;
        names += quantity.name;
    }
    return names;
}

std::string FrameEndUnit(QuantityUnit unit, const ModelUnits& units)
{
    const std::string length = EngineerUnit(units.length);
    return unit == QuantityUnit::Curvature && !length.empty() ? "1/" + length : std::string();
}

std::string_view QuantityUnitText(QuantityUnit unit)
{
    switch (unit) {
    case QuantityUnit::Strain: return "strain (no unit)";
    case QuantityUnit::Curvature: return "curvature (1 / length unit)";
    }
    return {};
}

} // namespace mirelo
