#include "common/LineStarts.h"

#include <gtest/gtest.h>

#include <vector>

namespace mirelo {
namespace {

std::vector<std::uint64_t> AsVector(const LineStarts& starts)
{
    std::vector<std::uint64_t> out;
    for (std::size_t i = 0; i < starts.size(); ++i)
        out.push_back(starts[i]);
    return out;
}

// Starts beyond 32 bits keep every start whole: the table turns wide at the
// first start that does not fit (here from 100, as a 4 GiB text would at 2^32),
// and reserved room goes with it.
TEST(LineStarts, TurnsWideAtTheFirstStartThatDoesNotFit)
{
    const struct {
        std::uint64_t wideFrom;
        std::vector<std::uint64_t> starts;
        bool wide;
    } cases[] = {
        {100, {0, 5, 99}, false},
        {100, {0, 5, 99, 100, 250}, true},
        {100, {100}, true},
        {std::uint64_t{1} << 32, {0, 4'294'967'295ull, 4'294'967'296ull, 9'000'000'000ull}, true},
        {std::uint64_t{1} << 32, {0, 38'594'223}, false},
    };
    for (const auto& c : cases) {
        LineStarts starts(c.wideFrom);
        starts.reserve(8);
        for (const std::uint64_t s : c.starts)
            starts.push_back(s);
        EXPECT_EQ(AsVector(starts), c.starts);
        EXPECT_EQ(starts.back(), c.starts.back());
        EXPECT_EQ(starts.IsWide(), c.wide);
        EXPECT_GE(starts.capacity(), 8u);
        starts.shrink_to_fit();
        EXPECT_EQ(AsVector(starts), c.starts);
        starts.clear();
        EXPECT_TRUE(starts.empty());
    }
}

} // namespace
} // namespace mirelo
