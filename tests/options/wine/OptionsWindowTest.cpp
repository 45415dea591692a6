// The dialog in real windows: where it opens, which page, and what its controls say.
#include "platform/win32/Win32Windows.h"
#include "tests/options/OptionsRig.h"
#include "ui/Timer.h"
#include "ui/win32/Win32Host.h"

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
    EXPECT_THAT(texts, IsSupersetOf({"Application", "GS232", "COM port", "Port No.", "Flow Cotorol",
                                     "Refer・・", "Get Position", "Go to Parking",
                                     "Elevation rotator", "Ok", "Cancel", "COM3"}));
}

} // namespace
} // namespace zt
