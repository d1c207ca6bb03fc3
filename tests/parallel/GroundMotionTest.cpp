#include "parallel/GroundMotion.h"

#include "model/ModelUnits.h"
#include "support/TestSupport.h"

#include "common/TextLines.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace mirelo {
namespace {

namespace fs = std::filesystem;

const char* const kAt2 = "PEER NGA STRONG MOTION DATABASE RECORD\n"
                         "IMPERIAL VALLEY 10/15/79, EL CENTRO ARRAY #6, 230\n"
                         "ACCELERATION TIME HISTORY IN UNITS OF G\n"
                         "NPTS=    5, DT=   .0100 SEC\n"
                         "  .2792159E-03  .2812700E-03 -.1E-02\n"
                         "  0.5  -1\n";

void Write(const fs::path& path, const std::string& text)
{
    WriteWholeFile(path.string(), text);
}

TEST(GroundMotion, At2RecordGivesItsValuesTimeStepAndGInTheModelsUnits)
{
    test::TempDir dir;
    Write(dir.path() / "RSN6 El Centro.AT2", kAt2);
    const GroundMotion m = ReadAt2Record((dir.path() / "RSN6 El Centro.AT2").string(), StandardGravityIn("M"));
    EXPECT_EQ(m.name, "RSN6_El_Centro");
    EXPECT_EQ(m.values, (std::vector<std::string>{".2792159E-03", ".2812700E-03", "-.1E-02", "0.5", "-1"}));
    EXPECT_EQ(m.dt, 0.01);
    EXPECT_EQ(m.factor, 9.80665);
    EXPECT_EQ(m.direction, 1);
}

TEST(GroundMotion, OlderAt2HeaderGivesCountAndStepFirst)
{
    test::TempDir dir;
    Write(dir.path() / "old.at2", "a\nb\nACCELERATION IN UNITS OF G\n    2    0.0050    NPTS, DT\n1 2\n");
    const GroundMotion m = ReadAt2Record((dir.path() / "old.at2").string(), StandardGravityIn("MM"));
    EXPECT_EQ(m.values.size(), 2u);
    EXPECT_EQ(m.dt, 0.005);
    EXPECT_EQ(m.factor, 9806.65);
}

TEST(GroundMotion, GravityFollowsTheLengthUnit)
{
    EXPECT_EQ(StandardGravityIn("m"), 9.80665);
    EXPECT_EQ(StandardGravityIn("CM"), 980.665);
    EXPECT_EQ(StandardGravityIn("MM"), 9806.65);
    EXPECT_NEAR(StandardGravityIn("IN"), 386.0885826771654, 1e-12);
    EXPECT_NEAR(StandardGravityIn("FT"), 32.17404855643045, 1e-13);
    EXPECT_EQ(StandardGravityIn(""), 9806.65);
}

TEST(GroundMotion, RecordsCsvListsPlainFilesWithFactorAndDirection)
{
    test::TempDir dir;
    Write(dir.path() / "a.txt", "0.0\n0.5\n\n-0.25\n");
    Write(dir.path() / "b.txt", "1\n");
    Write(dir.path() / "records.csv", "file,dt,factor,direction\n a.txt , 0.02, 0.1\nb.txt,0.01,0.5g,2\n");
    const std::vector<GroundMotion> suite = ReadMotionSuite(dir.path().string(), 9.80665);
    ASSERT_EQ(suite.size(), 2u);
    EXPECT_EQ(suite[0].name, "a");
    EXPECT_EQ(suite[0].values, (std::vector<std::string>{"0.0", "0.5", "-0.25"}));
    EXPECT_EQ(suite[0].dt, 0.02);
    EXPECT_EQ(suite[0].factor, 0.1);
    EXPECT_EQ(suite[0].direction, 1);
    EXPECT_EQ(suite[1].factor, 0.5 * 9.80665);
    EXPECT_EQ(suite[1].direction, 2);
}

TEST(GroundMotion, FolderWithoutCsvTakesItsAt2RecordsInNameOrder)
{
    test::TempDir dir;
    Write(dir.path() / "b.AT2", kAt2);
    Write(dir.path() / "a.at2", kAt2);
    Write(dir.path() / "notes.txt", "not a record");
    const std::vector<GroundMotion> suite = ReadMotionSuite(dir.path().string(), 1);
    ASSERT_EQ(suite.size(), 2u);
    EXPECT_EQ(suite[0].name, "a");
    EXPECT_EQ(suite[1].name, "b");
}

// Every bad record is named with its file and line, all in one message.
TEST(GroundMotion, BadRecordsAreNamedWithFileAndLine)
{
    struct Case {
        const char* csv;
        const char* record; // written as r.txt, or as r.AT2 when there is no csv
        const char* expected;
    };
    const Case cases[] = {
        {"missing.txt,0.02,1\n", nullptr, "records.csv:1: Cannot open file"},
        {"r.txt,0.02,1\n", "0.1\nabc\n", "r.txt:2: the acceleration 'abc' is not a number"},
        {"r.txt,0,1\n", "1\n", "records.csv:1: dt 0 is not above zero"},
        {"r.txt,0.02,x\n", "1\n", "records.csv:1: factor 'x' is not a number"},
        {"r.txt,0.02,1,4\n", "1\n", "records.csv:1: direction '4' is not 1, 2 or 3"},
        {"r.txt,0.02\n", "1\n", "records.csv:1: a record is listed as file,dt,factor"},
        {"r.txt,0.02,1\n", "\n\n", "r.txt: the record holds no accelerations"},
        {nullptr, "h\nh\nIN UNITS OF G\nDT= .01\n1\n", "r.AT2:4: the fourth line gives no NPTS= and DT="},
        {nullptr, "h\nh\nIN UNITS OF G\nNPTS= 3, DT= .01\n1 2\n", "r.AT2:4: NPTS= 3 but the file holds 2"},
        {nullptr, "h\nh\nIN UNITS OF CM/S/S\nNPTS= 1, DT= .01\n1\n", "r.AT2:3: the accelerations are not in units of G"},
        {nullptr, "h\nh\nIN UNITS OF G\nNPTS= 2, DT= .01\n1\n1.2.3\n", "r.AT2:6: the acceleration '1.2.3'"},
        {nullptr, "h\nh\n", "r.AT2:2: a PEER .AT2 record has four header lines"},
    };
    for (const Case& c : cases) {
        test::TempDir dir;
        if (c.csv)
            Write(dir.path() / "records.csv", c.csv);
        if (c.record)
            Write(dir.path() / (c.csv ? "r.txt" : "r.AT2"), c.record);
        try {
            ReadMotionSuite(dir.path().string(), 1);
            ADD_FAILURE() << "accepted: " << c.expected;
        } catch (const MotionError& e) {
            EXPECT_NE(std::string(e.what()).find(c.expected), std::string::npos) << e.what();
        }
    }
}

TEST(GroundMotion, AllFaultsComeTogetherAndDuplicateNamesAreRefused)
{
    test::TempDir dir;
    Write(dir.path() / "a.txt", "1\n");
    Write(dir.path() / "records.csv", "a.txt,0.02,1\nb.txt,0.02,1\nsub/a.txt,0.01,1\n");
    fs::create_directory(dir.path() / "sub");
    Write(dir.path() / "sub" / "a.txt", "2\n");
    try {
        ReadMotionSuite(dir.path().string(), 1);
        ADD_FAILURE() << "accepted";
    } catch (const MotionError& e) {
        const std::string message = e.what();
        EXPECT_NE(message.find("records.csv:2:"), std::string::npos) << message;
        EXPECT_NE(message.find("a second record named a"), std::string::npos) << message;
    }
    EXPECT_THROW(ReadMotionSuite((dir.path() / "none").string(), 1), MotionError);
    test::TempDir empty;
    EXPECT_THROW(ReadMotionSuite(empty.path().string(), 1), MotionError);
}

} // namespace
} // namespace mirelo
