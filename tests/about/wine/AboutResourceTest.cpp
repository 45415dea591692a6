// The version resource as the About box reads it from the running executable.
#include "about/uABOUT.h"
#include "app/uRoutine.h"
#include "platform/win32/ExecutablePath.h"
#include "platform/win32/Win32VersionInfo.h"
#include "platform/win32/Win32Windows.h"
#include "tests/fakes/FakeMessageBox.h"
#include "tests/fakes/FakeUiHost.h"
#include "ui/Application.h"
#include "ui/Timer.h"
#include "ui/win32/Win32Host.h"

#include <gmock/gmock.h>

#include <cstdlib>

namespace zt {
namespace {

TEST(AboutResource, AboutBoxShowsTheStringsOfTheRealResource) {
    FakeUiHost host;
    FakeMessageBox messages;
    Application app(host, messages);
    Win32VersionInfo info;
    auto box = app.CreateForm<TAboutBox>(info, ExecutablePath());
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(box->lblProductName.Caption(), "Zenitrack");
    EXPECT_EQ(box->lblVersion.Caption(), "1.1.1.0");
    EXPECT_EQ(box->lblComment.Caption(), "アマチュア衛星トラッキング・アプリケーション");
    EXPECT_EQ(box->lblCompanyName.Caption(), "Zenitrack developers");
    EXPECT_EQ(box->lblCopyRight.Caption(), "Copyright (C) 2026 Zenitrack developers");
}

TEST(AboutResource, TranslationAndUnlistedStrings) {
    Win32VersionInfo info;
    const auto resource = info.Load(ExecutablePath());
    ASSERT_TRUE(resource);
    EXPECT_EQ(resource->Translations(), std::vector<std::uint32_t>{0x04E40409u});
    std::string value = "kept";
    GetVersionInfo(info, ExecutablePath(), 8, value); // PrivateBuild
    EXPECT_EQ(value, "kept");
    GetVersionInfo(info, ExecutablePath(), 10, value);
    EXPECT_EQ(value, "1.1.1.0");
    EXPECT_FALSE(info.Load("C:\\windows\\no-such-file.exe"));
}

TEST(AboutResource, RealWindowShowsTheStringsCentred) {
    Win32Host host;
    FakeMessageBox messages;
    Application app(host, messages);
    Win32VersionInfo info;
    Win32Windows windows;
    auto box = app.CreateForm<TAboutBox>(info, ExecutablePath());
    std::vector<std::string> texts;
    std::optional<WindowRect> rect;
    Timer probe(*box);
    probe.SetInterval(200);
    probe.OnTimer = [&] {
        probe.SetEnabled(false);
        rect = windows.ScreenRect(box->Handle());
        texts.push_back(windows.Text(box->Handle(), 255));
        windows.EnumDescendants(box->Handle(), [&](WindowHandle child) {
            texts.push_back(windows.Text(child, 255));
            return true;
        });
        box->OKButton.Click();
    };
    EXPECT_EQ(box->ShowModal(), ModalResult::Ok);
    EXPECT_THAT(texts, ::testing::IsSupersetOf({"バージョン情報", "Zenitrack", "1.1.1.0",
                                                "Copyright (C) 2026 Zenitrack developers",
                                                "Zenitrack developers", "OK"}));
    ASSERT_TRUE(rect);
    const Size screen = host.ScreenSize();
    EXPECT_LE(std::abs(rect->Left - (screen.width - (rect->Right - rect->Left)) / 2), 1);
    EXPECT_LE(std::abs(rect->Top - (screen.height - (rect->Bottom - rect->Top)) / 2), 1);
}

} // namespace
} // namespace zt
