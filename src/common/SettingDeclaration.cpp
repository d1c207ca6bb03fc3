#include "common/SettingDeclaration.h"

#include "common/Errors.h"
#include "common/NumberText.h"

#include <limits>

namespace mirelo {

std::string RangeText(const SettingSpec& spec)
{
    switch (spec.kind) {
    case SettingKind::Flag: return "0 or 1";
    case SettingKind::Real: return {};
    case SettingKind::Integer:
        if (spec.minimum == std::numeric_limits<std::int32_t>::min()
            && spec.maximum == std::numeric_limits<std::int32_t>::max())
            return {};
        [[fallthrough]];
    case SettingKind::Choice: break;
    }
    return std::to_string(static_cast<std::int64_t>(spec.minimum)) + " to "
         + std::to_string(static_cast<std::int64_t>(spec.maximum));
}

std::int32_t ParseIntegerSetting(const SettingSpec& spec, std::string_view text, std::string_view subject)
{
    const std::int32_t value = ParseInteger(text);
    if (value < spec.minimum || value > spec.maximum)
        throw Error(std::string(subject) + " takes " + RangeText(spec) + ", not '" + std::string(text) + "'");
    if (spec.kind == SettingKind::Flag)
        return value == 1 ? -1 : 0;
    return value;
}

} // namespace mirelo
