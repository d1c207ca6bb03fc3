#pragma once

#include "model/Model.h"
#include "script/AnalysisSettings.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mirelo {

// The recorded steps that belong to the gravity load before a pushover or
// a time history, which the curve leaves out.
std::int32_t GravityRows(const AnalysisSettings& analysis);

// The joints held along `dof` (1..6), whose reactions make the base shear.
std::vector<std::int32_t> SupportsAlong(const Model& model, std::int32_t dof);

// What a run with curve recorders says of its curve, in a file beside them,
// so that the curve can be read whatever the settings are by then: its kind
// and the gravity rows before it, as the line "pushover 100" or
// "time-history 0".
struct CurveRun {
    CurveKind kind = CurveKind::None;
    std::int32_t gravityRows = 0;
};
std::string CurveRunText(const CurveRun& run);
// The run of such a line; nullopt for any other text.
std::optional<CurveRun> ParseCurveRun(std::string_view line);

} // namespace mirelo
