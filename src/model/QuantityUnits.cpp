#include "model/QuantityUnits.h"

#include "model/ModelUnits.h"

#include <array>
#include <utility>

namespace mirelo {

std::string QuantityUnit(Quantity quantity, const ModelUnits& units)
{
    const std::string length = EngineerUnit(units.length);
    const std::string force = EngineerUnit(units.force);
    switch (quantity) {
    case Quantity::Number:
        return {};
    case Quantity::Length:
        return length;
    case Quantity::Area:
        return length.empty() ? std::string() : length + "\u00b2";
    case Quantity::Stress:
        return length.empty() || force.empty() ? std::string() : force + "/" + length + "\u00b2";
    case Quantity::Force:
        return force;
    case Quantity::Moment:
        return length.empty() || force.empty() ? std::string() : force + "\u00b7" + length;
    }
    return {};
}

Quantity SettingQuantity(std::string_view settingName)
{
    static constexpr std::array<std::pair<std::string_view, Quantity>, 11> kMeasured = {{
        {"cover", Quantity::Length},
        {"ControlDisp", Quantity::Length},
        {"barAreaX", Quantity::Area},
        {"barAreaY", Quantity::Area},
        {"E", Quantity::Stress},
        {"Fy", Quantity::Stress},
        {"E0", Quantity::Stress},
        {"fpc", Quantity::Stress},
        {"fpcu", Quantity::Stress},
        {"ft", Quantity::Stress},
        {"Ets", Quantity::Stress},
    }};
    for (const auto& [name, quantity] : kMeasured)
        if (name == settingName)
            return quantity;
    return Quantity::Number;
}

} // namespace mirelo
