#include "convert/TableConversionContext.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace mirelo::table {
namespace {

// Labels are numbered in the order they are added, whether they are their
// own numbers (found from their digits) or names (found by hashing), and a
// label given twice is refused in both cases, also across the change.
TEST(LabelIndex, NumbersLabelsInOrderWhetherNumbersOrNames)
{
    struct Case {
        std::vector<std::string> labels;
        std::vector<bool> added;
    };
    const std::vector<Case> cases = {
        {{"1", "2", "3", "2"}, {true, true, true, false}},
        {{"1", "2", "B1", "2", "B1", "4"}, {true, true, true, false, false, true}},
        {{"2", "1", "3", "1"}, {true, true, true, false}},
        {{"01", "1", "001"}, {true, true, true}},
        {{"C1", "C2", "C1"}, {true, true, false}},
    };
    for (const Case& c : cases) {
        LabelIndex index;
        index.Reserve(c.labels.size());
        for (std::size_t k = 0; k < c.labels.size(); ++k)
            EXPECT_EQ(index.Add(c.labels[k]), c.added[k]) << c.labels[0] << " ... label " << k + 1;
        std::int32_t number = 0;
        for (std::size_t k = 0; k < c.labels.size(); ++k) {
            if (!c.added[k])
                continue;
            ++number;
            EXPECT_EQ(index[number], c.labels[k]);
        }
        EXPECT_EQ(index.size(), number);
        // Found out of order too, so the in-order shortcut plays no part.
        for (std::int32_t k = index.size(); k >= 1; --k)
            EXPECT_EQ(index.Find(index[k]), k) << index[k];
        for (const char* absent : {"", "0", "9", "1234567890", "12345678901234", "x"})
            EXPECT_EQ(index.Find(absent), 0) << absent;
    }
}

} // namespace
} // namespace mirelo::table
