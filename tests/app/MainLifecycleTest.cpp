// Creation, the start-up block, re-configuration and shutdown of the main window.
#include "tests/app/MainRig.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

namespace zt {
namespace {

TEST(MainLifecycle, FirstRunAsksForOptionsThenStartsTheLink) {
    MainRig rig;
    rig.dialogs.optionsAnswers = {true};
    rig.dialogs.onOptionsOk = [&](const std::string& file) {
        EXPECT_EQ(file, rig.settings);
        rig.StoreOptions();
    };
    rig.Create();
    // No INI path yet at the very first start.
    EXPECT_EQ(rig.messages.texts(), Trace{" Not found"});
    EXPECT_FALSE(rig.main->Timer1.Enabled());

    rig.main->Activate();
    EXPECT_EQ(rig.dialogs.optionsShown, 1);
    EXPECT_EQ(rig.trace, (Trace{"", "S", "X2", "S"})) << "open, then tracking off stops";
    EXPECT_TRUE(rig.main->Timer1.Enabled());
    EXPECT_FALSE(rig.main->Init);
    EXPECT_EQ(rig.main->ObsPoint.LocalTimeStr, "JST") << "time offset read after OK";
    EXPECT_EQ(rig.main->Sat, "ISS ");

    rig.main->Deactivate();
    rig.main->Activate();
    EXPECT_EQ(rig.dialogs.optionsShown, 1) << "the block runs once";
}

TEST(MainLifecycle, ActivationWhileTheFirstRunDialogIsOpenDoesNotNestIt) {
    MainRig rig;
    rig.dialogs.optionsAnswers = {true};
    rig.dialogs.onOptionsOk = [&](const std::string&) {
        rig.main->Deactivate();
        rig.main->Activate();
        rig.StoreOptions();
    };
    rig.Create();
    rig.main->Activate();
    EXPECT_EQ(rig.dialogs.optionsShown, 1);
    EXPECT_TRUE(rig.main->Timer1.Enabled());
}

TEST(MainLifecycle, FirstRunCancelledEndsTheProgramWithoutWriting) {
    MainRig rig;
    rig.dialogs.optionsAnswers = {false};
    rig.Create();
    rig.main->Show();
    rig.main->Activate();
    EXPECT_FALSE(rig.main->Visible());
    EXPECT_TRUE(rig.trace.empty());
    EXPECT_EQ(rig.Stored(SectionMain, KeyLeft), "(no section)");
    EXPECT_EQ(rig.Stored(SectionAlert, KeyAlert), "(no section)");
}

TEST(MainLifecycle, UnreadableRegistryKeyIsReportedAndNothingStarts) {
    MainRig rig;
    rig.StoreOptions();
    rig.registry.keys.clear();
    rig.Create();
    rig.main->Activate();
    EXPECT_EQ(rig.messages.texts(), Trace{"CALSAT32のレジストリが読めません"});
    EXPECT_TRUE(rig.device.calls.empty()) << "controller not opened";
    EXPECT_FALSE(rig.main->Timer1.Enabled());
}

TEST(MainLifecycle, RevolutionThatDoesNotConvertStopsStartLinkUntilNextActivation) {
    MainRig rig;
    rig.StoreOptions();
    rig.registry.SetString(MainRig::Key, "Revolution", "12a");
    rig.Create();
    rig.main->Activate();
    ASSERT_EQ(rig.messages.shown.size(), 1u);
    EXPECT_EQ(rig.messages.shown[0].kind, MessageKind::Error);
    EXPECT_TRUE(rig.device.calls.empty());
    EXPECT_FALSE(rig.main->Timer1.Enabled());
    EXPECT_TRUE(rig.main->Init);

    // Closing the error box hands activation back: that one does not retry (the same box
    // would come back at once); the next activation does.
    rig.main->Deactivate();
    rig.main->Activate();
    EXPECT_EQ(rig.messages.shown.size(), 1u);
    rig.registry.SetString(MainRig::Key, "Revolution", "12");
    rig.main->Deactivate();
    rig.main->Activate();
    EXPECT_TRUE(rig.main->Timer1.Enabled());
    EXPECT_FALSE(rig.main->Init);
    EXPECT_EQ(rig.main->EpochRev, 12);
}

TEST(MainLifecycle, PortThatCannotOpenLeavesTheTimerStopped) {
    MainRig rig;
    rig.device.Fail(FakeSerialDevice::Op::Open, 2);
    rig.StoreOptions();
    rig.Create();
    rig.main->Activate();
    EXPECT_EQ(rig.messages.texts(), Trace{"COM3をOpenできません"});
    EXPECT_FALSE(rig.main->Timer1.Enabled());
}

TEST(MainLifecycle, WindowShapeAndPlacement) {
    MainRig rig;
    rig.windows.Remove(rig.calsat);
    rig.Create();
    TMain& m = *rig.main;
    EXPECT_EQ(m.Caption(), "Zenitrack on CALSAT32");
    EXPECT_EQ(m.GetBorderStyle(), BorderStyle::ThinLine);
    EXPECT_EQ(m.ClientWidth(), 636);
    EXPECT_EQ(m.Height(), 90);
    // Stored (0, 0): centred on the 1280 x 1024 screen.
    EXPECT_EQ(m.Left(), (1280 - m.Width()) / 2);
    EXPECT_EQ(m.Top(), (1024 - 90) / 2);
    EXPECT_EQ(m.lblSatellite.Caption(), "Satllite");
    EXPECT_FALSE(m.actTerminal.enabled);

    MainRig placed;
    placed.windows.Remove(placed.calsat);
    placed.Store(SectionMain, {{KeyLeft, "12"}, {KeyTop, "0"}});
    placed.Create();
    EXPECT_EQ(placed.main->Left(), 12);
    EXPECT_EQ(placed.main->Top(), 0);
}

TEST(MainLifecycle, BeepTableIsPaddedAndWrittenBackAsSixItems) {
    MainRig rig;
    rig.Store(SectionAlert, {{KeyAlert, "800,1000"}});
    rig.Start();
    EXPECT_EQ(rig.main->aryAlert, (TBeepTable{800, 1000, 0, 0, 0, 0}));
    rig.main->Close();
    EXPECT_EQ(rig.Stored(SectionAlert, KeyAlert), "800,1000,0,0,0,0");
    EXPECT_EQ(rig.Stored(SectionAlert, KeyPreAosTime), "3");
}

TEST(MainLifecycle, HandEditedSettingsFallBackAndTheProgramStarts) {
    MainRig rig;
    rig.windows.Remove(rig.calsat);
    rig.Store(SectionMain, {{KeyLeft, "left"}});
    rig.Start({{KeyInterval, "0"}, {KeyAzRotator, "7"}, {KeyElRotator, "-1"}});
    EXPECT_EQ(rig.messages.shown.size(), 1u) << "the unreadable position is reported";
    EXPECT_EQ(rig.main->Left(), (1280 - rig.main->Width()) / 2);
    EXPECT_EQ(rig.main->Timer1.Interval(), 2000);
    EXPECT_EQ(rig.main->Gs232->AzRotator(), az450);
    EXPECT_EQ(rig.main->Gs232->ElRotator(), el180);
}

TEST(MainLifecycle, ShutdownSavesFirstThenParks) {
    MainRig rig;
    rig.Start({{KeyParkingAz, "180"}, {KeyParkingEl, "10"}});
    rig.main->SetBounds(33, 44, rig.main->Width(), rig.main->Height());
    std::string leftWhenParking;
    rig.controller.onCommand = [&](const std::string& c) {
        if (c.rfind("W", 0) == 0)
            leftWhenParking = rig.Stored(SectionMain, KeyLeft);
    };
    rig.main->Close();
    EXPECT_EQ(rig.trace, (Trace{"S", "W180 010", ""}));
    EXPECT_EQ(leftWhenParking, "33");
    EXPECT_EQ(rig.Stored(SectionMain, KeyTop), "44");
    EXPECT_EQ(rig.Stored(SectionAlert, KeyAlert), "1000,2000,750,500,500,500");
    EXPECT_GE(rig.ui.pumpedMs, 500) << "waits for the parking command with messages flowing";
    EXPECT_FALSE(rig.main->Gs232->Opend());
}

TEST(MainLifecycle, ShutdownWithoutGoParkingOnlyStopsAndCloses) {
    MainRig rig;
    rig.Start({{KeyGoParking, "0"}});
    rig.main->Close();
    EXPECT_EQ(rig.trace, (Trace{"S", ""}));
    EXPECT_EQ(rig.Stored(SectionMain, KeyLeft), std::to_string(rig.main->Left()));
}

TEST(MainLifecycle, UnwritableSettingsStillParkTheAntenna) {
    MainRig rig;
    rig.Start();
    std::filesystem::remove(rig.settings);
    std::filesystem::create_directory(rig.settings); // a folder where the file should be
    rig.main->Close();
    EXPECT_EQ(rig.messages.shown.size(), 1u);
    EXPECT_EQ(rig.trace, (Trace{"S", "W000 000", ""}));
}

TEST(MainLifecycle, ExitSavesThroughTheGivenFileSystem) {
    MainRig rig;
    rig.Start();
    rig.main->SetBounds(33, 44, rig.main->Width(), rig.main->Height());
    rig.files.calls.clear();
    rig.main->Close();
    const std::string temp = rig.settings + ".tmp";
    const std::string rename = "RenameOver " + temp + " " + rig.settings;
    const auto& calls = rig.files.calls;
    const auto write = std::find(calls.begin(), calls.end(), "WriteFlushed " + temp);
    ASSERT_NE(write, calls.end()) << "the temporary file is flushed to the disk";
    EXPECT_NE(std::find(write, calls.end(), rename), calls.end()) << "then renamed over";
    EXPECT_EQ(rig.Stored(SectionMain, KeyLeft), "33");

    // A save the file system refuses is reported once; the file stays as it was.
    MainRig refused;
    refused.Start();
    const auto bytes = [&] {
        std::ifstream in(refused.settings, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    const std::string before = bytes();
    refused.files.failing.insert("RenameOver " + refused.settings + ".tmp " + refused.settings);
    refused.main->Close();
    EXPECT_EQ(refused.messages.shown.size(), 1u);
    EXPECT_EQ(refused.trace, (Trace{"S", "W000 000", ""})) << "the antenna still parks";
    EXPECT_EQ(bytes(), before);
    EXPECT_FALSE(std::filesystem::exists(refused.settings + ".tmp"));
}

TEST(MainLifecycle, OptionsCommand) {
    MainRig rig;
    rig.Start();
    rig.main->SetAutoTracking(true);
    rig.trace.clear();

    // Cancel: tracking and timer stay off until Ctrl+D.
    rig.dialogs.optionsAnswers = {false};
    EXPECT_TRUE(rig.main->KeyDown('Z', ssCtrl));
    EXPECT_FALSE(rig.main->AutoTracking);
    EXPECT_FALSE(rig.main->Timer1.Enabled());
    EXPECT_EQ(rig.trace, Trace{"S"});
    rig.main->KeyDown('D', ssCtrl);
    EXPECT_TRUE(rig.main->Timer1.Enabled());

    // OK: the new settings are read, the controller reopens without parking.
    rig.trace.clear();
    rig.dialogs.optionsAnswers = {true};
    rig.dialogs.onOptionsOk = [&](const std::string&) {
        rig.StoreOptions({{KeyRotateSpeed, "3"}, {KeyInterval, "500"}});
    };
    rig.main->actOptions.Execute();
    EXPECT_EQ(rig.trace, (Trace{"S", "", "", "S", "X4", "S"}));
    EXPECT_EQ(rig.main->Timer1.Interval(), 500);
    EXPECT_TRUE(rig.main->Timer1.Enabled());
    EXPECT_TRUE(rig.main->Init) << "the next activation runs the start-up block again";
}

TEST(MainLifecycle, EachHandEditedKeyFallsBackOnItsOwn) {
    MainRig rig;
    rig.windows.Remove(rig.calsat);
    rig.Store(SectionMain, {{KeyLeft, "left"}, {KeyTop, "44"}});
    rig.Store(SectionAlert, {{KeyPreAosTime, "soon"}, {KeyAlert, "800,900,700,400,600,300"}});
    rig.Start({{KeyRotateSpeed, "fast"}, {KeyParkingAz, "90"}});
    EXPECT_EQ(rig.messages.shown.size(), 3u) << "each bad key reported";
    EXPECT_EQ(rig.main->Top(), 44);
    EXPECT_EQ(rig.main->PreAOSTime, 3);
    EXPECT_EQ(rig.main->Gs232->ParkingAz(), 90) << "the keys after a bad one are read";
    rig.main->Close();
    EXPECT_EQ(rig.Stored(SectionAlert, KeyAlert), "800,900,700,400,600,300")
        << "the user's beep table is not replaced by the defaults";
}

TEST(MainLifecycle, CorruptSettingsAreReportedOnceWithTheWayOutAndLeftAlone) {
    MainRig rig;
    std::filesystem::create_directories(rig.dir);
    const std::string broken = "<?xml version=\"1.0\"?>\n<Zenitrack><Options></Opt";
    std::ofstream(rig.settings) << broken;
    rig.Create();
    rig.main->Show();
    rig.main->Activate();
    rig.main->Deactivate();
    rig.main->Activate();
    ASSERT_EQ(rig.messages.texts().size(), 1u);
    const std::string text = rig.messages.texts()[0];
    EXPECT_NE(text.find("行"), std::string::npos) << "the parser's message: " << text;
    EXPECT_NE(text.find("zenitrack.xmlを直すか、Options(Ctrl+Z)で新しい設定に置き換えるか"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("Exit(Ctrl+X)"), std::string::npos) << text;
    EXPECT_EQ(rig.dialogs.optionsShown, 0);

    // Options replaces the file with a new set-up, and the link starts.
    rig.dialogs.optionsAnswers = {true};
    rig.dialogs.onOptionsOk = [&](const std::string&) {
        std::filesystem::remove(rig.settings);
        rig.StoreOptions();
    };
    rig.main->KeyDown('Z', ssCtrl);
    EXPECT_TRUE(rig.main->Timer1.Enabled());
    EXPECT_EQ(rig.messages.texts().size(), 1u);

    MainRig left;
    std::filesystem::create_directories(left.dir);
    std::ofstream(left.settings) << broken;
    left.Create();
    left.main->Show();
    left.main->KeyDown('X', ssCtrl);
    EXPECT_FALSE(left.main->Visible()) << "Exit ends it";
    EXPECT_EQ(left.messages.texts().size(), 1u);
    std::ifstream in(left.settings);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), broken);
}

TEST(MainLifecycle, OptionsOkOverACorruptFileWritesANewSetUpAndStarts) {
    MainRig rig;
    rig.UseRealDialogs();
    std::ofstream(rig.settings) << "<?xml version=\"1.0\"?>\n<Zenitrack><Options></Opt";
    rig.Create();
    rig.main->Show();
    rig.host.Script([](Form& shown) { dynamic_cast<TOptions&>(shown).btnOk1.Click(); });
    rig.main->KeyDown('Z', ssCtrl);
    EXPECT_EQ(rig.messages.texts().size(), 2u) << "the start's report, then the dialog's";
    EXPECT_TRUE(rig.main->Timer1.Enabled()) << "the link starts on the new set-up";
    EXPECT_EQ(rig.Stored(SectionOptionsCom, KeyComPort), "COM3");
    rig.main->Close();
    EXPECT_EQ(rig.Stored(SectionAlert, KeyPreAosTime), "3") << "saved at exit again";
}

TEST(MainLifecycle, APositionOffEveryScreenIsNeitherUsedNorStored) {
    MainRig rig;
    rig.windows.Remove(rig.calsat);
    rig.Store(SectionMain, {{KeyLeft, "-32000"}, {KeyTop, "-32000"}});
    rig.Create();
    EXPECT_EQ(rig.main->Left(), (1280 - rig.main->Width()) / 2) << "opens centred";
    EXPECT_EQ(rig.main->Top(), (1024 - 90) / 2);

    MainRig minimised;
    minimised.Store(SectionMain, {{KeyLeft, "33"}, {KeyTop, "44"}});
    minimised.Start();
    // CALSAT32 minimised: its window lies far off, and the strip follows it there.
    minimised.windows.windows[minimised.calsat].rect = {-32000, -32000, -31840, -31973};
    minimised.Tick();
    ASSERT_LT(minimised.main->Left(), -30000);
    minimised.main->Close();
    EXPECT_EQ(minimised.Stored(SectionMain, KeyLeft), "33");
    EXPECT_EQ(minimised.Stored(SectionMain, KeyTop), "44");
    EXPECT_EQ(minimised.Stored(SectionAlert, KeyAlert), "1000,2000,750,500,500,500");
}

TEST(MainLifecycle, GoToParkingWhileTrackingTurnsTrackingOffFirst) {
    MainRig rig;
    rig.Start({{KeyParkingAz, "90"}, {KeyParkingEl, "5"}});
    rig.main->SetAutoTracking(true);
    rig.trace.clear();
    rig.main->KeyDown('P', ssCtrl);
    EXPECT_FALSE(rig.main->AutoTracking);
    rig.SetDirection("210", "20");
    rig.TickAt(10, 5);
    EXPECT_EQ(rig.Commands(), (Trace{"S", "W090 005"})) << "and the next tick leaves it parked";
}

TEST(MainLifecycle, NothingButTheShutdownActsDuringTheParkingWait) {
    MainRig rig;
    rig.Start({{KeyParkingAz, "90"}, {KeyParkingEl, "5"}});
    rig.main->Show();
    rig.SetDirection("210", "20");
    rig.registry.SetString(MainRig::Key, "MJD", MjdAt(10, 5));
    bool acted = false;
    rig.ui.onPump = [&](int ms) {
        rig.now += std::chrono::milliseconds(ms);
        if (acted)
            return;
        acted = true;
        TMain& m = *rig.main;
        m.btnTracking.Click();
        m.KeyDown('T', ssCtrl);
        rig.Tick();
        m.bbLeft.Click();
        m.KeyDown('R', ssCtrl);
        for (Key k : {'P', 'Z', 'A', 'D', 'X'})
            m.KeyDown(k, ssCtrl);
        m.Close();
    };
    rig.main->Close();
    EXPECT_TRUE(acted);
    EXPECT_EQ(rig.trace, (Trace{"S", "W090 005", ""})) << "parking is the last command";
    EXPECT_TRUE(rig.messages.texts().empty());
    EXPECT_EQ(rig.dialogs.aboutShown, 0);
    EXPECT_FALSE(rig.main->Visible());
}

TEST(MainLifecycle, CommandsAndTheirShortcuts) {
    MainRig rig;
    rig.Start({{KeyParkingAz, "90"}, {KeyParkingEl, "5"}});
    rig.main->KeyDown('P', ssCtrl);
    EXPECT_EQ(rig.trace, Trace{"W090 005"});
    rig.main->KeyDown('A', ssCtrl);
    EXPECT_EQ(rig.dialogs.aboutShown, 1);

    const auto& items = rig.main->PopupMenu1.Items();
    ASSERT_EQ(items.size(), 6u);
    EXPECT_EQ(items[4], nullptr);
    Trace menu;
    for (const Action* a : items)
        if (a)
            menu.push_back(a->caption + " " + a->shortCut.Text());
    EXPECT_EQ(menu, (Trace{"Options Ctrl+Z", "Terminal Ctrl+T", "Go to Parking Ctrl+P",
                           "AboutBox Ctrl+A", "Exit Ctrl+X"}));

    rig.main->Show();
    rig.main->KeyDown('X', ssCtrl);
    EXPECT_FALSE(rig.main->Visible());
}

} // namespace
} // namespace zt
