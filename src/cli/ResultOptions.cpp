#include "cli/ResultOptions.h"

#include "common/NumberText.h"
#include "script/AnalysisSettings.h"

namespace mirelo::cli {

namespace {

std::int32_t PositiveNumber(const std::string& option, const std::string& text)
{
    std::int32_t n = 0;
    try {
        n = ParseInteger(text);
    } catch (const ConversionError&) {
        throw UsageError{option + " takes a whole number, not '" + text + "'"};
    }
    if (n < 1)
        throw UsageError{option + " counts from 1, not " + text};
    return n;
}

} // namespace

std::pair<std::string_view, std::string_view> NameAndValue(std::string_view text, std::string_view option)
{
    const std::size_t equals = text.find('=');
    if (equals == std::string_view::npos || equals == 0)
        throw UsageError{std::string(option) + " takes Name=Value, not '" + std::string(text) + "'"};
    return {text.substr(0, equals), text.substr(equals + 1)};
}

bool TakeResultOption(const Arguments& args, std::size_t& i, ResultOptions& options)
{
    const std::string& arg = args[i];
    const auto value = [&]() -> const std::string& {
        if (i + 1 >= args.size())
            throw UsageError{arg + " needs a value"};
        return args[++i];
    };
    if (arg == "--step") {
        options.step = PositiveNumber(arg, value());
    } else if (arg == "--last") {
        options.step.reset();
    } else if (arg == "--mode") {
        options.mode = PositiveNumber(arg, value());
    } else if (arg == "--section") {
        const std::string& q = value();
        if (q == "axial")
            options.section = SectionQuantity::AxialStrain;
        else if (q == "kz")
            options.section = SectionQuantity::CurvatureZ;
        else if (q == "ky")
            options.section = SectionQuantity::CurvatureY;
        else
            throw UsageError{"--section takes axial, kz or ky, not '" + q + "'"};
    } else if (arg == "--set") {
        options.settings.push_back(value());
        (void)NameAndValue(options.settings.back(), "--set");
    } else {
        return false;
    }
    return true;
}

void UseModelSettings(ResultOptions& options, const AnalysisSettings& analysis, const RecorderSettings& recorder)
{
    options.analysis = analysis;
    options.recorder = recorder;
    for (const std::string& setting : options.settings) {
        const auto [name, text] = NameAndValue(setting, "--set");
        SetSetting(options.analysis, options.recorder, name, text);
    }
}

void CheckResultOptions(const ResultOptions& options)
{
    if (options.mode && options.step)
        throw UsageError{"--mode reads a mode shape: it takes no --step"};
    if (options.mode && options.section)
        throw UsageError{"a mode shape has no section deformations: --section reads a load step"};
}

LoadedForCli LoadResults(Model& model, const ResultOptions& options)
{
    RecorderFileCache files;
    LoadedForCli loaded;
    loaded.joints = options.mode ? ReadModeShape(options.folder, model, *options.mode, files)
                                 : ReadNodeDisplacements(options.folder, model, options.step, files);
    if (options.section)
        loaded.sections = ReadSectionDeformations(options.folder, model, options.analysis, *options.section,
                                                  static_cast<std::int32_t>(loaded.joints.step), files);
    ApplyJointResults(model, loaded.joints);
    if (loaded.sections)
        ApplySectionResults(model, *loaded.sections);
    return loaded;
}

} // namespace mirelo::cli
