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

namespace {

// `shown` is the value as the message quotes it.
std::int32_t CheckedIntegerSetting(const SettingDeclaration& declaration, std::int64_t value,
                                   std::string_view subject, const std::string& shown)
{
    if (static_cast<double>(value) < declaration.minimum || static_cast<double>(value) > declaration.maximum)
        throw Error(std::string(subject) + " takes " + RangeText(declaration) + ", not " + shown);
    if (declaration.kind == SettingKind::Flag)
        return value == 1 ? -1 : 0;
    return static_cast<std::int32_t>(value);
}

} // namespace

std::int32_t ParseIntegerSetting(const SettingDeclaration& declaration, std::string_view text, std::string_view subject)
{
    return CheckedIntegerSetting(declaration, ParseInteger(text), subject, "'" + std::string(text) + "'");
}

std::int32_t IntegerSettingValue(const SettingDeclaration& declaration, std::int64_t value, std::string_view subject)
{
    return CheckedIntegerSetting(declaration, value, subject, std::to_string(value));
}

bool IsDeclaredValue(const SettingDeclaration& declaration, double value)
{
    switch (declaration.kind) {
    case SettingKind::Real: return true;
    case SettingKind::Flag: return value == 0 || value == -1;
    case SettingKind::Integer:
    case SettingKind::Choice: break;
    }
    return value >= declaration.minimum && value <= declaration.maximum;
}

} // namespace mirelo
