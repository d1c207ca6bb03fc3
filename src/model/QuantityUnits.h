#pragma once

#include "model/Model.h"

#include <string>
#include <string_view>

namespace mirelo {

// What a number in a box measures.
enum class Quantity { Number, Length, Area, Stress, Force, Moment };

// The unit of a quantity in a model's units, spelt as EngineerUnit spells the
// file's units: "m", "m²", "kN/m²", "kN", "kN·m". Empty for a pure number, and where the
// file names no unit that the quantity needs.
std::string QuantityUnit(Quantity quantity, const ModelUnits& units);

// What a declared setting measures, by its name: the cover and the control
// displacement are lengths, the bar areas areas, E and the stresses and
// stiffnesses of the material laws stresses; any other is a pure number.
Quantity SettingQuantity(std::string_view settingName);

} // namespace mirelo
