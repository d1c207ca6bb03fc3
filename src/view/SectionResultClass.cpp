#include "view/SectionResultClass.h"

#include "common/Errors.h"

#include <algorithm>
#include <cmath>

namespace mirelo {

int SectionResultClass(double value, const ViewState& view)
{
    const double t = CheckedQuotient(CheckedFinite(value - view.HingeMin), CheckedFinite(view.HingeMax - view.HingeMin));
    // Clamping t first keeps t x 6 finite; every t outside [-1, 2] lands in an end class anyway.
    const double c = std::nearbyint(std::clamp(t, -1.0, 2.0) * 6);
    return static_cast<int>(std::clamp(c, 1.0, 6.0));
}

} // namespace mirelo
