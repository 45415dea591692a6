#include "platform/win32/Win32UiThread.h"
#include "serial/EComPort.h"
#include "tests/fakes/FakeMessageBox.h"
#include "tests/serial/wine/CpuTime.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace zt {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

long long MsSince(Clock::time_point start) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
}

struct UiThreadTest : testing::Test {
    FakeMessageBox errors;
    Win32UiThread ui{errors};
};

TEST_F(UiThreadTest, PumpForBlocksForItsTimeAndRunsHandedBatches) {
    std::atomic<bool> ran = false;
    std::thread other([&] {
        std::this_thread::sleep_for(100ms);
        ui.Synchronize([&] { ran = true; });
    });
    const auto start = Clock::now();
    const long long cpuBefore = CpuMs(false);
    ui.PumpFor(500);
    const long long cpu = CpuMs(false) - cpuBefore;
    const long long elapsed = MsSince(start);
    other.join();
    EXPECT_TRUE(ran);
    EXPECT_GE(elapsed, 490);
    EXPECT_LE(elapsed, 700);
    EXPECT_LT(cpu, 100) << "PumpFor must wait, not spin";
}

TEST_F(UiThreadTest, BatchesRunInTheUiThreadsOwnMessageLoop) {
    const DWORD uiThreadId = ::GetCurrentThreadId();
    std::thread::id ranOn;
    std::thread other([&] {
        ui.Synchronize([&] { ranOn = std::this_thread::get_id(); });
        ::PostThreadMessageW(uiThreadId, WM_QUIT, 0, 0);
    });
    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    other.join();
    EXPECT_EQ(ranOn, std::this_thread::get_id());
}

TEST_F(UiThreadTest, FailingBatchIsReportedAndReleasesItsThread) {
    std::atomic<bool> released = false;
    std::thread other([&] {
        ui.Synchronize([] { RaisePortError(10, 6); });
        released = true;
    });
    const auto start = Clock::now();
    while (!released && MsSince(start) < 2000)
        ui.PumpFor(50);
    other.join();
    EXPECT_TRUE(released);
    EXPECT_EQ(errors.texts(),
              std::vector<std::string>{"ClearCommError function failed (Error: 6)"});
}

TEST_F(UiThreadTest, PumpForLeavesAQuitForTheMainLoop) {
    ::PostQuitMessage(3);
    const auto start = Clock::now();
    ui.PumpFor(1000);
    EXPECT_LT(MsSince(start), 500);
    MSG msg;
    ASSERT_TRUE(::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
    EXPECT_EQ(msg.wParam, 3u);
}

} // namespace
} // namespace zt
