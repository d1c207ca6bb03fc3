#include "script/ScriptTestSupport.h"

#include "script/AnalysisKinds.h"

namespace mirelo {
namespace {

// What each analysis type does, as the writers and the curve reader ask it;
// numbers that are no type answer no.
struct KindRow {
    std::int32_t type;
    bool modal, computesModes, damped, modesBeforeFirstRecord, gravityFirst;
    CurveKind curve;
    bool oneGroundMotion;
    SteppedCase stepped;
};

TEST(AnalysisKinds, EachTypeAnswersWhatItDoes)
{
    const KindRow rows[] = {
        {-1, false, false, false, false, false, CurveKind::None, false, SteppedCase::None},
        {0, false, false, false, false, false, CurveKind::None, false, SteppedCase::None},
        {kLoadControl, false, false, false, false, false, CurveKind::None, false, SteppedCase::LoadCase},
        {kDisplacementControl, false, false, false, false, false, CurveKind::Pushover, false, SteppedCase::PushoverCase},
        {kGravityPushover, false, false, false, false, true, CurveKind::Pushover, false, SteppedCase::PushoverCase},
        {kModal, true, true, false, true, false, CurveKind::None, false, SteppedCase::None},
        {kTimeHistory, false, true, true, true, false, CurveKind::TimeHistory, true, SteppedCase::None},
        // Its modes come after the gravity steps, which are recorded first.
        {kGravityTimeHistory, false, true, true, false, true, CurveKind::TimeHistory, true, SteppedCase::None},
        {kMultipleSupport, false, true, true, true, false, CurveKind::TimeHistory, false, SteppedCase::None},
        {8, false, false, false, false, false, CurveKind::None, false, SteppedCase::None},
    };
    for (const KindRow& row : rows) {
        SCOPED_TRACE("AnalysisType " + std::to_string(row.type));
        EXPECT_EQ(IsModal(row.type), row.modal);
        EXPECT_EQ(ComputesModes(row.type), row.computesModes);
        EXPECT_EQ(DampsWithModes(row.type), row.damped);
        EXPECT_EQ(ComputesModesBeforeFirstRecord(row.type), row.modesBeforeFirstRecord);
        EXPECT_EQ(LoadsGravityFirst(row.type), row.gravityFirst);
        EXPECT_EQ(CurveKindOf(row.type), row.curve);
        EXPECT_EQ(ShakesWithOneGroundMotion(row.type), row.oneGroundMotion);
        EXPECT_EQ(SteppedCaseOf(row.type), row.stepped);
        EXPECT_EQ(FindAnalysisKind(row.type) != nullptr, row.type >= 1 && row.type <= 7);
    }
    EXPECT_EQ(kAnalysisTypeItems.front(), "Single Load Control");
    EXPECT_EQ(kAnalysisTypeItems.back(), "MultipleSupport Excitation");
}

TEST(AnalysisKinds, ANumberThatIsNoTypeLoadsNothing)
{
    for (const std::int32_t type : {0, 8, -3}) {
        AnalysisSettings analysis;
        analysis.AnalysisType = type;
        const test::BlockOutput out = test::WriteBlock(WriteLoadAnalysisBlock, test::ModelWithCounts(2), analysis);
        EXPECT_TRUE(out.lines.empty());
        EXPECT_EQ(out.warnings, std::vector<std::string>{"AnalysisType " + std::to_string(type)
                                                         + " is not one of 1 to 7: the script loads nothing and runs "
                                                           "no analysis"});
    }
}

} // namespace
} // namespace mirelo
