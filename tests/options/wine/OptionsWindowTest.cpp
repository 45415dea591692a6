// The dialog in real windows: where it opens, which page, and what its controls say.
#include "platform/win32/Win32Windows.h"
#include "tests/options/OptionsRig.h"
#include "ui/Timer.h"
#include "ui/win32/Win32Host.h"

#include <windows.h>

#include <commctrl.h>
#include <gmock/gmock.h>

#include <cstdlib>

namespace zt {
namespace {

using ::testing::IsSupersetOf;

class OptionsWindow : public OptionsTest {
protected:
    // Shows the dialog and runs act once its window is up, from inside its modal loop.
    ModalResult ShowAndThen(TOptions& dialog, const std::function<void()>& act) {
        Timer probe(dialog);
        probe.SetInterval(200);
        probe.OnTimer = [&] {
            probe.SetEnabled(false);
            act();
        };
        return dialog.ShowModal();
    }

    std::vector<std::string> DescendantTexts(WindowHandle window) {
        std::vector<std::string> texts;
        windows.EnumDescendants(window, [&](WindowHandle child) {
            texts.push_back(windows.Text(child, 255));
            return true;
        });
        return texts;
    }

    Win32Host win32;
    Application shown{win32, messages};
    Win32Windows windows;
};

TEST_F(OptionsWindow, OpensCentredOnTheLastPageWithItsControls) {
    Store({{"/Options", {{"Left", "10"}, {"Top", "10"}, {"TabIndex", "2"}}},
           {"/Options/Com", {{"ComPort", "COM3"}}}});
    auto dialog = Create(shown);
    std::optional<WindowRect> rect;
    WindowHandle found = 0;
    std::vector<std::string> texts;
    bool comShowing = false;
    const ModalResult result = ShowAndThen(*dialog, [&] {
        found = windows.FindTopLevel("Options");
        rect = windows.ScreenRect(dialog->Handle());
        texts = DescendantTexts(dialog->Handle());
        comShowing = dialog->cmbComPort.Showing() && !dialog->edtInifile.Showing();
        dialog->btnOk1.Click();
    });
    EXPECT_EQ(result, ModalResult::Ok);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(found, dialog->Handle());
    EXPECT_TRUE(comShowing) << "the page last used";
    ASSERT_TRUE(rect);
    const Size screen = win32.ScreenSize();
    const int width = rect->Right - rect->Left, height = rect->Bottom - rect->Top;
    EXPECT_LE(std::abs(rect->Left - (screen.width - width) / 2), 1);
    EXPECT_LE(std::abs(rect->Top - (screen.height - height) / 2), 1);
    EXPECT_THAT(texts,
                IsSupersetOf({"Application", "GS232", "COM port", "Port No.", "Flow Cotorol",
                              "Refer・・", "Get Position", "Go to Parking", "GS-232B replies",
                              "Elevation rotator", "Ok", "Cancel", "COM3"}));
}

HWND WindowOf(const Control& control) {
    return reinterpret_cast<HWND>(control.Peer()->Handle());
}

TEST_F(OptionsWindow, TheOpenPageSitsBelowTheTabsFromTheFirstPaint) {
    for (int page : {0, 2}) {
        Store({{"/Options", {{"TabIndex", std::to_string(page)}}},
               {"/Options/Com", {{"ComPort", "COM3"}}}});
        auto dialog = Create(shown);
        RECT sheet{}, area{};
        ShowAndThen(*dialog, [&] {
            const HWND pages = WindowOf(dialog->PageControl1);
            const HWND tabs = FindWindowExW(pages, nullptr, WC_TABCONTROLW, nullptr);
            GetClientRect(tabs, &area);
            TabCtrl_AdjustRect(tabs, FALSE, &area);
            GetWindowRect(WindowOf(*dialog->PageControl1.Pages()[size_t(page)]), &sheet);
            MapWindowPoints(nullptr, pages, reinterpret_cast<POINT*>(&sheet), 2);
            dialog->btnOk0.Click();
        });
        EXPECT_EQ(std::vector<LONG>({sheet.left, sheet.top, sheet.right, sheet.bottom}),
                  std::vector<LONG>({area.left, area.top, area.right, area.bottom}))
            << "page " << page << ": the tab control's display area";
        EXPECT_GE(area.top, 15) << "a row of tabs high enough for their captions";
    }
}

TEST_F(OptionsWindow, TheParentAppBoxShowsCalsat32Whole) {
    Store({{"/Options/Com", {{"ComPort", "COM3"}}}});
    auto dialog = Create(shown);
    LONG room = 0;
    SIZE text{};
    ShowAndThen(*dialog, [&] {
        const HWND box = WindowOf(dialog->cmbApp);
        COMBOBOXINFO info{};
        info.cbSize = sizeof info;
        ASSERT_TRUE(GetComboBoxInfo(box, &info));
        room = info.rcItem.right - info.rcItem.left;
        const HDC dc = GetDC(box);
        const HGDIOBJ old =
            SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(box, WM_GETFONT, 0, 0)));
        GetTextExtentPoint32W(dc, L"CALSAT32", 8, &text);
        SelectObject(dc, old);
        ReleaseDC(box, dc);
        dialog->btnOk0.Click();
    });
    // The edit box inside keeps a margin of a few pixels on each side.
    EXPECT_GE(room, text.cx + 6) << "text " << text.cx << " px";
}

} // namespace
} // namespace zt
