// The dialog in real windows: where it opens, which page, and what its controls say.
#include "platform/win32/Win32Windows.h"
#include "settings/uOptions.h"
#include "tests/fakes/FakeFileDialog.h"
#include "tests/fakes/FakeFileSystem.h"
#include "tests/fakes/FakeMessageBox.h"
#include "tests/fakes/FakeRegistry.h"
#include "tests/rotator/Gs232Rig.h"
#include "tests/settings/SettingsTestFiles.h"
#include "ui/Application.h"
#include "ui/Timer.h"
#include "ui/win32/Win32Host.h"

#include <gmock/gmock.h>

#include <cstdlib>

namespace zt {
namespace {

using ::testing::IsSupersetOf;

class OptionsWindow : public test::SettingsFileTest {
protected:
    OptionsWindow() {
        files.files = {"C:\\sat\\CALSAT32.INI", "C:\\sat\\ELEM.TXT"};
        registry.keys["Software\\Sat"]["MJD"] = "1";
        registry.machineStrings["HARDWARE\\DEVICEMAP\\SERIALCOMM"] = {"COM3", "COM1"};
    }

    void StoreSetUp(const char* left, const char* tabIndex) {
        TXMLIniFile ini(File(), LocaleFormats::US());
        ini.OpenNode("/Options", true);
        ini.WriteString("Left", left);
        ini.WriteString("Top", left);
        ini.WriteString("TabIndex", tabIndex);
        ini.OpenNode("/Options/App", true);
        ini.WriteString("Inifile", "C:\\sat\\CALSAT32.INI");
        ini.WriteString("Elements", "C:\\sat\\ELEM.TXT");
        ini.WriteString("RegKey", "\\Software\\Sat");
        ini.OpenNode("/Options/Com", true);
        ini.WriteString("ComPort", "COM3");
        ini.UpdateFile();
    }

    std::unique_ptr<TOptions> Create() {
        return app.CreateForm<TOptions>(
            TOptionsServices{registry, files, fileDialog, LocaleFormats::US()}, File(), rig.gs);
    }

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

    Win32Host host;
    FakeMessageBox messages;
    Application app{host, messages};
    FakeRegistry registry;
    FakeFileSystem files;
    FakeFileDialog fileDialog;
    Gs232Rig rig;
    Win32Windows windows;
};

TEST_F(OptionsWindow, OpensCentredOnTheLastPageWithItsControls) {
    StoreSetUp("10", "2");
    auto dialog = Create();
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
    const Size screen = host.ScreenSize();
    const int width = rect->Right - rect->Left, height = rect->Bottom - rect->Top;
    EXPECT_LE(std::abs(rect->Left - (screen.width - width) / 2), 1);
    EXPECT_LE(std::abs(rect->Top - (screen.height - height) / 2), 1);
    EXPECT_THAT(texts, IsSupersetOf({"Application", "GS232", "COM port", "Port No.", "Flow Cotorol",
                                     "Refer・・", "Get Position", "Go to Parking",
                                     "Elevation rotator", "Ok", "Cancel", "COM3"}));
}

} // namespace
} // namespace zt
