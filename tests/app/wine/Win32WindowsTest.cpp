// What the main window asks of the desktop: whether a place is on a screen, and a window's
// text told apart from no answer.
#include "platform/win32/Win32Windows.h"
#include "platform/win32/Utf16.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include <windows.h>

namespace zt {
namespace {

TEST(Win32Windows, APlaceOffEveryScreenIsToldFromOneOnAScreen) {
    Win32Windows windows;
    EXPECT_TRUE(windows.OnSomeScreen({0, 0, 636, 90}));
    EXPECT_TRUE(windows.OnSomeScreen({-600, 10, 36, 100})) << "partly on the screen";
    EXPECT_FALSE(windows.OnSomeScreen({-32000, -32000, -31364, -31910})) << "a minimised place";
}

// A window whose thread stops handling messages, as a busy CALSAT32's does.
TEST(Win32Windows, ABusyWindowGivesNoAnswerNotAnEmptyText) {
    std::atomic<HWND> window{nullptr};
    std::atomic<bool> busy{false};
    std::thread owner([&] {
        const HWND w = CreateWindowExW(0, L"STATIC", L"pass table", WS_POPUP, 0, 0, 10, 10, nullptr,
                                       nullptr, nullptr, nullptr);
        window = w;
        MSG msg;
        const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (!busy && std::chrono::steady_clock::now() < until) {
            while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
                DispatchMessageW(&msg);
            Sleep(5);
        }
        Sleep(4000); // longer than the read's 2 s limit, without handling messages
        DestroyWindow(w);
    });
    const auto start = std::chrono::steady_clock::now();
    while (!window && std::chrono::steady_clock::now() - start < std::chrono::seconds(5))
        Sleep(5);
    ASSERT_NE(window.load(), nullptr) << "waited 5 s for the window to be made";
    Win32Windows windows;
    const auto handle = reinterpret_cast<WindowHandle>(window.load());
    EXPECT_EQ(windows.AnsweredText(handle, 100), std::optional<std::string>("pass table"));
    busy = true;
    Sleep(100);
    const auto asked = std::chrono::steady_clock::now();
    EXPECT_EQ(windows.AnsweredText(handle, 100), std::nullopt);
    EXPECT_LT(std::chrono::steady_clock::now() - asked, std::chrono::milliseconds(3500))
        << "no longer than the read's limit";
    owner.join();
}

} // namespace
} // namespace zt
