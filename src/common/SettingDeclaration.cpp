#include "common/SettingDeclaration.h"

#include "common/Errors.h"
#include "common/NumberText.h"

#include <limits>

namespace mirelo {

std::string RangeText(const SettingDeclaration& declaration)
{
    switch (declaration.kind) {
    case SettingKind::Flag: return "0 or 1";
    case SettingKind::Real: return {};
    case SettingKind::Integer:
        if (declaration.minimum == std::numeric_limits<std::int32_t>::min()
            && declaration.maximum == std::numeric_limits<std::int32_t>::max())
            return {};
        [[fallthrough]];
    case SettingKind::Choice: break;
    }
    return std::to_string(static_cast<std::int64_t>(declaration.minimum)) + " to "
         + std::to_string(static_cast<std::int64_t>(declaration.maximum));
}

std::int32_t ParseIntegerSetting(const SettingDeclaration& declaration, std::string_view text, std::string_view subject)
{
    const std::int32_t value = ParseInteger(text);
    if (value < declaration.minimum || value > declaration.maximum)
        throw Error(std::string(subject) + " takes " + RangeText(declaration) + ", not '" + std::string(text) + "'");
    if (declaration.kind == SettingKind::Flag)
        return value == 1 ? -1 : 0;
    return value;
}

} // namespace mirelo
