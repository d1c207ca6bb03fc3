#include "model/S2kTokenizer.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace mirelo {
namespace {

using test::Dots;

// The fields of a line written with middle dots for blanks; "∅" is written "".
std::vector<std::string> Fields(std::string_view dotted)
{
    const std::string line = Dots(dotted);
    FieldList fields;
    SplitS2kLine(line, fields);
    std::vector<std::string> out;
    for (std::size_t i = 0; i < fields.size(); ++i)
        out.emplace_back(fields[i]);
    return out;
}

using F = std::vector<std::string>;

TEST(SplitS2kLine, WorkedExamples)
{
    EXPECT_EQ(Fields("··1··X=0··Y=0··Z=120"), (F{"1", "X", "0", "Y", "0", "Z", "120"}));
    EXPECT_EQ(Fields("··1···X=0···Y=0"), (F{"1", "", "X", "0", "", "Y", "0"}));
    EXPECT_EQ(Fields("··ADD=1··DOF=U1,U2,U3,R1,R2,R3"), (F{"ADD", "1", "DOF", "U1", "U2", "U3", "R1", "R2", "R3"}));
    EXPECT_EQ(Fields("····ADD=5"), (F{"", "ADD", "5"}));
    EXPECT_EQ(Fields("······ADD=3··UX=1.5E+002"), (F{"", "", "ADD", "3", "UX", "1.5E+002"}));
    EXPECT_EQ(Fields("··NAME=STEEL··IDES=S··M=7.3E-04··W=.28"),
              (F{"NAME", "STEEL", "IDES", "S", "M", "7.3E-04", "W", ".28"}));
    EXPECT_EQ(Fields("····T=0··E=2.1E5··U=.3··A=6.5E-06"), (F{"", "T", "0", "E", "2.1E5", "U", ".3", "A", "6.5E-06"}));
    EXPECT_EQ(Fields("··1··J=1,2··SEC=FSEC1··NSEG=4··ANG=0"),
              (F{"1", "J", "1", "2", "SEC", "FSEC1", "NSEG", "4", "ANG", "0"}));
    EXPECT_EQ(Fields("··a,,b"), (F{"a", "", "b"}));
    EXPECT_EQ(Fields("1·X=0"), (F{"0"}));
    EXPECT_EQ(Fields(""), F{});
    EXPECT_EQ(Fields("JOINT"), F{});
}

TEST(SplitS2kLine, LeadingBlanksDecideWhereTheFirstTokenLands)
{
    EXPECT_EQ(Fields("··X"), (F{"X"}));
    EXPECT_EQ(Fields("·X"), F{});
    EXPECT_EQ(Fields("···X"), (F{"X"}));
    EXPECT_EQ(Fields("····X"), (F{"", "X"}));
    EXPECT_EQ(Fields("·····X"), (F{"", "X"}));
    EXPECT_EQ(Fields("······X"), (F{"", "", "X"}));
    EXPECT_EQ(Fields("·······X"), (F{"", "", "X"}));
}

TEST(SplitS2kLine, RunsOfBlanksSplitEverySecondBlank)
{
    EXPECT_EQ(Fields("··a·b"), (F{"a", "b"}));
    EXPECT_EQ(Fields("··a··b"), (F{"a", "b"}));
    EXPECT_EQ(Fields("··a···b"), (F{"a", "", "b"}));
    EXPECT_EQ(Fields("··a····b"), (F{"a", "", "b"}));
    EXPECT_EQ(Fields("··a·····b"), (F{"a", "", "", "b"}));
}

TEST(SplitS2kLine, SeparatorsAtTheEndAndQuotes)
{
    EXPECT_EQ(Fields("··KEY="), (F{"KEY", ""}));
    EXPECT_EQ(Fields("··a··"), (F{"a", ""}));
    // A quote only separates: blanks inside still split, quotes add empty fields.
    EXPECT_EQ(Fields("··T=\"a·b\""), (F{"T", "", "a", "b", ""}));
}

TEST(SplitS2kLine, TabsAreNotSeparatorsButAreTrimmed)
{
    EXPECT_EQ(Fields("··a\t··b"), (F{"a", "b"}));
    EXPECT_EQ(Fields("··a\tb"), (F{"a\tb"}));
}

TEST(SplitS2kLine, FieldsBeyondTheLineReadEmpty)
{
    FieldList fields;
    SplitS2kLine("  1  X=0", fields);
    EXPECT_EQ(fields[2], "0");
    EXPECT_EQ(fields[3], "");
    EXPECT_EQ(fields[39], "");
    EXPECT_EQ(fields[1000], "");
    SplitS2kLine("", fields); // a reused list is emptied
    EXPECT_EQ(fields.size(), 0u);
    EXPECT_EQ(fields[0], "");
}

TEST(SplitS2kLine, ALineOfManyFieldsKeepsThemAll)
{
    std::string line = "  ADD=1";
    for (int i = 0; i < 60; ++i)
        line += "," + std::to_string(i);
    FieldList fields;
    SplitS2kLine(line, fields);
    ASSERT_EQ(fields.size(), 62u);
    EXPECT_EQ(fields[61], "59");
}

S2kSection Find(const std::vector<std::string_view>& lines, std::string_view keyword)
{
    return FindS2kSection(test::DottedLines(lines), keyword);
}

TEST(FindS2kSection, DataLinesLieBetweenKeywordAndBlankLine)
{
    const S2kSection s = Find({"SYSTEM", "JOINT", "··1··X=0··Y=0··Z=0", "··2··X=1··Y=0··Z=0", "", "END"}, "JOINT");
    EXPECT_EQ(s.start, 1u);
    EXPECT_EQ(s.end, 4u);
    EXPECT_EQ(s.DataLineCount(), 2);
}

TEST(FindS2kSection, KeywordsMatchWholeLinesExactly)
{
    EXPECT_FALSE(Find({"X", "JOINT·", "··1", ""}, "JOINT").found());
    EXPECT_FALSE(Find({"X", "joint", "··1", ""}, "JOINT").found());
    EXPECT_FALSE(Find({"X", "FRAME SECTION", "··1", ""}, "FRAME").found());
    // A keyword on the very first line counts as absent.
    EXPECT_EQ(Find({"JOINT", "··1", ""}, "JOINT").DataLineCount(), -1);
}

TEST(FindS2kSection, EmptyAllBlankAndUnendedSections)
{
    EXPECT_EQ(Find({"X", "MASS", "", "Y"}, "MASS").DataLineCount(), 0);
    EXPECT_EQ(Find({"X", "MASS", "·\t·", "Y"}, "MASS").DataLineCount(), 0);
    EXPECT_EQ(Find({"X", "MASS", "··ADD=1"}, "MASS").DataLineCount(), -2); // -start-1
    // The keyword twice with a blank line between: end of the first, start of the second.
    EXPECT_LT(Find({"X", "MASS", "", "MASS", "··1", ""}, "MASS").DataLineCount(), -1);
}

} // namespace
} // namespace mirelo

namespace mirelo {
namespace {

// The section rule stated plainly, line by line for one keyword.
S2kSection LineByLineSection(const TextLines& lines, std::string_view keyword)
{
    S2kSection s;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i] == keyword)
            s.start = i;
        if (lines[i].find_first_not_of(std::string_view("\t\r\n \x01\x1f", 6)) == std::string_view::npos && s.end == 0
            && s.start != 0)
            s.end = i;
    }
    return s;
}

TEST(FindS2kSections, AgreesWithTheLineByLineRuleOnRandomFiles)
{
    const std::vector<std::string_view> keywords = {"JOINT", "FRAME", "FRAME SECTION", "LOAD"};
    const std::vector<std::string> pool = {"JOINT", "FRAME", "FRAME SECTION", "LOAD", "", " ", "\t", "  1  X=0",
                                           "JOINT ", "X", "\x01"};
    std::mt19937 random(7);
    for (int round = 0; round < 2000; ++round) {
        TextLines lines;
        const int count = static_cast<int>(random() % 12);
        for (int i = 0; i < count; ++i)
            lines.Append(pool[random() % pool.size()]);
        const std::vector<S2kSection> found = FindS2kSections(lines, keywords);
        for (std::size_t k = 0; k < keywords.size(); ++k) {
            const S2kSection expected = LineByLineSection(lines, keywords[k]);
            ASSERT_EQ(found[k].start, expected.start) << "round " << round << " " << keywords[k];
            ASSERT_EQ(found[k].end, expected.end) << "round " << round << " " << keywords[k];
        }
    }
}

} // namespace
} // namespace mirelo
