#include "cli/ResultOptions.h"

#include "cli/ModelArgument.h"
#include "common/NumberText.h"
#include "results/ResultQuantities.h"
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

// "axial, kz or ky".
std::string QuantityChoices()
{
    const std::span<const FrameEndQuantity> all = FrameEndQuantities();
    std::string text;
    for (std::size_t k = 0; k < all.size(); ++k)
        text += std::string(k == 0 ? "" : (k + 1 == all.size() ? " or " : ", ")) + std::string(all[k].name);
    return text;
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
    ResultRequest& request = options.request;
    if (arg == "--step") {
        request.step = PositiveNumber(arg, value());
    } else if (arg == "--last") {
        request.step.reset();
    } else if (arg == "--mode") {
        request.mode = PositiveNumber(arg, value());
    } else if (arg == "--section") {
        const std::string& q = value();
        request.frameEnds = FindFrameEndQuantity(q);
        if (!request.frameEnds)
            throw UsageError{"--section takes " + QuantityChoices() + ", not '" + q + "'"};
    } else if (arg == "--set") {
        options.settings.push_back(value());
        (void)NameAndValue(options.settings.back(), "--set");
    } else {
        return false;
    }
    return true;
}

Session ResultSession(const std::string& modelPath, const ResultOptions& options)
{
    ModelArgument argument = LoadModelArgument(modelPath);
    Session session;
    session.model = std::move(argument.model);
    session.analysis = argument.analysis;
    session.recorders = argument.recorders;
    for (const std::string& setting : options.settings) {
        const auto [name, text] = NameAndValue(setting, "--set");
        SetSetting(session.analysis, session.recorders, name, text);
    }
    return session;
}

void CheckResultOptions(const ResultOptions& options)
{
    const ResultRequest& request = options.request;
    if (request.mode && request.step)
        throw UsageError{"--mode reads a mode shape: it takes no --step"};
    if (request.mode && request.frameEnds)
        throw UsageError{"a mode shape has no section deformations: --section reads a load step"};
}

} // namespace mirelo::cli
