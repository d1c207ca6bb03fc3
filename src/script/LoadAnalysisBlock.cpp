// Load patterns and the analysis, one writer for each analysis type (AnalysisKinds.h).
#include "script/RecorderFiles.h"
#include "script/ScriptBlocks.h"
#include "script/ScriptTags.h"

#include <string>

namespace mirelo {

namespace {

void Lines(ScriptContext& script, std::initializer_list<std::string_view> lines)
{
    for (const std::string_view line : lines)
        script.Line(line);
}

// The linear system line of an analysis: its own, or the parallel solver's.
std::string SystemLine(const ScriptContext& script, std::string_view own)
{
    if (script.options.system.empty())
        return std::string(own);
    return "system " + script.options.system + (own.find(';') != std::string_view::npos ? ";" : "");
}

// The pattern of load case c, tagged `tag`. A case outside the case table
// gives an empty name and no loads.
void WriteLoadPattern(ScriptContext& script, std::int32_t c, std::int32_t tag, std::string_view setting)
{
    const Model& model = script.model;
    const bool known = c >= 1 && c <= model.LoadCaseCount && static_cast<std::size_t>(c) < model.LoadCaseNames.size();
    if (!known)
        script.Warn(std::string(setting) + " " + std::to_string(c) + " is not a load case of the model (it has "
                        + std::to_string(std::max(model.LoadCaseCount, 0)) + "): its pattern has no loads",
                    script.NextLine());
    const std::string_view name = known ? std::string_view(model.LoadCaseNames[static_cast<std::size_t>(c)]) : "";
    script.Format("## Load Case = %s", name);
    script.Format("pattern Plain %D Linear {", tag);
    std::int64_t momentsDropped = 0; // warned about once per pattern
    std::int64_t written = 0;
    for (std::int32_t l = 1; known && l <= model.Loads.count; ++l) {
        const Load& load = model.Loads[l];
        if (CaseNameOf(model, load) != name)
            continue;
        ++written;
        const auto& v = load.value;
        if (load.loadType == kJointForce && script.dofs.Of(load.target) == 3) {
            if ((v[4] != 0 || v[5] != 0 || v[6] != 0) && !momentsDropped++)
                script.Warn("Load case " + std::string(name) + " puts moments on joint " + std::to_string(load.target)
                            + ", which only bricks use: bricks carry no moments, so they are left out");
            script.Format("load %D %0.4E %0.4E %0.4E", load.target, v[1], v[2], v[3]);
        } else if (load.loadType == kJointForce)
            script.Format("load %D %0.4E %0.4E %0.4E %0.4E %0.4E %0.4E", load.target, v[1], v[2], v[3], v[4], v[5], v[6]);
        else if (load.loadType == kFrameDistributed && load.direction == 1)
            script.Format("eleLoad -ele %D -type -beamUniform 0 0 %0.4E", load.target, v[1]);
        else if (load.loadType == kFrameDistributed && load.direction == 2)
            script.Format("eleLoad -ele %D -type -beamUniform 0 %0.4E 0", load.target, v[1]);
        else if (load.loadType == kFrameDistributed && load.direction == 3)
            script.Format("eleLoad -ele %D -type -beamUniform %0.4E 0 0", load.target, -v[1]);
    }
    script.Line("}");
    if (known && written == 0)
        script.Warn(std::string(setting) + " " + std::to_string(c) + ", load case " + std::string(name)
                    + ", has no loads: its pattern is empty");
}

void WriteStaticAnalysisLines(ScriptContext& script)
{
    script.Line("puts \"analysis\"");
    // Rigid diaphragms are multi-point constraints, which a plain handler refuses.
    script.Line(script.rigidDiaphragmLines > 0 ? "constraints Transformation" : "constraints Plain");
    script.Line("numberer Plain");
    script.Line(SystemLine(script, "system BandGeneral"));
    Lines(script, {"test EnergyIncr 1.0e-6 200", "algorithm Newton"});
}

void WriteLoadControl(ScriptContext& script, std::string_view label)
{
    const AnalysisSettings& a = script.analysis;
    script.Line(label);
    WriteLoadPattern(script, a.LoadCase, a.LoadCase, "LoadCase");
    WriteStaticAnalysisLines(script);
    script.Format("integrator LoadControl %0.4E", CheckedQuotient(a.LoadFactor, static_cast<double>(a.LoadSteps)));
    script.Line("analysis Static");
    script.Format("analyze %d", a.LoadSteps);
}

// The displacement control pushes one free degree of freedom of one joint.
void WarnIfControlJointCannotMove(ScriptContext& script)
{
    const Model& model = script.model;
    const std::int32_t k = script.analysis.ControlNode, dof = script.analysis.ControlDof;
    const std::string where = "ControlNode " + std::to_string(k);
    if (!model.Joints.Contains(k)) {
        script.Warn(where + " is not a joint of the model (it has " + std::to_string(model.Joints.Size())
                    + "): the displacement control has no node to push");
        return;
    }
    const std::int32_t dofs = script.dofs.Of(k);
    if (dof < 1 || dof > dofs) {
        script.Warn("ControlDof " + std::to_string(dof) + " is not a degree of freedom of " + where + " (it has "
                    + std::to_string(dofs) + "): the displacement control has nothing to push");
        return;
    }
    bool master = false;
    for (std::int32_t c = 1; c <= model.Constraints.count; ++c)
        master = master || model.Constraints[c].masterJoint == k;
    // A diaphragm's master is fixed in Z and in rotation about X and Y.
    if (model.Joints[k].restraint[static_cast<std::size_t>(dof)] != 0 || (master && dof >= 3 && dof <= 5))
        script.Warn(where + " is restrained in ControlDof " + std::to_string(dof)
                    + ": the displacement control cannot push it and the solver stops at the first step");
}

void WriteDisplacementControl(ScriptContext& script, std::string_view label, bool afterGravity)
{
    const AnalysisSettings& a = script.analysis;
    script.Line(label);
    const bool shared = afterGravity && a.PushoverCase == a.LoadCase;
    WriteLoadPattern(script, a.PushoverCase, shared ? kSharedCasePushoverTagOffset + a.PushoverCase : a.PushoverCase,
                     "PushoverCase");
    WriteStaticAnalysisLines(script);
    WarnIfControlJointCannotMove(script);
    script.Format("integrator DisplacementControl %d %d %0.4E", a.ControlNode, a.ControlDof, a.ControlDisp);
    script.Line("analysis Static");
    script.Format("analyze %d", a.AnalysisSteps);
}

void WriteModal(ScriptContext& script)
{
    if (script.analysis.ModeCount < 1)
        script.Warn("ModeCount " + std::to_string(script.analysis.ModeCount)
                    + " asks the solver for no modes: it refuses the eigen command");
    for (const std::string& warning : script.modes.warnings)
        script.Warn(warning);
    script.Format("set numModes %d", script.modes.modalModes);
    script.Line(script.modes.dense ? "set lambda [eigen -fullGenLapack $numModes]" : "set lambda [eigen  $numModes]");
    script.Format("set period \"%s\"", std::string_view(kPeriodsFileName));
    Lines(script, {"set Periods [open $period \"w\"]", "puts $Periods \" $lambda\"", "close $Periods", "record"});
}

// 5 % Rayleigh damping from the eigenvalues of modes 1 and 2.
void WriteDamping(ScriptContext& script)
{
    for (const std::string& warning : script.modes.warnings)
        script.Warn(warning);
    Lines(script, {" ", "set xDamp 0.05;", "set nEigenI 1;", "set nEigenJ 2;"});
    script.Line(script.modes.dense ? "set lambdaN [eigen -fullGenLapack [expr $nEigenJ]];"
                                          : "set lambdaN [eigen [expr $nEigenJ]];");
    Lines(script, {"set lambdaI [lindex $lambdaN [expr $nEigenI-1]];",
                   "set lambdaJ [lindex $lambdaN [expr $nEigenJ-1]];",
                   "set omegaI [expr pow($lambdaI,0.5)]; ",
                   "set omegaJ [expr pow($lambdaJ,0.5)];",
                   "set alphaM [expr $xDamp*(2*$omegaI*$omegaJ)/($omegaI+$omegaJ)]; ",
                   "set betaKcurr [expr 2.*$xDamp/($omegaI+$omegaJ)];   ",
                   "rayleigh $alphaM $betaKcurr 0 0  "});
}

// Ground acceleration along one direction from one file; the start options
// give GMX.txt along X.
void WriteUniformExcitation(ScriptContext& script)
{
    const ScriptOptions& o = script.options;
    script.Line("  ");
    script.Format("set IDloadTag %d;", kGroundMotionTagStart);
    script.Line("set iGMfile \"" + o.motionFile + "\";");
    script.Line("set iGMdirection \"" + o.motionDirection + "\"; ");
    script.Line("set iGMfact \"" + o.motionFactor + "\";  ");
    script.Line("set dt " + o.motionDt + ";   ");
    Lines(script, {"foreach GMdirection $iGMdirection GMfile $iGMfile GMfact $iGMfact { ",
                   "incr IDloadTag; ",
                   "set GMfatt [expr 1*$iGMfact];  ",
                   "timeSeries Path $IDloadTag -dt $dt -filePath $iGMfile -factor  $GMfatt;",
                   "pattern UniformExcitation  $IDloadTag  $GMdirection -accel  $IDloadTag; ",
                   "}  ",
                   "  ",
                   "constraints Transformation; ",
                   "numberer Plain;  "});
    script.Line(SystemLine(script, "system UmfPack; "));
    Lines(script, {"test EnergyIncr 1.0e-4 200; ",
                   "algorithm Newton ",
                   "integrator Newmark 0.5 0.25 ",
                   "analysis Transient"});
    script.Line(o.transientAnalyze);
}

// Ground displacements from DM1X.txt imposed on nodes 1 and 3, and 2 and 4.
void WriteMultipleSupport(ScriptContext& script)
{
    if (script.model.Joints.count < 4)
        script.Warn("Multiple-support excitation imposes motion on nodes 1 to 4, but the model has "
                    + std::to_string(script.model.Joints.Size()) + " joint(s)");
    Lines(script, {"  ",
                   "set iGMfile \"DM1X.txt\"; ",
                   "set iGMfact \"1\";",
                   "set dt 0.02;",
                   "timeSeries Path 1 -dt $dt -filePath $iGMfile -factor  $iGMfact;",
                   "  ",
                   "set iGMfile \"DM1X.txt\";",
                   "set iGMfact \"1\";",
                   "set dt 0.02; ",
                   "timeSeries Path 2 -dt $dt -filePath $iGMfile -factor  $iGMfact;",
                   "  ",
                   "pattern MultiSupport  1   { ",
                   "    groundMotion 1 Plain -disp 1",
                   "    imposedMotion 1 1 1  ",
                   "    imposedMotion 3 1 1  ",
                   " }",
                   "pattern MultiSupport  2   {",
                   "    groundMotion 2 Plain -disp 2",
                   "    imposedMotion 2 1 2 ",
                   "    imposedMotion 4 1 2 ",
                   " }",
                   "  ",
                   "constraints Transformation;",
                   "numberer Plain; "});
    script.Line(SystemLine(script, "system UmfPack;  "));
    Lines(script, {"test EnergyIncr 1.0e-4 200; ",
                   "algorithm Newton ",
                   "integrator Newmark 0.5 0.25",
                   "analysis Transient",
                   "analyze 1000 0.02 "});
}

// The solver's eigen command fails on a model without mass, so such a script
// asks for no modes: the modal analysis computes nothing and the time
// histories run undamped.
bool Massless(const ScriptContext& script)
{
    return script.modes.massDofs == 0;
}

void WriteDampingWithMass(ScriptContext& script)
{
    if (!Massless(script))
        WriteDamping(script);
}

// The gravity stays as it is while a pushover's load factor or a time
// history's time grows; without loadConst its Linear series would grow too.
void WriteGravity(ScriptContext& script)
{
    WriteLoadControl(script, "puts \"gravity\"");
    script.Line("loadConst -time 0.0");
}

} // namespace

void WriteLoadControlAnalysis(ScriptContext& script)
{
    WriteLoadControl(script, "puts \"loading\"");
}

void WriteDisplacementControlAnalysis(ScriptContext& script)
{
    WriteDisplacementControl(script, "puts \"loading\"", false);
}

void WriteGravityPushoverAnalysis(ScriptContext& script)
{
    WriteGravity(script);
    WriteDisplacementControl(script, "puts \"pushover\"", true);
}

void WriteModalAnalysis(ScriptContext& script)
{
    if (!Massless(script))
        WriteModal(script);
}

void WriteTimeHistoryAnalysis(ScriptContext& script)
{
    WriteDampingWithMass(script);
    WriteUniformExcitation(script);
}

void WriteGravityTimeHistoryAnalysis(ScriptContext& script)
{
    WriteGravity(script);
    script.Line("wipeAnalysis"); // the transient analysis sets up its own
    WriteDampingWithMass(script);
    WriteUniformExcitation(script);
}

void WriteMultipleSupportAnalysis(ScriptContext& script)
{
    WriteDampingWithMass(script);
    WriteMultipleSupport(script);
}

void WriteLoadAnalysisBlock(ScriptContext& script)
{
    const std::int32_t type = script.analysis.AnalysisType;
    const AnalysisKindInfo* kind = FindAnalysisKind(type);
    if (kind == nullptr) {
        script.Warn("AnalysisType " + std::to_string(type) + " is not one of 1 to "
                    + std::to_string(kAnalysisKinds.size()) + ": the script loads nothing and runs no analysis");
        return;
    }
    if (kind->modes != ModeUse::None && Massless(script))
        script.Warn("Analysis type " + std::to_string(type)
                    + " needs the model's modes, but no free degree of freedom has mass: the script computes no modes"
                    + (kind->modes == ModeUse::Modal ? "" : " and applies no damping"));
    kind->writeLoadAnalysis(script);
}

} // namespace mirelo
