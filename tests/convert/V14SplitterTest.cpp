#include "convert/V14Splitter.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace mirelo {
namespace {

using test::Dots;
using F = std::vector<std::string>;

// The fields of a row written with middle dots for blanks.
F Fields(std::string_view dotted)
{
    const std::string line = Dots(dotted);
    V14Fields fields;
    SplitV14Line(line, fields);
    F out;
    for (std::size_t i = 0; i < fields.size(); ++i)
        out.emplace_back(fields[i]);
    return out;
}

TEST(SplitV14Line, CutsRowsByTheV14Rule)
{
    struct Case {
        const char* row;
        F fields;
    };
    const Case cases[] = {
        // Three blanks of indentation: the first key is field 0.
        {"···Joint=1···CoordSys=GLOBAL", {"Joint", "1", "CoordSys", "GLOBAL"}},
        // Four: position 0 reads the first blank again, field 0 is empty.
        {"····Joint=1···CoordSys=GLOBAL", {"", "Joint", "1", "CoordSys", "GLOBAL"}},
        // Two: the first key is lost and every value moves down a field.
        {"··Joint=1···X=2", {"1", "X", "2"}},
        {"Joint=1···X=2", {"1", "X", "2"}},
        // Runs between items: three or four blanks one boundary, five or six
        // two, seven three.
        {"···A=1···B=2", {"A", "1", "B", "2"}},
        {"···A=1····B=2", {"A", "1", "B", "2"}},
        {"···A=1·····B=2", {"A", "1", "", "B", "2"}},
        {"···A=1······B=2", {"A", "1", "", "B", "2"}},
        {"···A=1·······B=2", {"A", "1", "", "", "B", "2"}},
        // One or two blanks never split.
        {"···Name=A·B··C···X=1", {"Name", "A·B··C", "X", "1"}},
        // "=", "," and double quotes always split.
        {"···J=1,2,,3", {"J", "1", "2", "", "3"}},
        {"TABLE:··\"JOINT COORDINATES\"", {"JOINT COORDINATES", ""}},
        {"···Name=\"A B\"", {"Name", "", "A B", ""}},
        {"=x", {"", "x"}},
        {"=", {"", ""}},
        {"···A==1", {"A", "", "1"}},
        // Blanks and control characters are trimmed from both ends of a field.
        {"···A=\t1\x01···B=\x7f", {"A", "1", "B", "\x7f"}},
        // No boundary but the end: no field at all.
        {"", {}},
        {"abc", {}},
        {"··", {}},
        {"···", {""}},
        // A trailing run of three blanks is one more boundary.
        {"···A=1···", {"A", "1", ""}},
    };
    for (const Case& c : cases) {
        F expected;
        for (const std::string& field : c.fields)
            expected.push_back(Dots(field));
        EXPECT_EQ(Fields(c.row), expected) << c.row;
    }
}

TEST(SplitV14Line, ValuesArePositional)
{
    const std::string row =
        Dots("···Joint=12···CoordSys=GLOBAL···CoordType=Cartesian···XorR=0···Y=0···Z=3000···SpecialJt=No");
    V14Fields fields;
    SplitV14Line(row, fields);
    const F values = {"12", "GLOBAL", "Cartesian", "0", "0", "3000", "No", ""};
    for (std::size_t n = 1; n <= values.size(); ++n)
        EXPECT_EQ(fields.Value(n), values[n - 1]) << n;
    EXPECT_EQ(fields[1000], ""); // past the end reads as empty
}

TEST(SplitV14Line, LongRowsKeepEveryField)
{
    // 60 items give 120 fields, far past 39; the last is still there.
    std::string row;
    for (int i = 1; i <= 60; ++i)
        row += "   K" + std::to_string(i) + "=" + std::to_string(i * 7);
    V14Fields fields;
    SplitV14Line(row, fields);
    ASSERT_EQ(fields.size(), 120u);
    EXPECT_EQ(fields[118], "K60");
    EXPECT_EQ(fields.Value(60), "420");

    // A row reused for a shorter one forgets the longer one's fields.
    SplitV14Line(Dots("···A=1"), fields);
    EXPECT_EQ(fields.size(), 2u);
    EXPECT_EQ(fields.Value(2), "");
}

TEST(SplitV14Line, ValuesByKey)
{
    // A key is a field that an '=' ends, wherever the row puts it; a value
    // equal to a key's name is not a key.
    const struct {
        const char* row;
        const char* key;
        const char* value;
    } cases[] = {
        {"···SolidProp=Material···Material=C30···E1=3E4", "Material", "C30"},
        {"···SolidProp=Material···Material=C30···E1=3E4", "SolidProp", "Material"},
        {"···SolidProp=Material···Material=C30···E1=3E4", "E1", "3E4"},
        {"····Material=C30", "Material", "C30"},          // four blanks: field 0 is empty
        {"···Material=C30···E11=5", "E1", ""},             // keys are whole fields
        {"···Material=\"C30 A\"···E1=5", "Material", ""}, // a quoted value is not one field
        {"···Units=N,mm···E1=5", "Units", "N"},
        {"···E1=5", "U12", ""},
        {"···E1=", "E1", ""},
        {"···E1", "E1", ""}, // no '=': not a key
        {"", "E1", ""},
    };
    V14Fields fields;
    for (const auto& c : cases) {
        const std::string row = Dots(c.row);
        SplitV14Line(row, fields);
        EXPECT_EQ(fields.ValueOf(c.key), c.value) << c.row << " " << c.key;
    }
}

} // namespace
} // namespace mirelo
