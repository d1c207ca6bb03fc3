#include "common/TextLines.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace mirelo {
namespace {

std::vector<std::string> AsVector(const TextLines& lines)
{
    std::vector<std::string> out;
    for (std::size_t i = 0; i < lines.size(); ++i)
        out.emplace_back(lines[i]);
    return out;
}

TEST(TextLines, SplitsAtEveryKindOfLineEnd)
{
    const TextLines lines = TextLines::FromText("a\r\nb\nc\rd\n\ne");
    EXPECT_EQ(AsVector(lines), (std::vector<std::string>{"a", "b", "c", "d", "", "e"}));
}

TEST(TextLines, AFinalLineEndStartsNoLine)
{
    EXPECT_EQ(TextLines::FromText("a\r\n").size(), 1u);
    EXPECT_EQ(TextLines::FromText("").size(), 0u);
    EXPECT_EQ(AsVector(TextLines::FromText("\n")), (std::vector<std::string>{""}));
    EXPECT_EQ(AsVector(TextLines::FromText("\r\n\r\n")), (std::vector<std::string>{"", ""}));
    // CR CR LF is a CR line end followed by a CR LF one.
    EXPECT_EQ(AsVector(TextLines::FromText("x\r\r\ny")), (std::vector<std::string>{"x", "", "y"}));
}

TEST(TextLines, KeepsEveryOtherByteAsItIs)
{
    const std::string bytes("n\0a\xff\xe9 \t", 7);
    const TextLines lines = TextLines::FromText(bytes + "\n");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], bytes);
}

TEST(TextLines, SavesWithCrLfAndLoadsBack)
{
    test::TempDir dir;
    const std::string path = dir.File("out.txt");
    const TextLines lines = TextLines::FromLines({"wipe", "", "caf\xe9 ", "last"});
    SaveTextLines(path, lines);
    EXPECT_EQ(ReadWholeFile(path), "wipe\r\n\r\ncaf\xe9 \r\nlast\r\n");
    EXPECT_EQ(AsVector(LoadTextLines(path)), AsVector(lines));
}

TEST(TextLines, AppendAfterFromText)
{
    TextLines lines = TextLines::FromText("a\nb");
    lines.Append("c");
    EXPECT_EQ(lines.Join("|"), "a|b|c|");
    lines.Clear();
    EXPECT_TRUE(lines.empty());
}

TEST(TextLines, MissingFileGivesTheOpenMessage)
{
    try {
        LoadTextLines("/nonexistent/folder/model.s2k");
        ADD_FAILURE();
    } catch (const FileError& e) {
        EXPECT_STREQ(e.what(), "Cannot open file \"/nonexistent/folder/model.s2k\". No such file or directory");
    }
}

TEST(TextLines, UnwritablePathGivesTheOpenMessage)
{
    EXPECT_THROW(WriteWholeFile("/nonexistent/folder/out.tcl", "x"), FileError);
    test::TempDir dir;
    EXPECT_THROW(ReadWholeFile(dir.path().string()), FileError); // a folder is not a file
}

} // namespace
} // namespace mirelo
