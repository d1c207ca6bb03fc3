#include "common/SerialWorker.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <thread>
#include <vector>

namespace mirelo {
namespace {

// Work runs in the order posted, on one thread that is not the poster's, and
// what is posted before the worker goes still runs.
TEST(SerialWorker, RunsEverythingInOrderOnOneThread)
{
    std::vector<int> order;
    std::vector<std::thread::id> threads;
    {
        SerialWorker worker;
        for (int k = 0; k < 100; ++k)
            worker.Post([&order, &threads, k] {
                order.push_back(k);
                threads.push_back(std::this_thread::get_id());
            });
    }
    ASSERT_EQ(order.size(), 100u);
    for (int k = 0; k < 100; ++k)
        EXPECT_EQ(order[static_cast<std::size_t>(k)], k);
    EXPECT_NE(threads.front(), std::this_thread::get_id());
    EXPECT_EQ(std::count(threads.begin(), threads.end(), threads.front()), 100);
}

} // namespace
} // namespace mirelo
