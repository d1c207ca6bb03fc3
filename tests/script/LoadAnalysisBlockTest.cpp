#include "script/ScriptTestSupport.h"

namespace mirelo {
namespace {

using test::Lines;

// Cases DEAD and LIVE; DEAD holds a point load on joint 5 and distributed
// loads on frame 12, LIVE a point load on joint 6. Joints 1 to 12 carry mass
// along X and Y, and 201 joints are too many for the dense eigen solver.
Model LoadedModel()
{
    Model model = test::ModelWithCounts(201, 12);
    for (std::int32_t k = 1; k <= 12; ++k)
        model.Joints[k].mass = {0, 1, 1, 0, 0, 0, 0};
    // A second NAME line of DEAD (case 4) adds to the first; "dead" is another case.
    model.LoadCaseNames = {"", "DEAD", "LIVE", "dead", "DEAD"};
    model.LoadCaseCount = 4;
    model.Loads.Reset(6);
    model.Loads[1] = {5, kJointForce, 0, 1, {0, 0, 0, -10, 0, 0, 0}};
    model.Loads[2] = {12, kFrameDistributed, 3, 1, {0, 5, 0, 0, 0, 0, 0}};
    model.Loads[3] = {12, kFrameDistributed, 2, 1, {0, 5, 0, 0, 0, 0, 0}};
    model.Loads[4] = {12, kFrameDistributed, 1, 4, {0, 5, 0, 0, 0, 0, 0}};
    model.Loads[5] = {6, kJointForce, 0, 2, {0, 1, 0, 0, 0, 0, 0}};
    model.Loads[6] = {7, kJointForce, 0, 3, {0, 1, 0, 0, 0, 0, 0}};
    return model;
}

const Lines kDeadPattern = {"## Load Case = DEAD",
                            "pattern Plain 1 Linear {",
                            "load 5 0.000E+000 0.000E+000 -1.000E+001 0.000E+000 0.000E+000 0.000E+000",
                            "eleLoad -ele 12 -type -beamUniform -5.000E+000 0 0",
                            "eleLoad -ele 12 -type -beamUniform 0 5.000E+000 0",
                            "eleLoad -ele 12 -type -beamUniform 0 0 5.000E+000",
                            "}"};
const Lines kStaticLines = {"puts \"analysis\"", "constraints Plain", "numberer Plain", "system BandGeneral",
                            "test EnergyIncr 1.0e-6 200", "algorithm Newton"};

Lines Concat(std::initializer_list<Lines> parts)
{
    Lines all;
    for (const Lines& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

test::BlockOutput Analysis(const Model& model, const AnalysisSettings& analysis)
{
    return test::WriteBlock(WriteLoadAnalysisBlock, model, analysis);
}

AnalysisSettings OfType(std::int32_t type)
{
    AnalysisSettings analysis;
    analysis.AnalysisType = type;
    return analysis;
}

TEST(LoadAnalysisBlock, LoadControlAppliesTheCaseInLoadSteps)
{
    const Lines expected = Concat({{"puts \"loading\""},
                                   kDeadPattern,
                                   kStaticLines,
                                   {"integrator LoadControl 1.000E-002", "analysis Static", "analyze 100"}});
    const test::BlockOutput out = Analysis(LoadedModel(), OfType(1));
    EXPECT_EQ(out.lines, expected);
    EXPECT_TRUE(out.warnings.empty());
}

TEST(LoadAnalysisBlock, DisplacementControlPushesTheControlNode)
{
    AnalysisSettings analysis = OfType(2);
    analysis.PushoverCase = 2;
    analysis.ControlNode = 25;
    analysis.AnalysisSteps = 40;
    const Lines expected = Concat({{"puts \"loading\"", "## Load Case = LIVE", "pattern Plain 2 Linear {",
                                    "load 6 1.000E+000 0.000E+000 0.000E+000 0.000E+000 0.000E+000 0.000E+000", "}"},
                                   kStaticLines,
                                   {"integrator DisplacementControl 25 1 1.000E-001", "analysis Static", "analyze 40"}});
    EXPECT_EQ(Analysis(LoadedModel(), analysis).lines, expected);
}

TEST(LoadAnalysisBlock, GravityIsHeldConstantDuringThePushover)
{
    AnalysisSettings analysis = OfType(3);
    analysis.PushoverCase = 2;
    analysis.LoadSteps = 10;
    analysis.LoadFactor = 0.5;
    const test::BlockOutput out = Analysis(LoadedModel(), analysis);
    EXPECT_EQ(out.lines.front(), "puts \"gravity\"");
    EXPECT_EQ(out.lines[14], "integrator LoadControl 5.000E-002");
    EXPECT_EQ(out.lines[16], "analyze 10");
    EXPECT_EQ(out.lines[17], "loadConst -time 0.0");
    EXPECT_EQ(out.lines[18], "puts \"pushover\"");
    EXPECT_EQ(out.lines.back(), "analyze 100");
    EXPECT_EQ(std::count(out.lines.begin(), out.lines.end(), "loadConst -time 0.0"), 1);
    EXPECT_TRUE(out.warnings.empty());
}

TEST(LoadAnalysisBlock, APushoverOfTheGravityCaseTakesATagOfItsOwn)
{
    AnalysisSettings analysis = OfType(3); // LoadCase = PushoverCase = 1
    const test::BlockOutput out = Analysis(LoadedModel(), analysis);
    EXPECT_EQ(test::Between(out.lines, "puts \"gravity\"", "puts \"analysis\""), kDeadPattern);
    Lines pushover = kDeadPattern;
    pushover[1] = "pattern Plain 101 Linear {";
    EXPECT_EQ(test::Between(out.lines, "puts \"pushover\"", "puts \"analysis\""), pushover);
    EXPECT_TRUE(out.warnings.empty());
    // Alone, displacement control keeps the case number as its tag.
    EXPECT_EQ(Analysis(LoadedModel(), OfType(2)).lines[2], "pattern Plain 1 Linear {");
}

TEST(LoadAnalysisBlock, ModalWritesModeCountModes)
{
    const Lines expected = {"set numModes 12",
                            "set lambda [eigen  $numModes]",
                            "set period \"Periods.txt\"",
                            "set Periods [open $period \"w\"]",
                            "puts $Periods \" $lambda\"",
                            "close $Periods",
                            "record"};
    EXPECT_EQ(Analysis(LoadedModel(), OfType(4)).lines, expected);
    AnalysisSettings analysis = OfType(4);
    analysis.ModeCount = 3;
    EXPECT_EQ(Analysis(LoadedModel(), analysis).lines.front(), "set numModes 3");
    analysis.ModeCount = 0; // asks for no modes
    EXPECT_EQ(Analysis(LoadedModel(), analysis).warnings.size(), 1u);
}

const Lines kDamping = {" ",
                        "set xDamp 0.05;",
                        "set nEigenI 1;",
                        "set nEigenJ 2;",
                        "set lambdaN [eigen [expr $nEigenJ]];",
                        "set lambdaI [lindex $lambdaN [expr $nEigenI-1]];",
                        "set lambdaJ [lindex $lambdaN [expr $nEigenJ-1]];",
                        "set omegaI [expr pow($lambdaI,0.5)]; ",
                        "set omegaJ [expr pow($lambdaJ,0.5)];",
                        "set alphaM [expr $xDamp*(2*$omegaI*$omegaJ)/($omegaI+$omegaJ)]; ",
                        "set betaKcurr [expr 2.*$xDamp/($omegaI+$omegaJ)];   ",
                        "rayleigh $alphaM $betaKcurr 0 0  "};

const Lines kUniformExcitation = {"  ",
                                  "set IDloadTag 1001;",
                                  "set iGMfile \"GMX.txt\";",
                                  "set iGMdirection \"1\"; ",
                                  "set iGMfact \"0.1\";  ",
                                  "set dt 0.02;   ",
                                  "foreach GMdirection $iGMdirection GMfile $iGMfile GMfact $iGMfact { ",
                                  "incr IDloadTag; ",
                                  "set GMfatt [expr 1*$iGMfact];  ",
                                  "timeSeries Path $IDloadTag -dt $dt -filePath $iGMfile -factor  $GMfatt;",
                                  "pattern UniformExcitation  $IDloadTag  $GMdirection -accel  $IDloadTag; ",
                                  "}  ",
                                  "  ",
                                  "constraints Transformation; ",
                                  "numberer Plain;  ",
                                  "system UmfPack; ",
                                  "test EnergyIncr 1.0e-4 200; ",
                                  "algorithm Newton ",
                                  "integrator Newmark 0.5 0.25 ",
                                  "analysis Transient",
                                  "analyze 1000 0.02"};

TEST(LoadAnalysisBlock, TimeHistoryIsDampingAndUniformExcitation)
{
    EXPECT_EQ(Analysis(LoadedModel(), OfType(5)).lines, Concat({kDamping, kUniformExcitation}));
}

TEST(LoadAnalysisBlock, GravityTimeHistoryHoldsTheGravityAndWipesItsAnalysis)
{
    const Lines expected = Concat({{"puts \"gravity\""},
                                   kDeadPattern,
                                   kStaticLines,
                                   {"integrator LoadControl 1.000E-002", "analysis Static", "analyze 100",
                                    "loadConst -time 0.0", "wipeAnalysis"},
                                   kDamping,
                                   kUniformExcitation});
    EXPECT_EQ(Analysis(LoadedModel(), OfType(6)).lines, expected);
}

// A record of a suite and the parallel solver change only their own lines.
TEST(LoadAnalysisBlock, ScriptOptionsGiveTheRecordAndTheSystem)
{
    ScriptOptions options;
    options.motionFile = "../records/RSN6.txt";
    options.motionDirection = "2";
    options.motionFactor = "4.903325";
    options.motionDt = "0.005";
    options.transientAnalyze = "analyze 3930 0.005";
    options.system = "Mumps";
    const Model model = LoadedModel();
    const auto write = [&](std::int32_t type) {
        ScriptResult result;
        const AnalysisSettings analysis = OfType(type);
        const PreparedSections prepared = test::Prepared(model, analysis);
        ScriptContext script(model, prepared, analysis, RecorderSettings{}, result, options);
        WriteLoadAnalysisBlock(script);
        return test::ToLines(result.lines);
    };
    Lines expected = Concat({kDamping, kUniformExcitation});
    const std::size_t at = kDamping.size();
    expected[at + 2] = "set iGMfile \"../records/RSN6.txt\";";
    expected[at + 3] = "set iGMdirection \"2\"; ";
    expected[at + 4] = "set iGMfact \"4.903325\";  ";
    expected[at + 5] = "set dt 0.005;   ";
    expected[at + 15] = "system Mumps;";
    expected.back() = "analyze 3930 0.005";
    EXPECT_EQ(write(5), expected);
    const Lines pushover = write(2);
    EXPECT_NE(std::find(pushover.begin(), pushover.end(), "system Mumps"), pushover.end());
}

TEST(LoadAnalysisBlock, MultipleSupportImposesTwoDisplacementSeries)
{
    const Lines multiSupport = {"  ",
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
                                "numberer Plain; ",
                                "system UmfPack;  ",
                                "test EnergyIncr 1.0e-4 200; ",
                                "algorithm Newton ",
                                "integrator Newmark 0.5 0.25",
                                "analysis Transient",
                                "analyze 1000 0.02 "};
    const test::BlockOutput out = Analysis(LoadedModel(), OfType(7));
    EXPECT_EQ(out.lines, Concat({kDamping, multiSupport}));
    EXPECT_TRUE(out.warnings.empty());
    EXPECT_EQ(Analysis(test::ModelWithCounts(3), OfType(7)).warnings.size(), 2u); // no mass, no node 4
}

TEST(LoadAnalysisBlock, DiaphragmsNeedTransformationConstraints)
{
    const Model model = LoadedModel();
    const Lines lines = test::WriteBlocks(model, {}, {}, [](ScriptContext& script) {
                            script.rigidDiaphragmLines = 1;
                            WriteLoadAnalysisBlock(script);
                        }).lines;
    EXPECT_EQ(lines[9], "constraints Transformation");
}

TEST(LoadAnalysisBlock, ACaseOutsideTheTableGivesAnEmptyPatternAndAWarning)
{
    for (const std::int32_t c : {0, 5, 11, -2}) {
        AnalysisSettings analysis;
        analysis.LoadCase = c;
        const test::BlockOutput out = Analysis(LoadedModel(), analysis);
        EXPECT_EQ(out.lines[1], "## Load Case = ");
        EXPECT_EQ(out.lines[2], "pattern Plain " + std::to_string(c) + " Linear {");
        EXPECT_EQ(out.lines[3], "}");
        ASSERT_EQ(out.warnings.size(), 1u);
        EXPECT_EQ(out.warnings[0], "LoadCase " + std::to_string(c)
                                       + " is not a load case of the model (it has 4): its pattern has no loads");
    }
}

TEST(LoadAnalysisBlock, BadSettings)
{
    AnalysisSettings analysis;
    analysis.LoadSteps = 0;
    EXPECT_THROW(
        try { Analysis(LoadedModel(), analysis); } catch (const FloatingPointError& e) {
            EXPECT_STREQ(e.what(), "Floating point division by zero");
            throw;
        },
        FloatingPointError);
    analysis.LoadFactor = 0; // 0 / 0
    EXPECT_THROW(Analysis(LoadedModel(), analysis), FloatingPointError);
    analysis.AnalysisType = 2; // load steps play no part
    EXPECT_NO_THROW(Analysis(LoadedModel(), analysis));

    for (const std::int32_t type : {0, 8, -1}) {
        const test::BlockOutput out = Analysis(LoadedModel(), OfType(type));
        EXPECT_TRUE(out.lines.empty());
        EXPECT_EQ(out.warnings.size(), 1u);
    }
}

} // namespace
} // namespace mirelo
