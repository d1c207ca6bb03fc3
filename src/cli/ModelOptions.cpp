#include "cli/ModelOptions.h"

#include "cli/ResultOptions.h"

#include "common/Errors.h"
#include "model/MaterialLaws.h"
#include "script/AnalysisSettings.h"
#include "model/SectionSettings.h"
#include "sections/SectionCheck.h"

#include <algorithm>
#include <set>

namespace mirelo::cli {

namespace {

struct NamedEdit {
    std::string_view name, field, value;
};

// "NAME:field=value". Names may hold a colon; field names never do.
NamedEdit SplitNamedEdit(std::string_view edit, std::string_view option)
{
    const std::size_t colon = edit.rfind(':');
    if (colon == std::string_view::npos)
        throw UsageError{std::string(option) + " takes NAME:field=value, not '" + std::string(edit) + "'"};
    const auto [field, value] = NameAndValue(edit.substr(colon + 1), option);
    return {edit.substr(0, colon), field, value};
}

// Runs one option's edit; a value that is not a number is reported with the
// option it came in ("--set LoadFactor=abc: 'abc' is not a valid ...").
template <typename Edit>
void ApplyOption(std::string_view option, const std::string& text, Edit edit)
{
    try {
        edit();
    } catch (const ConversionError& error) {
        throw Error(std::string(option) + " " + text + ": " + error.what());
    }
}

} // namespace

ModelOptions ParseModelOptions(const Arguments& args, std::string_view command,
                               const std::vector<std::string_view>& names)
{
    ModelOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const auto value = [&]() -> const std::string& {
            if (i + 1 >= args.size())
                throw UsageError{arg + " needs a value"};
            return args[++i];
        };
        if (arg == "--set")
            options.settings.push_back(value());
        else if (arg == "--section")
            options.sectionEdits.push_back(value());
        else if (arg == "--material")
            options.materialEdits.push_back(value());
        else if (arg == "-o")
            options.outputPath = value();
        else if (arg.starts_with("-") && arg.size() > 1)
            throw UsageError{"unknown option '" + arg + "'"};
        else
            options.positionals.push_back(arg);
    }
    if (options.positionals.size() != names.size()) {
        std::string wanted;
        for (const std::string_view name : names)
            wanted += (wanted.empty() ? "" : " and ") + std::string(name);
        const bool tooMany = options.positionals.size() > names.size();
        throw UsageError{std::string(command) + (tooMany ? " takes only " : " needs ") + wanted};
    }
    return options;
}

void ApplySettings(const ModelOptions& options, AnalysisSettings& analysis, RecorderSettings& recorder)
{
    for (const std::string& setting : options.settings) {
        const auto [name, value] = NameAndValue(setting, "--set");
        ApplyOption("--set", setting, [&] { SetSetting(analysis, recorder, name, value); });
    }
}

void ApplyModelEdits(const ModelOptions& options, Model& model)
{
    std::vector<const FrameSection*> editedSections; // in the order first named
    for (const std::string& text : options.sectionEdits) {
        const NamedEdit edit = SplitNamedEdit(text, "--section");
        FrameSection& section = FrameSectionNamed(model, edit.name);
        ApplyOption("--section", text, [&] { SetSectionSetting(section, edit.field, edit.value); });
        if (std::find(editedSections.begin(), editedSections.end(), &section) == editedSections.end())
            editedSections.push_back(&section);
    }
    for (const FrameSection* section : editedSections)
        CheckFrameSection(*section);
    std::set<Material*> edited;
    for (const std::string& text : options.materialEdits) {
        const NamedEdit edit = SplitNamedEdit(text, "--material");
        Material& material = MaterialNamed(model, edit.name);
        ApplyOption("--material", text, [&] { SetMaterialSetting(material, edit.field, edit.value); });
        edited.insert(&material);
    }
    for (Material* material : edited)
        FinishMaterialEdit(*material);
}

} // namespace mirelo::cli
