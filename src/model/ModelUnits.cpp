#include "model/ModelUnits.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <utility>

namespace mirelo {

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool SameLetters(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::toupper(static_cast<unsigned char>(x)) == std::toupper(static_cast<unsigned char>(y));
    });
}

// The value of "KEY=value" on `line`, where KEY starts a word; empty if absent.
std::string ValueOf(std::string_view line, std::string_view key)
{
    for (std::size_t at = 0; at + key.size() < line.size(); ++at) {
        const bool wordStart = at == 0 || IsBlank(line[at - 1]);
        if (!wordStart || line[at + key.size()] != '=' || !SameLetters(line.substr(at, key.size()), key))
            continue;
        std::size_t end = at + key.size() + 1;
        while (end < line.size() && !IsBlank(line[end]))
            ++end;
        return std::string(line.substr(at + key.size() + 1, end - at - key.size() - 1));
    }
    return {};
}

// The value of the entry whose name matches `unit` in any letter case.
template <typename Value, std::size_t N>
Value LookUp(const std::array<std::pair<std::string_view, Value>, N>& table, std::string_view unit, Value otherwise)
{
    for (const auto& [name, value] : table)
        if (SameLetters(name, unit))
            return value;
    return otherwise;
}

} // namespace

ModelUnits ReadModelUnits(const TextLines& s2kLines)
{
    for (std::size_t i = 0; i + 1 < s2kLines.size(); ++i) {
        if (Trimmed(s2kLines[i]) != "SYSTEM")
            continue;
        return {ValueOf(s2kLines[i + 1], "LENGTH"), ValueOf(s2kLines[i + 1], "FORCE")};
    }
    return {};
}

LengthScale LengthScaleOf(std::string_view lengthUnit)
{
    static constexpr std::array<std::pair<std::string_view, LengthScale>, 5> kUnits{{
        {"MM", {1, 1, 1}},
        {"CM", {10, 100, 2}},
        {"M", {1000, 1e6, 4}},
        {"IN", {25.4, 645.16, 3}},
        {"FT", {304.8, 92903.04, 4}},
    }};
    return LookUp(kUnits, lengthUnit, LengthScale{});
}

double StandardGravityIn(std::string_view lengthUnit)
{
    constexpr double kMillimetres = 9806.65;
    static constexpr std::array<std::pair<std::string_view, double>, 5> kUnits{{
        {"MM", kMillimetres},
        {"CM", 980.665},
        {"M", 9.80665},
        {"IN", kMillimetres / 25.4},
        {"FT", kMillimetres / 304.8},
    }};
    return LookUp(kUnits, lengthUnit, kMillimetres);
}

double NewtonsPer(std::string_view forceUnit)
{
    static constexpr std::array<std::pair<std::string_view, double>, 7> kUnits{{
        {"N", 1},
        {"KN", 1e3},
        {"MN", 1e6},
        {"KGF", 9.80665},
        {"TONF", 9806.65},
        {"LB", 4.4482216152605},
        {"KIP", 4448.2216152605},
    }};
    return LookUp(kUnits, forceUnit, 0.0);
}

std::string EngineerUnit(std::string_view fileUnit)
{
    // Matched in any letter case, so each entry is also its own key.
    static constexpr std::array<std::string_view, 13> kSpellings{"N",  "kN", "MN", "kgf", "tonf", "lb", "kip",
                                                                 "mm", "cm", "m",  "in",  "ft",   "s"};
    for (const std::string_view spelling : kSpellings)
        if (SameLetters(spelling, fileUnit))
            return std::string(spelling);
    return std::string(fileUnit);
}

} // namespace mirelo
