#pragma once

#include "common/TextLines.h"
#include "model/Model.h"

#include <string>
#include <string_view>

namespace mirelo {

// The units the file names on the line after the line "SYSTEM"
// ("LENGTH=M  FORCE=KN"); empty when it does not say.
ModelUnits ReadModelUnits(const TextLines& s2kLines);

// How many millimetres one length unit is, how many square millimetres one
// area unit is, and the decimals of the coordinate grid (MM 1, CM 2, IN 3,
// M 4, FT 4): M, CM, MM, IN and FT in any letter case. A unit not recognised,
// or none, counts as millimetres.
LengthScale LengthScaleOf(std::string_view lengthUnit);

// Standard gravity, 9.80665 m/s², in the length unit per second squared
// (9806.65 in millimetres, as for a unit not recognised).
double StandardGravityIn(std::string_view lengthUnit);

// How many newtons one force unit is: N, KN, MN, KGF, TONF, LB, KIP in any
// letter case; 0 for a unit not recognised or none.
double NewtonsPer(std::string_view forceUnit);

// A unit as engineers write it: the file's "KN", "kn" or "Kn" is kN, "M" is m;
// likewise N, MN, kgf, tonf, lb, kip, mm, cm, in, ft and s. A unit not
// recognised is returned as written, an empty one as empty.
std::string EngineerUnit(std::string_view fileUnit);

} // namespace mirelo
