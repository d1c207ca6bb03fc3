// The suite's driver: a small Tcl program around the script of one run.
#include "parallel/SuiteScript.h"

#include "common/TextLines.h"
#include "parallel/RunStatus.h"
#include "script/CurveRecorders.h"
#include "script/JointDofs.h"
#include "script/ScriptGenerator.h"

#include <filesystem>

namespace mirelo {

namespace {

namespace fs = std::filesystem;

// The line of the run script that steps through the record: the driver's own
// procedure, which watches each step.
constexpr const char* kStepProcedure = "SuiteAnalyze";

// What the driver knows of every run: the lines of its table.
std::string RunTable(const std::vector<GroundMotion>& motions, const std::vector<SuiteRun>& todo)
{
    std::string table;
    for (const SuiteRun& run : todo) {
        const GroundMotion& motion = motions.at(run.motion);
        const ScriptOptions o = LoneRecordOptions(motion, run.scale, "");
        table += "    {" + run.name + " " + motion.name + " " + o.motionDt + " " + std::to_string(motion.values.size())
               + " " + o.motionFactor + " " + o.motionDirection + "}\n";
    }
    return table;
}

// The control joint and direction whose peak displacement each run keeps,
// and the supports whose reactions make the base shear; empty lists where
// there are none.
std::pair<std::string, std::string> Watched(const Model& model, const AnalysisSettings& a, const RecorderSettings& r)
{
    const JointDofs dofs(model);
    const bool control = a.ControlNode >= 1 && a.ControlNode <= model.Joints.count && a.ControlDof >= 1
                      && a.ControlDof <= dofs.Of(a.ControlNode);
    if (!control)
        return {"", ""};
    std::string supports;
    if (r.RecordCurves != 0)
        for (const std::int32_t j : SupportsAlong(model, a.ControlDof))
            if (a.ControlDof <= dofs.Of(j))
                supports += (supports.empty() ? "" : " ") + std::to_string(j);
    return {std::to_string(a.ControlNode) + " " + std::to_string(a.ControlDof), supports};
}

std::string DriverText(const std::string& runTable, const std::pair<std::string, std::string>& watched,
                       double timeLimitSeconds)
{
    return R"(# Ground-motion suite written by Mirelo. Every process runs the runs k of the
# table below with k mod N = its rank, one after the other, each rebuilt from a
# wipe into its own folder; no process waits for another. OpenSeesMP gives the
# rank and N (getPID, getNP); a sequential OpenSees takes them from the
# environment ()" + std::string(kSuiteProcessVariable) + ", " + kSuiteProcessCountVariable + R"().
set suiteDir [file dirname [file normalize [info script]]]
if {[info commands getPID] ne ""} {
    set suitePid [getPID]; set suiteNp [getNP]
} elseif {[info exists env()" + kSuiteProcessCountVariable + R"()]} {
    set suitePid $env()" + kSuiteProcessVariable + R"(); set suiteNp $env()" + kSuiteProcessCountVariable + R"()
} else {
    set suitePid 0; set suiteNp 1
}
set suiteTimeLimit )" + ShortestText(timeLimitSeconds) + R"(
set suiteControl {)" + watched.first + R"(}
set suiteSupports {)" + watched.second + R"(}
# run, record, time step, steps, factor, direction
set suiteRuns {
)" + runTable + R"(}

# The run's status, replaced whole so that a reader never sees half of it.
proc SuiteStatus {state} {
    global suiteStep recordSteps suiteStart suitePeakDisp suitePeakShear
    set seconds [expr {([clock milliseconds] - $suiteStart) / 1000.0}]
    set f [open )" + kRunStatusFileName + R"(.part w]
    puts $f "$state $suiteStep $recordSteps $seconds $suitePeakDisp $suitePeakShear"
    close $f
    file rename -force )" + kRunStatusFileName + ".part " + kRunStatusFileName + R"(
}

# The record's steps one at a time: the same numbers as one analyze command,
# with the peaks kept, the time limit watched and the status kept current.
proc )" + kStepProcedure + R"( {} {
    global recordSteps recordDt suiteStep suiteState suiteStart suiteTimeLimit
    global suiteControl suiteSupports suitePeakDisp suitePeakShear
    set written [clock milliseconds]
    while {$suiteStep < $recordSteps} {
        if {[analyze 1 $recordDt] != 0} {
            set suiteState failed
            return
        }
        incr suiteStep
        if {[llength $suiteControl] == 2} {
            set d [expr {abs([nodeDisp {*}$suiteControl])}]
            if {$d > $suitePeakDisp} { set suitePeakDisp $d }
        }
        if {[llength $suiteSupports] > 0} {
            reactions
            set v 0.0
            foreach j $suiteSupports { set v [expr {$v + [nodeReaction $j [lindex $suiteControl 1]]}] }
            if {abs($v) > $suitePeakShear} { set suitePeakShear [expr {abs($v)}] }
        }
        set now [clock milliseconds]
        if {$suiteTimeLimit > 0 && $now - $suiteStart > 1000 * $suiteTimeLimit} {
            set suiteState time-limit
            return
        }
        if {$now - $written >= 500} {
            SuiteStatus running
            set written $now
        }
    }
    set suiteState converged
}

set suiteK -1
foreach suiteRun $suiteRuns {
    if {[incr suiteK] % $suiteNp != $suitePid} continue
    lassign $suiteRun runName recordName recordDt recordSteps recordFactor recordDirection
    set recordFile ../)" + kSuiteRecordsFolder + R"(/$recordName.txt
    file mkdir [file join $suiteDir $runName]
    cd [file join $suiteDir $runName]
    set suiteStart [clock milliseconds]
    set suiteStep 0
    set suiteState error
    set suitePeakDisp [expr {[llength $suiteControl] == 2 ? 0.0 : "-"}]
    set suitePeakShear [expr {[llength $suiteSupports] > 0 ? 0.0 : "-"}]
    SuiteStatus running
    if {[catch {source [file join $suiteDir )" + kSuiteRunScriptFileName + R"(]} suiteError]} {
        puts stderr "$runName: $suiteError"
        set suiteState error
    }
    wipe
    SuiteStatus $suiteState
    cd $suiteDir
}
)";
}

void WriteRecordFile(const fs::path& path, const GroundMotion& motion)
{
    std::string text;
    for (const std::string& value : motion.values)
        text += value + '\n';
    WriteWholeFile(path.string(), text);
}

} // namespace

void CheckSuiteAnalysis(const AnalysisSettings& analysis)
{
    if (!ShakesWithOneGroundMotion(analysis.AnalysisType))
        throw Error("A ground-motion suite runs time histories (AnalysisType 5 or 6), not AnalysisType "
                    + std::to_string(analysis.AnalysisType));
}

ScriptOptions LoneRecordOptions(const GroundMotion& motion, double scale, const std::string& file)
{
    ScriptOptions o;
    o.motionFile = file;
    o.motionDirection = std::to_string(motion.direction);
    o.motionFactor = ShortestText(motion.factor * scale);
    o.motionDt = ShortestText(motion.dt);
    o.transientAnalyze = "analyze " + std::to_string(motion.values.size()) + " " + o.motionDt;
    return o;
}

std::vector<std::string> WriteSuiteFiles(const std::string& folder, Model& model, const AnalysisSettings& analysis,
                                         const RecorderSettings& recorder, const std::vector<GroundMotion>& motions,
                                         const std::vector<SuiteRun>& todo, double timeLimitSeconds)
{
    CheckSuiteAnalysis(analysis);
    const fs::path root(folder);
    std::error_code error;
    fs::create_directories(root / kSuiteRecordsFolder, error);
    if (error)
        throw FileError::CannotOpen((root / kSuiteRecordsFolder).string(), error.message());
    for (const GroundMotion& motion : motions)
        WriteRecordFile(root / kSuiteRecordsFolder / (motion.name + ".txt"), motion);

    ScriptOptions variables;
    variables.motionFile = "$recordFile";
    variables.motionDirection = "$recordDirection";
    variables.motionFactor = "$recordFactor";
    variables.motionDt = "$recordDt";
    variables.transientAnalyze = kStepProcedure;
    const ScriptResult script = GenerateScript(model, analysis, recorder, variables);
    SaveTextLines((root / kSuiteRunScriptFileName).string(), script.lines);
    const std::string driver = DriverText(RunTable(motions, todo), Watched(model, analysis, recorder), timeLimitSeconds);
    SaveTextLines((root / kSuiteDriverFileName).string(), TextLines::FromText(driver));
    return script.warnings;
}

} // namespace mirelo
