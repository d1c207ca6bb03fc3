#pragma once

#include "common/NumberText.h"

#include <cstdint>
#include <limits>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

namespace mirelo {

// How a setting is given as text: a whole number, a real number, a flag (0 or
// 1, stored as 0 and -1) or the 1-based position in a list of choices.
enum class SettingKind { Integer, Real, Flag, Choice };

// One setting as the user sets it: the name the command line takes, the
// caption its dialog shows, the value it starts with and what it may hold.
struct SettingDeclaration {
    std::string_view name;
    std::string_view label;
    SettingKind kind = SettingKind::Integer;
    double start = 0;
    double minimum = std::numeric_limits<std::int32_t>::min(); // Integer (inclusive)
    double maximum = std::numeric_limits<std::int32_t>::max();
    std::span<const std::string_view> choices = {}; // Choice: value k is choices[k - 1]

    static constexpr SettingDeclaration Integer(std::string_view name, std::string_view label, std::int32_t start,
                                         std::int32_t minimum = std::numeric_limits<std::int32_t>::min(),
                                         std::int32_t maximum = std::numeric_limits<std::int32_t>::max())
    {
        return {name, label, SettingKind::Integer, double(start), double(minimum), double(maximum), {}};
    }
    static constexpr SettingDeclaration Real(std::string_view name, std::string_view label, double start)
    {
        return {name, label, SettingKind::Real, start, 0, 0, {}};
    }
    static constexpr SettingDeclaration Flag(std::string_view name, std::string_view label, bool on)
    {
        return {name, label, SettingKind::Flag, on ? -1.0 : 0.0, 0, 1, {}};
    }
    static constexpr SettingDeclaration Choice(std::string_view name, std::string_view label, std::int32_t start,
                                        std::span<const std::string_view> choices)
    {
        return {name, label, SettingKind::Choice, double(start), 1, double(choices.size()), choices};
    }
};

// What an Integer, Flag or Choice setting may take, as a user reads it: "1 to
// 7", "0 or 1"; empty when any whole number will do.
std::string RangeText(const SettingDeclaration& declaration);

// The value an Integer, Flag or Choice setting stores for `text` (a flag
// stores -1 for 1). Raises ConversionError for text that is not a whole
// number, and Error "<subject> takes 1 to 7, not '9'" for one out of range.
std::int32_t ParseIntegerSetting(const SettingDeclaration& declaration, std::string_view text, std::string_view subject);

// The same for a whole number already read (a flag given as 0 or 1).
std::int32_t IntegerSettingValue(const SettingDeclaration& declaration, std::int64_t value, std::string_view subject);

// Whether the value a record holds is one the setting may take (a flag: 0
// or -1). A value outside comes from a model file, never from a user.
bool IsDeclaredValue(const SettingDeclaration& declaration, double value);

// A setting as it lives in a record: its declaration and the field that holds it
// (an integer field for Integer, Flag and Choice, a real one for Real).
template <typename Record>
struct SettingField {
    SettingDeclaration declaration;
    std::int32_t Record::*integer = nullptr;
    double Record::*real = nullptr;
};

template <typename Record>
constexpr SettingField<Record> Bind(const SettingDeclaration& declaration, std::int32_t Record::*field)
{
    return {declaration, field, nullptr};
}

template <typename Record>
constexpr SettingField<Record> Bind(const SettingDeclaration& declaration, double Record::*field)
{
    return {declaration, nullptr, field};
}

// Gives the field its start value.
template <typename Record>
void SetStart(Record& record, const SettingField<Record>& field)
{
    if (field.real != nullptr)
        record.*field.real = field.declaration.start;
    else
        record.*field.integer = static_cast<std::int32_t>(field.declaration.start);
}

// Sets the field from text; raises as ParseIntegerSetting does (ParseReal for
// a real field) and leaves the record unchanged then.
template <typename Record>
void SetFromText(Record& record, const SettingField<Record>& field, std::string_view text, std::string_view subject)
{
    if (field.real != nullptr)
        record.*field.real = ParseReal(text);
    else
        record.*field.integer = ParseIntegerSetting(field.declaration, text, subject);
}

// The field of that exact name, or nullptr.
template <typename Record>
const SettingField<Record>* FindSetting(std::span<const SettingField<Record>> fields, std::string_view name)
{
    for (const SettingField<Record>& field : fields)
        if (field.declaration.name == name)
            return &field;
    return nullptr;
}

// The field of a name the caller knows to be declared.
template <typename Record>
const SettingField<Record>& DeclaredSetting(std::span<const SettingField<Record>> fields, std::string_view name)
{
    if (const SettingField<Record>* field = FindSetting(fields, name))
        return *field;
    throw std::logic_error("no setting is declared as " + std::string(name));
}

} // namespace mirelo
