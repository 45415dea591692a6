// DelayMs: waits on the clock while the UI thread keeps handling its messages.
#include "app/uRoutine.h"
#include "tests/fakes/FakeUiThread.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

namespace zt {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

TEST(DelayMs, PumpsUntilTheClockHasAdvancedByTheDelay) {
    struct Case {
        const char* name;
        int ms;
        std::vector<int> advances; // how far each pump lets the clock advance; the last repeats
        std::vector<int> pumps;
        bool quits;
    } cases[] = {
        {"one pump covers it", 500, {1000}, {500}, false},
        {"a pump that ends early is followed by the remainder", 500, {300}, {500, 200}, false},
        // A pump on a coarse clock that steps right after it starts gives back almost none
        // of a short remainder; the wait goes on rather than end early.
        {"a short last pump is followed by the remainder", 500, {495, 1, 1000}, {500, 5, 4}, false},
        {"a quit ends the wait instead of spinning", 500, {0}, {500, 500}, true},
        {"nothing to wait for", 0, {1000}, {}, false},
    };
    for (const auto& c : cases) {
        FakeUiThread ui;
        Clock::time_point now{};
        std::vector<int> pumps;
        ui.onPump = [&](int ms) {
            const int advance = c.advances[std::min(pumps.size(), c.advances.size() - 1)];
            pumps.push_back(ms);
            now += std::chrono::milliseconds(std::min(ms, advance));
        };
        DelayMs(ui, c.ms, [&] { return now; });
        EXPECT_EQ(pumps, c.pumps) << c.name;
        if (!c.quits) {
            EXPECT_GE(now - Clock::time_point{}, std::chrono::milliseconds(c.ms)) << c.name;
        }
    }
}

TEST(DelayMs, OnTheRealClockBatchesFromOtherThreadsRunDuringTheWait) {
    FakeUiThread ui;
    // A blocking pump, as the real UI thread's: sleeps in slices, handling batches between.
    ui.onPump = [&](int ms) {
        const auto end = Clock::now() + std::chrono::milliseconds(ms);
        while (Clock::now() < end) {
            std::this_thread::sleep_for(10ms);
            ui.HandlePending();
        }
    };
    std::atomic<bool> ran{false};
    std::thread other([&] {
        std::this_thread::sleep_for(100ms);
        ui.Synchronize([&] { ran = true; });
    });
    const auto start = Clock::now();
    DelayMs(ui, 300);
    const auto waited = Clock::now() - start;
    other.join();
    EXPECT_TRUE(ran);
    EXPECT_GE(waited, 300ms);
    EXPECT_LT(waited, 600ms);
}

} // namespace
} // namespace zt
