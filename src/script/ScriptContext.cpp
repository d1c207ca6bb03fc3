#include "script/ScriptContext.h"

#include "common/NumberText.h"

#include <charconv>
#include <stdexcept>

namespace mirelo {

namespace {

// A template that does not match its values is a fault of the program, not of
// the user's input.
[[noreturn]] void BadTemplate(std::string_view pattern)
{
    throw std::logic_error("script line template does not match its values: " + std::string(pattern));
}

void AppendInteger(std::string& out, std::int64_t value)
{
    char buffer[24];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    out.append(buffer, end);
}

} // namespace

ScriptContext::ScriptContext(const Model& m, const PreparedSections& p, const AnalysisSettings& a,
                             const RecorderSettings& r, ScriptResult& result, const ScriptOptions& o)
    : model(m), prepared(p), analysis(a), recorder(r), dofs(m), modes(PlanModes(m, a, dofs)), options(o),
      result_(result),
      elasticIsotropicDone_(static_cast<std::size_t>(m.Materials.Size()) + 1, false)
{
}

bool ScriptContext::EnsureElasticIsotropic(std::int32_t m)
{
    if (m < 1 || m > model.Materials.count)
        return false;
    if (!elasticIsotropicDone_[static_cast<std::size_t>(m)]) {
        elasticIsotropicDone_[static_cast<std::size_t>(m)] = true;
        const Material& material = model.Materials[m];
        Format("nDMaterial ElasticIsotropic %d %0.4E %0.4E", m, material.elasticModulus, material.poisson);
    }
    return true;
}

void ScriptContext::FormatLine(std::string_view pattern, const ScriptArg* values, std::size_t count)
{
    line_.clear();
    std::size_t used = 0;
    std::size_t i = 0;
    while (i < pattern.size()) {
        const std::size_t percent = pattern.find('%', i);
        if (percent == std::string_view::npos) {
            line_.append(pattern.substr(i));
            break;
        }
        line_.append(pattern.substr(i, percent - i));
        // The placeholder runs to its conversion letter: "%d", "%0.4E", ...
        std::size_t letter = percent + 1;
        while (letter < pattern.size() && (pattern[letter] == '.' || (pattern[letter] >= '0' && pattern[letter] <= '9')))
            ++letter;
        if (letter >= pattern.size() || used >= count)
            BadTemplate(pattern);
        const ScriptArg& value = values[used++];
        const std::string_view precision = pattern.substr(percent + 1, letter - percent - 1);
        int digits = 0;
        if (precision.size() > 2 && precision.substr(0, 2) == "0.")
            std::from_chars(precision.data() + 2, precision.data() + precision.size(), digits);
        switch (pattern[letter]) {
        case 'd':
        case 'D':
            if (value.kind != ScriptArg::Kind::Integer || !precision.empty())
                BadTemplate(pattern);
            AppendInteger(line_, value.integer);
            break;
        case 's':
        case 'S':
            if (value.kind != ScriptArg::Kind::Text || !precision.empty())
                BadTemplate(pattern);
            line_.append(value.text);
            break;
        case 'e':
        case 'E':
            if (value.kind == ScriptArg::Kind::Real && digits >= 1)
                AppendScientificRoundTrip(line_, value.real, digits);
            else if (value.kind == ScriptArg::Kind::RoundedReal && digits >= 1)
                AppendScientific(line_, value.real, digits);
            else
                BadTemplate(pattern);
            break;
        case 'f':
        case 'F':
            if (value.kind == ScriptArg::Kind::Real && digits >= 1)
                AppendFixedRoundTrip(line_, value.real, digits);
            else if (value.kind == ScriptArg::Kind::RoundedReal && digits >= 1)
                AppendFixed(line_, value.real, digits);
            else
                BadTemplate(pattern);
            break;
        default: BadTemplate(pattern);
        }
        i = letter + 1;
    }
    if (used != count)
        BadTemplate(pattern);
    result_.lines.Append(line_);
}

} // namespace mirelo
