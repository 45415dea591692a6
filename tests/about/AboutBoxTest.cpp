#include "about/uABOUT.h"
#include "tests/fakes/FakeMessageBox.h"
#include "tests/fakes/FakeUiHost.h"
#include "tests/fakes/FakeVersionInfo.h"
#include "ui/Application.h"

#include <gtest/gtest.h>

namespace zt {
namespace {

const std::string Exe = "C:\\zt\\zenitrack.exe";
const std::string Table = "\\StringFileInfo\\040904E4\\";

struct AboutBoxTest : ::testing::Test {
    FakeUiHost host;
    FakeMessageBox messages;
    Application app{host, messages};
    FakeVersionInfo info;

    void SetUp() override {
        info.files[Exe] = {{0x04E40409u},
                           {{Table + "ProductName", "Zenitrack"},
                            {Table + "FileVersion", "1.1.1.0"},
                            {Table + "Comments", "アマチュア衛星トラッキング・アプリケーション"},
                            {Table + "CompanyName", "Zenitrack developers"}}};
    }
};

TEST_F(AboutBoxTest, ShowsTheResourceStringsAndLeavesMissingOnesEmpty) {
    auto box = app.CreateForm<TAboutBox>(info, Exe);
    EXPECT_EQ(box->lblProductName.Caption(), "Zenitrack");
    EXPECT_EQ(box->lblVersion.Caption(), "1.1.1.0");
    EXPECT_EQ(box->lblCopyRight.Caption(), ""); // LegalCopyright missing
    EXPECT_EQ(box->lblComment.Caption(), "アマチュア衛星トラッキング・アプリケーション");
    EXPECT_EQ(box->lblCompanyName.Caption(), "Zenitrack developers");
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(AboutBoxTest, MissingTranslationIsReportedOnceAndTheBoxStillOpens) {
    info.files[Exe].translations.clear();
    auto box = app.CreateForm<TAboutBox>(info, Exe);
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"情報の取得に失敗しました"});
    EXPECT_EQ(box->lblProductName.Caption(), "");
    EXPECT_EQ(box->lblCompanyName.Caption(), "");
    host.Script([](Form& shown) { static_cast<TAboutBox&>(shown).OKButton.Click(); });
    EXPECT_EQ(box->ShowModal(), ModalResult::Ok);
}

TEST_F(AboutBoxTest, EnterAndEscBothClose) {
    auto box = app.CreateForm<TAboutBox>(info, Exe);
    for (Key key : {vkReturn, vkEscape}) {
        host.Script([key](Form& shown) { shown.KeyDown(key, ssNone); });
        EXPECT_EQ(box->ShowModal(), ModalResult::Ok);
    }
    EXPECT_EQ(box->ClientWidth(), 324);
    EXPECT_EQ(box->ClientHeight(), 213);
    EXPECT_EQ(box->Left(), (1280 - box->Width()) / 2);
}

} // namespace
} // namespace zt
