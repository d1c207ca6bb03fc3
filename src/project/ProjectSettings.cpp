#include "project/ProjectSettings.h"

#include "model/MaterialLaws.h"
#include "model/SectionSettings.h"

#include <vector>

namespace mirelo {

namespace {

// The section's colour is set by the colour shape, not a box: declared here.
constexpr SettingDeclaration kColour = SettingDeclaration::Integer("colour", "Frame Color", 0, 0, 0xFFFFFF);

std::span<const SettingField<FrameSection>> SectionFields()
{
    static const std::vector<SettingField<FrameSection>> fields = [] {
        std::vector<SettingField<FrameSection>> all(SectionSettingFields().begin(), SectionSettingFields().end());
        all.push_back(Bind(kColour, &FrameSection::colour));
        return all;
    }();
    return fields;
}

// The type, E and U; the law's parameters are fields of its own record.
std::span<const SettingField<Material>> MaterialFields()
{
    static const std::vector<SettingField<Material>> fields = [] {
        std::vector<SettingField<Material>> all{Bind(MaterialTypeDeclaration(), &Material::materialType)};
        all.insert(all.end(), ElasticConstantFields().begin(), ElasticConstantFields().end());
        return all;
    }();
    return fields;
}

template <typename Record>
void Capture(const Record& record, std::span<const SettingField<Record>> fields, SettingValues& values)
{
    for (const SettingField<Record>& field : fields) {
        const double value = field.real != nullptr ? record.*field.real : record.*field.integer;
        if (IsDeclaredValue(field.declaration, value))
            values.emplace_back(field.declaration.name, value);
    }
}

template <typename Record>
void Apply(const SettingValues& values, Record& record, std::span<const SettingField<Record>> fields)
{
    for (const auto& [name, value] : values)
        if (const SettingField<Record>* field = FindSetting(fields, name)) {
            if (field->real != nullptr)
                record.*field->real = value;
            else
                record.*field->integer = static_cast<std::int32_t>(value);
        }
}

template <typename Record>
const SettingDeclaration* Declaration(std::span<const SettingField<Record>> fields, std::string_view name)
{
    const SettingField<Record>* field = FindSetting(fields, name);
    return field != nullptr ? &field->declaration : nullptr;
}

} // namespace

const SettingDeclaration* FindGroupSetting(SettingGroup group, std::string_view name)
{
    switch (group) {
    case SettingGroup::Analysis: return Declaration(AnalysisSettingFields(), name);
    case SettingGroup::Recorders: return Declaration(RecorderSettingFields(), name);
    case SettingGroup::Section: return Declaration(SectionFields(), name);
    case SettingGroup::Material:
        if (const SettingDeclaration* own = Declaration(MaterialFields(), name))
            return own;
        return Declaration(MaterialLawFields(), name);
    }
    return nullptr;
}

SettingValues CaptureAnalysis(const AnalysisSettings& analysis)
{
    SettingValues values;
    Capture(analysis, AnalysisSettingFields(), values);
    return values;
}

SettingValues CaptureRecorders(const RecorderSettings& recorders)
{
    SettingValues values;
    Capture(recorders, RecorderSettingFields(), values);
    return values;
}

SettingValues CaptureSection(const FrameSection& section)
{
    SettingValues values;
    Capture(section, SectionFields(), values);
    return values;
}

SettingValues CaptureMaterial(const Material& material)
{
    SettingValues values;
    Capture(material, MaterialFields(), values);
    Capture(material.law, MaterialLawFields(), values);
    return values;
}

void ApplyAnalysis(const SettingValues& values, AnalysisSettings& analysis)
{
    Apply(values, analysis, AnalysisSettingFields());
}

void ApplyRecorders(const SettingValues& values, RecorderSettings& recorders)
{
    Apply(values, recorders, RecorderSettingFields());
}

void ApplySection(const SettingValues& values, FrameSection& section)
{
    Apply(values, section, SectionFields());
}

void ApplyMaterial(const SettingValues& values, Material& material)
{
    Apply(values, material, MaterialFields());
    Apply(values, material.law, MaterialLawFields());
}

} // namespace mirelo
