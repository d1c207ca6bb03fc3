#include "results/RecorderFile.h"
#include "results/SplitResultLine.h"
#include "support/TestSupport.h"

#include <gmock/gmock.h>

namespace mirelo {
namespace {

using ::testing::ElementsAreArray;
using ::testing::HasSubstr;

std::vector<std::string> Split(std::string_view line)
{
    std::vector<std::string_view> fields;
    SplitResultLine(line, fields);
    return {fields.begin(), fields.end()};
}

TEST(SplitResultLine, EveryBlankSeparatesTwoFieldsAndEachFieldIsTrimmed)
{
    const struct {
        std::string_view line;
        std::vector<std::string> fields;
    } cases[] = {
        {"0.2 1 -2.5e-05", {"0.2", "1", "-2.5e-05"}},
        {"1  2", {"1", "", "2"}},               // a double blank gives an empty field
        {" 1", {"", "1"}},                      // so does a leading blank
        {"1 ", {"1", ""}},                      // and a trailing one
        {"", {""}},                             // an empty line is one empty field
        {"7", {"7"}},                           // no blank: one field
        {"1\r", {"1"}},                         // control characters are trimmed
        {"\t1\t2\t 3", {"1\t2", "3"}},          // a tab is no separator
        {std::string_view("1\0 2", 4), {"1", "2"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Split(c.line), c.fields) << c.line;
}

TEST(SplitResultLine, ManyFieldsAreAllKept)
{
    std::string line = "0";
    for (int k = 1; k <= 2000; ++k)
        line += " " + std::to_string(k);
    const std::vector<std::string> fields = Split(line);
    ASSERT_EQ(fields.size(), 2001u);
    EXPECT_EQ(fields[1000], "1000");
    EXPECT_EQ(fields[2000], "2000");
}

std::vector<std::string> AllLines(const RecorderFile& file)
{
    std::vector<std::string> lines;
    std::string buffer;
    for (std::int64_t step = 1; step <= file.StepCount(); ++step)
        lines.emplace_back(file.Line(step, buffer));
    return lines;
}

TEST(RecorderFile, LinesEndInLfCrLfOrCr)
{
    const test::TempDir dir;
    const struct {
        std::string text;
        std::vector<std::string> lines;
    } cases[] = {
        {"", {}},
        {"\n", {""}},
        {"a\nb\n", {"a", "b"}},
        {"a\nb", {"a", "b"}},           // a last line without a line end
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\rb\r", {"a", "b"}},
        {"a\n\nb\r\r\nc", {"a", "", "b", "", "c"}},
    };
    for (const auto& c : cases) {
        WriteWholeFile(dir.File("f.out"), c.text);
        const RecorderFile file(dir.File("f.out"));
        EXPECT_EQ(file.StepCount(), static_cast<std::int64_t>(c.lines.size())) << c.text;
        EXPECT_EQ(AllLines(file), c.lines) << c.text;
    }
}

TEST(RecorderFile, ACrLfSplitAcrossTwoReadBlocksIsOneLineEnd)
{
    const test::TempDir dir;
    // Blocks are 1 MiB: the CR is the block's last byte, the LF the next one's first.
    for (const char* end : {"\r\n", "\n", "\r"}) {
        std::string text(1 << 20, 'x');
        text.resize((1 << 20) - 1);
        text += end;
        text += "tail\n";
        WriteWholeFile(dir.File("big.out"), text);
        const RecorderFile file(dir.File("big.out"));
        ASSERT_EQ(file.StepCount(), 2) << end;
        std::string buffer;
        EXPECT_EQ(file.Line(2, buffer), "tail");
        EXPECT_EQ(file.Line(1, buffer).size(), (1u << 20) - 1);
    }
}

TEST(RecorderFile, AStepOutsideTheFileSaysHowManyStepsItHolds)
{
    const test::TempDir dir;
    WriteWholeFile(dir.File("node0.out"), "1 0\n2 0\n3 0\n");
    const RecorderFile file(dir.File("node0.out"));
    std::string buffer;
    for (const std::int64_t step : {0, -1, 4, 1000000}) {
        try {
            file.Line(step, buffer);
            ADD_FAILURE() << step;
        } catch (const Error& e) {
            EXPECT_EQ(e.what(), "Load step " + std::to_string(step) + " is not in " + dir.File("node0.out")
                                    + ", which holds 3 steps");
        }
    }
}

TEST(RecorderFile, AMissingFileOrAFolderIsNamed)
{
    const test::TempDir dir;
    try {
        RecorderFile file(dir.File("node7.out"));
        ADD_FAILURE();
    } catch (const FileError& e) {
        EXPECT_EQ(e.what(), "Cannot open file \"" + dir.File("node7.out") + "\". No such file or directory");
    }
    EXPECT_THROW(RecorderFile file(dir.path().string()), FileError);
}

TEST(RecorderFileCache, KeepsAFileUntilItChanges)
{
    const test::TempDir dir;
    const std::string path = dir.File("node0.out");
    WriteWholeFile(path, "1 0\n");
    RecorderFileCache cache;
    const RecorderFile* first = &cache.Open(path);
    EXPECT_EQ(first, &cache.Open(path));
    EXPECT_EQ(first->StepCount(), 1);
    WriteWholeFile(path, "1 0\n2 0.5\n"); // the solver wrote another step
    const RecorderFile& again = cache.Open(path);
    EXPECT_EQ(again.StepCount(), 2);
    std::string buffer;
    EXPECT_EQ(again.Line(2, buffer), "2 0.5");
    std::filesystem::remove(path);
    EXPECT_THROW(cache.Open(path), FileError);
}

} // namespace
} // namespace mirelo
