#pragma once

#include "session/ViewState.h"

namespace mirelo {

// Class 1..6 of a section result in the range HingeMin..HingeMax:
// c = rnd((value - HingeMin) / (HingeMax - HingeMin) x 6), halves to even,
// clamped to 1..6. A colour is SectionPalette[10 + c].
// An empty range raises FloatingPointError ("Floating point division by zero",
// or "Invalid floating point operation" when the value equals the bound too).
int SectionResultClass(double value, const ViewState& view);

} // namespace mirelo
