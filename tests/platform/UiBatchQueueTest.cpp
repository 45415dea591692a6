// The hand-over of batches to the UI thread: a wait for them ends, whether or not they come.
#include "platform/UiBatchQueue.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace zt {
namespace {

using namespace std::chrono_literals;

TEST(UiBatchQueue, RunUntilRunsTheHandedBatchesUntilDone) {
    UiBatchQueue queue;
    std::atomic<int> ran = 0;
    std::thread other([&] {
        for (int i = 0; i < 3; ++i)
            queue.Hand([&] { ++ran; });
    });
    EXPECT_TRUE(queue.RunUntil([&] { return ran == 3; }, 5s));
    other.join();
    EXPECT_EQ(ran, 3);
}

TEST(UiBatchQueue, RunUntilGivesUpAtItsLimitWhenNothingComes) {
    UiBatchQueue queue;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(queue.RunUntil([] { return false; }, 50ms));
    const auto waited = std::chrono::steady_clock::now() - start;
    EXPECT_GE(waited, 50ms);
    EXPECT_LT(waited, 2s) << "ends near its limit, not never";
}

} // namespace
} // namespace zt
