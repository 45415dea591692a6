#include "calsat/VisibleTimeReader.h"
#include "platform/win32/Utf16.h"
#include "platform/win32/Win32Windows.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

namespace zt {
namespace {

HWND Create(const wchar_t* cls, const std::string& text, DWORD style, HWND parent, int id) {
    return CreateWindowExW(0, cls, ToUtf16(text).c_str(), style, 10, 20, 300, 200, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           GetModuleHandleW(nullptr), nullptr);
}

// A look-alike of CALSAT32's window in this process: the pass table two levels down, with
// decoys of the wrong id and class before it.
struct WindowsTest : testing::Test {
    WindowsTest() {
        for (const wchar_t* cls : {L"ZtTestWindow", L"ThunderRT6TextBox"}) {
            WNDCLASSW wc{};
            wc.lpfnWndProc = DefWindowProcW;
            wc.hInstance = GetModuleHandleW(nullptr);
            wc.lpszClassName = cls;
            RegisterClassW(&wc);
        }
        top =
            Create(L"ZtTestWindow", "Calsat32(Sgp)", WS_OVERLAPPEDWINDOW | WS_VISIBLE, nullptr, 0);
        const HWND frame = Create(L"ZtTestWindow", "", WS_CHILD | WS_VISIBLE, top, 1);
        Create(L"ThunderRT6TextBox", "decoy", WS_CHILD, frame, 85);
        Create(L"EDIT", "decoy", WS_CHILD, frame, 84);
        const HWND inner = Create(L"ZtTestWindow", "", WS_CHILD | WS_VISIBLE, frame, 2);
        box = Create(L"ThunderRT6TextBox", "", WS_CHILD | WS_VISIBLE, inner, 84);
    }
    ~WindowsTest() override { DestroyWindow(top); }
    HWND top = nullptr;
    HWND box = nullptr;
    Win32Windows windows;
};

TEST_F(WindowsTest, ReadsTheNestedPassTableCutAt1024Characters) {
    const std::string row = "2021/12/02 20:50:00 200 0 20:55:30 45 270 21:00:00 340 0 0\r\n";
    std::string table;
    while (table.size() < 1500)
        table += row;
    SetWindowTextW(box, ToUtf16(table).c_str());

    TVisibleTimeReader reader(windows, LocaleFormats::Japanese());
    TVisibleTime vt;
    std::string text;
    reader.ReadVisibleTime(EncodeDate(2021, 12, 2), 0.375, vt, text);
    EXPECT_EQ(text, table.substr(0, 1024));
    EXPECT_NEAR(vt.LosDateTime, EncodeDate(2021, 12, 2) + 0.5, 1e-9);
    EXPECT_EQ(vt.LosAz, 340);
}

TEST_F(WindowsTest, AnswersForWindowsByHandle) {
    const WindowHandle handle = reinterpret_cast<WindowHandle>(top);
    EXPECT_EQ(windows.FindTopLevel("CALSAT32(SGP)"), handle);
    EXPECT_EQ(windows.FindTopLevel("CALSAT32(SGP) 2"), 0u);

    std::vector<std::string> classes;
    windows.EnumDescendants(handle, [&](WindowHandle w) {
        classes.push_back(windows.ClassName(w) + "/" + std::to_string(windows.ControlId(w)));
        return true;
    });
    EXPECT_EQ(classes.size(), 5u);
    EXPECT_NE(std::find(classes.begin(), classes.end(), "ThunderRT6TextBox/84"), classes.end());

    int visited = 0;
    windows.EnumDescendants(handle, [&](WindowHandle) { return ++visited < 2; });
    EXPECT_EQ(visited, 2);

    const auto rect = windows.ScreenRect(handle);
    ASSERT_TRUE(rect.has_value());
    EXPECT_EQ(rect->Right - rect->Left, 300);
    EXPECT_EQ(rect->Bottom - rect->Top, 200);
    EXPECT_FALSE(windows.ScreenRect(0).has_value());

    EXPECT_TRUE(windows.SetForeground(handle));
    EXPECT_EQ(windows.Foreground(), handle);
}

} // namespace
} // namespace zt
