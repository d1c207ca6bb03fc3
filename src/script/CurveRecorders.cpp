#include "script/CurveRecorders.h"

#include "script/RecorderFiles.h"
#include "script/ScriptBlocks.h"

#include <algorithm>
#include <string>

namespace mirelo {

std::int32_t GravityRows(const AnalysisSettings& analysis)
{
    return LoadsGravityFirst(analysis.AnalysisType) ? std::max(analysis.LoadSteps, 0) : 0;
}

std::vector<std::int32_t> SupportsAlong(const Model& model, std::int32_t dof)
{
    std::vector<std::int32_t> supports;
    if (dof < 1 || dof > 6)
        return supports;
    for (std::int32_t j = 1; j <= model.Joints.count; ++j)
        if (model.Joints[j].restraint[static_cast<std::size_t>(dof)] == 1)
            supports.push_back(j);
    return supports;
}

namespace {

constexpr std::string_view kPushoverWord = "pushover";
constexpr std::string_view kTimeHistoryWord = "time-history";

// Tcl's own file commands write the run's description when the script runs.
void WriteCurveRun(ScriptContext& script, const CurveRun& run)
{
    script.Format("set curveRun [open %s w]", std::string(kCurveRunFileName));
    script.Format("puts $curveRun \"%s\"", CurveRunText(run));
    script.Line("close $curveRun");
}

} // namespace

std::string CurveRunText(const CurveRun& run)
{
    return std::string(run.kind == CurveKind::Pushover ? kPushoverWord : kTimeHistoryWord) + " "
         + std::to_string(run.gravityRows);
}

std::optional<CurveRun> ParseCurveRun(std::string_view line)
{
    while (!line.empty() && (line.back() == '\r' || line.back() == ' '))
        line.remove_suffix(1);
    const std::size_t blank = line.find(' ');
    if (blank == std::string_view::npos)
        return std::nullopt;
    const std::string_view word = line.substr(0, blank), rows = line.substr(blank + 1);
    CurveRun run;
    if (word == kPushoverWord)
        run.kind = CurveKind::Pushover;
    else if (word == kTimeHistoryWord)
        run.kind = CurveKind::TimeHistory;
    else
        return std::nullopt;
    if (rows.empty() || rows.size() > 9 || !std::all_of(rows.begin(), rows.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    run.gravityRows = std::stoi(std::string(rows));
    return run;
}

// Two recorders of one node and of the supports, along the control direction,
// and the run's description.
void WriteCurveRecorders(ScriptContext& script)
{
    const AnalysisSettings& a = script.analysis;
    const CurveKind kind = CurveKindOf(a.AnalysisType);
    if (kind == CurveKind::None) {
        script.Warn("Curves are recorded for pushover and time-history analyses only, not for analysis type "
                    + std::to_string(a.AnalysisType));
        return;
    }
    const bool nodeExists = a.ControlNode >= 1 && a.ControlNode <= script.model.Joints.count;
    if (!nodeExists || a.ControlDof < 1 || a.ControlDof > script.dofs.Of(a.ControlNode)) {
        script.Warn("No curve is recorded: control joint " + std::to_string(a.ControlNode) + " has no degree of freedom "
                    + std::to_string(a.ControlDof));
        return;
    }
    script.Format("recorder Node -file %s -time -node %D -dof %D disp", std::string(kCurveDisplacementFileName), a.ControlNode,
                  a.ControlDof);
    WriteCurveRun(script, {kind, GravityRows(a)});
    if (kind != CurveKind::Pushover)
        return;
    std::string supports;
    for (const std::int32_t j : SupportsAlong(script.model, a.ControlDof))
        if (a.ControlDof <= script.dofs.Of(j))
            supports += std::to_string(j) + ' ';
    if (supports.empty()) {
        script.Warn("No base shear is recorded: no joint is held along degree of freedom "
                    + std::to_string(a.ControlDof));
        return;
    }
    script.Format("recorder Node -file %s -time -node %s-dof %D reaction", std::string(kCurveReactionFileName), supports, a.ControlDof);
}

} // namespace mirelo
