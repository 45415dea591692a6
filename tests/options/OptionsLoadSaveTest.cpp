// What the dialog loads, and what OK and Cancel write back.
#include "tests/options/OptionsRig.h"

namespace zt {
namespace {

// A complete set-up with no default values in it.
const StoredKeys Configured = {
    {"/Options", {{"Left", "40"}, {"Top", "50"}, {"TabIndex", "1"}}},
    {"/Options/App",
     {{"App", "CALSAT32"},
      {"Inifile", "D:\\sat\\CALSAT32.INI"},
      {"RegKey", "\\Software\\Sat"},
      {"Elements", "D:\\sat\\ELEM.TXT"}}},
    {"/Options/Com",
     {{"ComPort", "com3"},
      {"BaudRate", "4800"},
      {"DataBits", "8"},
      {"Parity", "Even"},
      {"StopBits", "2"},
      {"FlowControl", "Software"}}},
    {"/Options/GS232",
     {{"Interval", "0"},
      {"AzRotator", "1"},
      {"ElRotator", "1"},
      {"AzOffset", "-20"},
      {"RotateSpeed", "3"},
      {"ParkingAz", "270"},
      {"ParkingEl", "90"},
      {"GoParking", "0"},
      {"GS232BReplies", "-1"}}},
};

class OptionsLoadSave : public OptionsTest {
protected:
    void SetUp() override {
        OptionsTest::SetUp();
        files.files = {"D:\\sat\\CALSAT32.INI", "D:\\sat\\ELEM.TXT", DefaultIni, DefaultElements};
        registry.keys["Software\\Sat"]["MJD"] = "1";
    }
};

TEST_F(OptionsLoadSave, OkAtOnceWritesBackExactlyWhatWasLoaded) {
    Store(Configured);
    auto dialog = Create();
    EXPECT_EQ(dialog->ParkingEl(), 90);
    EXPECT_EQ(dialog->edtParkingEl.Text(), "90");
    EXPECT_EQ(dialog->cmbStopBits.Text(), "2");
    EXPECT_EQ(dialog->rgpAzimuth.ItemIndex(), 1);
    EXPECT_EQ(dialog->cmbRotateSpeed.Text(), "High");
    EXPECT_FALSE(dialog->cbxGoParking.Checked());
    EXPECT_TRUE(dialog->cbxGs232BReplies.Checked());
    ASSERT_TRUE(Press(*dialog, dialog->btnOk0)); // lower-case com3 is the listed COM3
    EXPECT_EQ(dialog->GetModalResult(), ModalResult::Ok);
    StoredKeys expected = Configured;
    expected["/Options"] = {{"Left", std::to_string(dialog->Left())},
                            {"Top", std::to_string(dialog->Top())},
                            {"TabIndex", "1"}};
    EXPECT_EQ(Stored(), expected);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(OptionsLoadSave, FreshFileGetsTheDialogDefaultsAndTheFirstListedPort) {
    auto dialog = Create();
    EXPECT_EQ(dialog->cmbComPort.Items(),
              (std::vector<std::string>{"COM10", "com2", "COM3", "COM3"}));
    ASSERT_TRUE(Press(*dialog, dialog->btnOk1));
    const StoredKeys stored = Stored();
    EXPECT_EQ(stored.at("/Options/App"),
              (std::map<std::string, std::string>{{"App", "CALSAT32"},
                                                  {"Inifile", DefaultIni},
                                                  {"RegKey", DefaultRegKey},
                                                  {"Elements", DefaultElements}}));
    EXPECT_EQ(stored.at("/Options/Com"),
              (std::map<std::string, std::string>{{"ComPort", "COM10"},
                                                  {"BaudRate", "9600"},
                                                  {"DataBits", "8"},
                                                  {"Parity", "None"},
                                                  {"StopBits", "1"},
                                                  {"FlowControl", "Hardware"}}));
    EXPECT_EQ(stored.at("/Options/GS232"),
              (std::map<std::string, std::string>{{"Interval", "1000"},
                                                  {"AzRotator", "0"},
                                                  {"ElRotator", "0"},
                                                  {"AzOffset", "0"},
                                                  {"RotateSpeed", "1"},
                                                  {"ParkingAz", "0"},
                                                  {"ParkingEl", "0"},
                                                  {"GoParking", "-1"},
                                                  {"GS232BReplies", "0"}}));
}

// A settings file that does not parse (the way out the main window names at the start).
class OptionsCorruptFile : public OptionsLoadSave {
protected:
    void SetUp() override {
        OptionsLoadSave::SetUp();
        files.disk[File()] = Broken;
    }
    static constexpr const char* Broken = "<?xml version=\"1.0\"?>\n<Zenitrack><Options></Opt";
};

TEST_F(OptionsCorruptFile, OpensWithTheDefaultsSayingSoOnceAndOkReplacesTheFile) {
    auto dialog = Create();
    ASSERT_EQ(messages.texts().size(), 1u);
    EXPECT_NE(messages.texts()[0].find("OKで設定ファイルを置き換えます"), std::string::npos)
        << messages.texts()[0];
    EXPECT_TRUE(dialog->FirstStart()) << "no set-up to protect";
    EXPECT_EQ(dialog->IniFile(), DefaultIni);
    EXPECT_EQ(dialog->ComPort(), "COM10");
    dialog->cmbApp.EnterText("OTHER"); // looks up /Registry in the file found
    EXPECT_EQ(files.disk.at(File()), Broken) << "nothing written before OK";
    ASSERT_TRUE(Press(*dialog, dialog->btnOk1));
    EXPECT_EQ(messages.texts().size(), 1u);
    const StoredKeys stored = Stored();
    EXPECT_EQ(stored.at("/Options/Com").at("ComPort"), "COM10");
    EXPECT_EQ(stored.at("/Options/App").at("App"), "OTHER");
    EXPECT_FALSE(Create()->FirstStart()) << "the next showing reads the new set-up";
}

TEST_F(OptionsCorruptFile, CancelLeavesTheFileAsItWas) {
    for (bool okFirst : {false, true}) {
        files.disk[File()] = Broken;
        SetPorts(okFirst ? std::vector<std::string>{} : std::vector<std::string>{"COM3"});
        auto dialog = Create();
        if (okFirst) {
            EXPECT_FALSE(Press(*dialog, dialog->btnOk0)) << "the check rejects it";
            EXPECT_EQ(Stored().count("/Options/Com"), 1u) << "OK wrote a new file";
        }
        EXPECT_TRUE(Press(*dialog, dialog->btnCancel0)) << okFirst;
        EXPECT_EQ(files.disk.at(File()), Broken) << okFirst;
    }
}

TEST_F(OptionsLoadSave, RadioGroupsWriteTheChosenOrdinals) {
    Store(Configured);
    auto dialog = Create();
    dialog->rgpAzimuth.ClickItem(1);   // 360°
    dialog->rgpElevation.ClickItem(2); // None
    ASSERT_TRUE(Press(*dialog, dialog->btnOk2));
    EXPECT_EQ(Stored()["/Options/GS232"]["AzRotator"], "1");
    EXPECT_EQ(Stored()["/Options/GS232"]["ElRotator"], "2");
}

TEST_F(OptionsLoadSave, CancelChangesOnlyThePlacement) {
    Store(Configured);
    auto dialog = Create();
    dialog->edtIntervalTime.EnterText("500");
    dialog->rgpAzimuth.ClickItem(0);
    dialog->cmbBaudRate.SelectItem(0);
    dialog->PageControl1.SelectPage(2);
    dialog->SetBounds(300, 200, dialog->Width(), dialog->Height());
    ASSERT_TRUE(Press(*dialog, dialog->btnCancel1));
    EXPECT_EQ(dialog->GetModalResult(), ModalResult::Cancel);
    StoredKeys expected = Configured;
    expected["/Options"] = {{"Left", "300"}, {"Top", "200"}, {"TabIndex", "2"}};
    EXPECT_EQ(Stored(), expected);
}

TEST_F(OptionsLoadSave, EditsInEveryBoxReachWhatOkWrites) {
    Store(Configured);
    auto dialog = Create();
    dialog->edtInifile.EnterText(DefaultIni);
    dialog->edtElements.EnterText(DefaultElements);
    dialog->edtRegKey.EnterText(DefaultRegKey);
    dialog->cmbBaudRate.SelectItem(8);
    dialog->cmbParity.SelectItem(3);
    dialog->cmbStopBits.SelectItem(0);
    dialog->cmbFlowControl.EnterText("None");
    dialog->cmbRotateSpeed.SelectItem(0);
    dialog->cmbRotateSpeed.EnterText("Fast"); // not an item: the speed stays Low
    dialog->edtParkingAz.EnterText("15");
    dialog->edtParkingEl.EnterText("30");
    dialog->cbxGoParking.Click();
    dialog->cbxGs232BReplies.Click();
    ASSERT_TRUE(Press(*dialog, dialog->btnOk0));
    StoredKeys stored = Stored();
    EXPECT_EQ(stored["/Options/App"]["Inifile"], DefaultIni);
    EXPECT_EQ(stored["/Options/App"]["Elements"], DefaultElements);
    EXPECT_EQ(stored["/Options/App"]["RegKey"], DefaultRegKey);
    EXPECT_EQ(stored["/Options/Com"]["BaudRate"], "384000");
    EXPECT_EQ(stored["/Options/Com"]["Parity"], "");
    EXPECT_EQ(stored["/Options/Com"]["StopBits"], "1");
    EXPECT_EQ(stored["/Options/Com"]["FlowControl"], "None");
    EXPECT_EQ(stored["/Options/GS232"]["RotateSpeed"], "0");
    EXPECT_EQ(stored["/Options/GS232"]["ParkingAz"], "15");
    EXPECT_EQ(stored["/Options/GS232"]["ParkingEl"], "30");
    EXPECT_EQ(stored["/Options/GS232"]["GoParking"], "-1");
    EXPECT_EQ(stored["/Options/GS232"]["GS232BReplies"], "0");
}

TEST_F(OptionsLoadSave, UnreadableNumberIsReportedAndTheKeysAfterItStillLoad) {
    StoredKeys bad = Configured;
    bad["/Options/Com"]["BaudRate"] = "fast";
    bad["/Options/GS232"]["GoParking"] = "maybe";
    bad["/Options/GS232"]["GS232BReplies"] = "yes";
    Store(bad);
    auto dialog = Create();
    EXPECT_EQ(messages.texts(), (std::vector<std::string>{"''fast'' は整数ではありません",
                                                          "'maybe' は正しい論理型ではありません",
                                                          "'yes' は正しい論理型ではありません"}));
    EXPECT_EQ(dialog->BaudRate(), 9600);
    EXPECT_EQ(dialog->Parity(), "Even");
    EXPECT_EQ(dialog->ParkingEl(), 90);
    EXPECT_TRUE(dialog->GoParking());
    EXPECT_FALSE(dialog->Gs232BReplies());
}

TEST_F(OptionsLoadSave, PlacementChoosesThePageAndCentresAnUnplacedDialog) {
    const struct {
        const char* tabIndex;
        int page;
    } cases[] = {{"0", 0}, {"1", 1}, {"2", 2}, {"3", 0}, {"-1", 0}};
    for (const auto& c : cases) {
        Store({{"/Options", {{"Left", "0"}, {"Top", "0"}, {"TabIndex", c.tabIndex}}}});
        auto dialog = Create();
        EXPECT_EQ(dialog->PageControl1.ActivePageIndex(), c.page) << c.tabIndex;
        EXPECT_EQ(dialog->Left(), (1280 - dialog->Width()) / 2);
        EXPECT_EQ(dialog->ClientWidth(), 351);
        EXPECT_EQ(dialog->ClientHeight(), 248);
    }
}

} // namespace
} // namespace zt
