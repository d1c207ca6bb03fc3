#pragma once

#include "script/AnalysisSettings.h"
#include "script/CurveRecorders.h"

#include <optional>
#include <string>
#include <vector>

namespace mirelo {

// A pushover curve (x the control joint's displacement, y the base shear) or
// a time history (x the time, y the control joint's displacement). The base
// shear is the sum of the supports' reactions with the sign turned, so that a
// push along +X gives a positive shear.
struct Curve {
    CurveKind kind = CurveKind::None;
    std::vector<double> x, y;
};

// Reads the curve of a run from the curve recorders' files in `folder`. The
// run's description beside them (curve_run.txt) gives the kind and the
// gravity steps before it, which are left out; without one, `analysis` (the
// settings the script was generated with) gives them. A run the solver
// stopped early gives the steps it recorded in both files. Raises Error for
// an analysis without curve or a description that cannot be read,
// FileOpenError for a missing file, and ConversionError (with the file and
// line) for a line that holds no number where one is due.
Curve ReadCurve(const std::string& folder, const AnalysisSettings& analysis);

// The step of the largest value in size (the peak base shear of a pushover,
// the largest displacement of a time history), the first of equals; nullopt
// for an empty curve.
std::optional<std::size_t> PeakStep(const Curve& curve);

// The curve as CSV text: the header "displacement,base_shear" or
// "time,displacement", then one row per step, numbers with 17 significant
// digits; LF line ends.
std::string CurveCsv(const Curve& curve);

} // namespace mirelo
