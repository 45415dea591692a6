#include "platform/win32/Utf16.h"
#include "platform/win32/Win32MessageBox.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

namespace zt {
namespace {

struct SeenBox {
    std::string caption;
    RECT rect{};
    bool found = false;
} seen;

BOOL CALLBACK CloseBox(HWND window, LPARAM) {
    wchar_t cls[16];
    GetClassNameW(window, cls, 16);
    if (std::wstring(cls) != L"#32770" || !IsWindowVisible(window))
        return TRUE;
    wchar_t caption[64];
    GetWindowTextW(window, caption, 64);
    seen.caption = ToUtf8(caption);
    GetWindowRect(window, &seen.rect);
    seen.found = true;
    PostMessageW(window, WM_COMMAND, IDOK, 0);
    return FALSE;
}

void CALLBACK LookForBox(HWND, UINT, UINT_PTR, DWORD) {
    EnumThreadWindows(GetCurrentThreadId(), CloseBox, 0);
}

TEST(Win32MessageBoxTest, TheCentredBoxIsInTheMiddleOfTheScreen) {
    Win32MessageBox box("Zenitrack");
    const UINT_PTR timer = SetTimer(nullptr, 0, 100, LookForBox);
    box.Show("Com PortのPort No.が誤っています", MessageKind::Error, true);
    KillTimer(nullptr, timer);
    ASSERT_TRUE(seen.found);
    EXPECT_EQ(seen.caption, "Zenitrack");
    const int centreX = (seen.rect.left + seen.rect.right) / 2;
    const int centreY = (seen.rect.top + seen.rect.bottom) / 2;
    EXPECT_NEAR(centreX, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
    EXPECT_NEAR(centreY, GetSystemMetrics(SM_CYSCREEN) / 2, 1);
}

} // namespace
} // namespace zt
