#include "model/ElementKinds.h"

#include <gtest/gtest.h>

#include <string>

namespace mirelo {
namespace {

// What each element kind answers where frames are written, recorded and
// drawn; a number that is no kind (0: no section) answers no, but keeps its
// transformation line.
struct KindRow {
    std::int32_t kind;
    bool elastic, fibres, aggregator, spring, transformation;
    RecordedSections recorded;
};

TEST(ElementKinds, EachKindAnswersHowItIsWrittenAndRecorded)
{
    using R = RecordedSections;
    const KindRow rows[] = {
        {0, false, false, false, false, true, R::None},
        {kElasticBeamColumn, true, false, false, false, true, R::None},
        {kNonlinearBeamColumn, false, true, true, false, true, R::EachIntegrationPoint},
        {kDispBeamColumn, false, true, true, false, true, R::EachIntegrationPoint},
        {kBeamWithHinges, true, false, false, false, true, R::None},
        {kTruss, false, true, false, false, false, R::First},
        {kCorotTruss, false, true, false, false, false, R::First},
        {kRotationalSpring, false, false, false, true, false, R::None},
        {8, false, false, false, false, true, R::None},
    };
    for (const KindRow& row : rows) {
        SCOPED_TRACE("element kind " + std::to_string(row.kind));
        EXPECT_EQ(IsElastic(row.kind), row.elastic);
        EXPECT_EQ(HasFiberSection(row.kind), row.fibres);
        EXPECT_EQ(TakesAggregator(row.kind), row.aggregator);
        EXPECT_EQ(IsSpring(row.kind), row.spring);
        EXPECT_EQ(NeedsTransformation(row.kind), row.transformation);
        EXPECT_EQ(RecordedSectionsOf(row.kind), row.recorded);
    }
}

TEST(ElementKinds, TheSectionListHasEveryKindButTheSpring)
{
    ASSERT_EQ(kElementKindItems.size(), 6u);
    EXPECT_EQ(kElementKindItems.front(), "Elastic BeamColumn");
    EXPECT_EQ(kElementKindItems.back(), "corotTruss");
}

} // namespace
} // namespace mirelo
