#include "convert/TableConverter.h"
#include "convert/TableText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace mirelo {
namespace {

using Items = std::vector<std::pair<std::string, std::string>>;

Items ItemsOf(const TableRow& row)
{
    Items items;
    for (const TableItem& item : row)
        items.emplace_back(item.key, item.value);
    return items;
}

TEST(TableText, RowFormsOfRealExports)
{
    struct Case {
        const char* name;
        std::string text;
        std::vector<Items> rows; // of the table T
        std::vector<std::size_t> lines;
    };
    const std::vector<Case> cases = {
        {"two blanks after TABLE:, indented rows",
         "TABLE:  \"T\"\n   A=1   B=x\n   A=2   B=y\n",
         {{{"A", "1"}, {"B", "x"}}, {{"A", "2"}, {"B", "y"}}},
         {2, 3}},
        {"one blank after TABLE:, rows not indented, a blank line between",
         "TABLE: \"T\"\nA=1 B=x\n\nA=2 B=y\n",
         {{{"A", "1"}, {"B", "x"}}, {{"A", "2"}, {"B", "y"}}},
         {2, 4}},
        {"a row continued on the next line",
         "TABLE:  \"T\"\n   A=1   B=x _\n      C=3   D=4\n   A=2\n",
         {{{"A", "1"}, {"B", "x"}, {"C", "3"}, {"D", "4"}}, {{"A", "2"}}},
         {2, 4}},
        {"quoted values keep their blanks, and lose their quotes",
         "TABLE:  \"T\"\n   Shape=\"I/Wide Flange\"   CurrUnits=\"KN, m, C\"   E=\"\"\n",
         {{{"Shape", "I/Wide Flange"}, {"CurrUnits", "KN, m, C"}, {"E", ""}}},
         {2}},
        {"CR LF line ends and tabs between items",
         "TABLE:  \"T\"\r\n\tA=1\tB=2\r\n",
         {{{"A", "1"}, {"B", "2"}}},
         {2}},
        {"lines before the first heading and after END TABLE DATA are not read",
         "File x.s2k was saved on 1/1/24\nA=0\nTABLE:  \"T\"\n   A=1\nEND TABLE DATA\n   A=9\n",
         {{{"A", "1"}}},
         {4}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const TextLines lines = TextLines::FromText(c.text);
        ASSERT_TRUE(IsTableText(lines));
        const TableText text(lines);
        const TextTable* table = text.Find("T");
        ASSERT_NE(table, nullptr);
        ASSERT_EQ(table->rowCount, c.rows.size());
        for (std::size_t k = 0; k < c.rows.size(); ++k) {
            EXPECT_EQ(ItemsOf(text.Row(*table, k)), c.rows[k]);
            EXPECT_EQ(text.Row(*table, k).line(), c.lines[k]);
        }
    }
}

TEST(TableText, TablesNotWantedAreNamedOnceAndTheEndIsSeen)
{
    const TextLines lines = TextLines::FromText("TABLE:  \"A\"\n   X=1\nTABLE:  \"B\"\n   notAnItem\n"
                                                "TABLE:  \"B\"\n   Y=2\nTABLE:  \"C\"\n   Z=3\n\nEND TABLE DATA\n\n");
    const TableText text(lines, {"A", "C"});
    EXPECT_EQ(text.skippedTables(), std::vector<std::string_view>{"B"}); // its rows are not even split
    EXPECT_EQ(text.Find("C")->rowCount, 1u);
    EXPECT_TRUE(text.hasEnd());
    EXPECT_EQ(text.lastTable(), "C");

    const TextLines cutLines = TextLines::FromText("TABLE:  \"A\"\n   X=1\n");
    const TableText cut(cutLines);
    EXPECT_FALSE(cut.hasEnd());
    EXPECT_FALSE(IsTableText(TextLines::FromText("JOINT\n  1  X=0  Y=0  Z=0\n\n  TABLE:  \"A\"\n")));
}

// A row is split when it is read: the heading is checked at once, the items
// of a row when the row is asked for.
TEST(TableText, MalformedRowsAreRefusedWithTableAndLine)
{
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"TABLE:  \"T\"\n   A=1   word   B=2\n", "'word' is not a Key=Value item (T table, line 2)"},
        {"TABLE:  \"T\"\n   A=1\n   Shape=\"I/Wide\n", "the value of Shape has no closing quote (T table, line 3, key Shape)"},
        {"TABLE:  \"T\n", "the table name has no closing quote (\"T table, line 1)"},
        {"TABLE:  \"T\"\n   A=1 _ B=2\n", "'_' is not a Key=Value item (T table, line 2)"},
    };
    for (const auto& [text, message] : cases) {
        SCOPED_TRACE(text);
        try {
            const TextLines lines = TextLines::FromText(text);
            const TableText tables(lines);
            for (const TextTable& table : tables.tables())
                for (std::size_t k = 0; k < table.rowCount; ++k)
                    tables.Row(table, k);
            ADD_FAILURE() << "not refused";
        } catch (const TableError& e) {
            EXPECT_EQ(e.what(), message);
        }
    }
}

} // namespace
} // namespace mirelo
