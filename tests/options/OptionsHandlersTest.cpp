// What typing, clicking and picking in the dialog does to the held values.
#include "settings/uOptionsRules.h"
#include "tests/options/OptionsRig.h"

namespace zt {
namespace {

TEST_F(OptionsTest, TypingAPortNameReportsEveryPrefixThatIsNotAPort) {
    SetPorts({"COM3", "COM10"});
    auto dialog = Create();
    ASSERT_EQ(dialog->ComPort(), "COM10");
    dialog->btnOk1.SetFocus();
    for (const char* prefix : {"c", "co", "com", "com1"}) {
        messages.shown.clear();
        dialog->cmbComPort.EnterText(prefix);
        ASSERT_EQ(messages.shown.size(), 1u) << prefix;
        EXPECT_EQ(messages.shown[0].text, "ComPortのPort No.が誤っています");
        EXPECT_TRUE(messages.shown[0].centred);
        EXPECT_EQ(dialog->ActiveControl(), &dialog->cmbComPort) << prefix;
        EXPECT_EQ(dialog->ComPort(), "COM10") << prefix;
    }
    messages.shown.clear();
    dialog->cmbComPort.EnterText("com3");
    EXPECT_EQ(dialog->ComPort(), "COM3") << "the list's own spelling";
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(OptionsTest, NumberBoxesTakeOnlyIntegersAndKeepTheHeldValueOtherwise) {
    auto dialog = Create();
    const struct {
        Edit TOptions::*box;
        int (TOptions::*held)() const;
        std::string text;
        int expected; // held value afterwards
        std::string error;
    } cases[] = {
        {&TOptions::edtIntervalTime, &TOptions::IntervalTime, "250", 250, ""},
        {&TOptions::edtIntervalTime, &TOptions::IntervalTime, "25a", 250,
         "''25a'' は整数ではありません"},
        {&TOptions::edtIntervalTime, &TOptions::IntervalTime, "", 250, "'''' は整数ではありません"},
        {&TOptions::edtIntervalTime, &TOptions::IntervalTime, "0", 0, ""},
        {&TOptions::edtAzOffset, &TOptions::AzOffset, "-15", -15, ""},
        {&TOptions::edtAzOffset, &TOptions::AzOffset, "-", -15, "''-'' は整数ではありません"},
        {&TOptions::edtAzOffset, &TOptions::AzOffset, "1.5", -15, "''1.5'' は整数ではありません"},
    };
    for (const auto& c : cases) {
        messages.shown.clear();
        ((*dialog).*c.box).EnterText(c.text);
        EXPECT_EQ(((*dialog).*c.held)(), c.expected) << c.text;
        EXPECT_EQ(messages.texts(),
                  c.error.empty() ? std::vector<std::string>{} : std::vector{c.error})
            << c.text;
    }
}

TEST_F(OptionsTest, GetPositionAsksTheOpenLinkOnly) {
    auto dialog = Create();
    rig.AnswerQueries("+0123+0045\r\n");
    dialog->btnGetPosition.Click();
    EXPECT_EQ(rig.device.Written(), "") << "a closed link is not asked";
    EXPECT_EQ(dialog->edtParkingAz.Text(), "0");

    rig.OpenQuietly();
    rig.AnswerQueries("+0123+0045\r\n");
    dialog->btnGetPosition.Click();
    EXPECT_EQ(rig.device.TakeWritten(), "C2\r");
    EXPECT_EQ(dialog->edtParkingAz.Text(), "123");
    EXPECT_EQ(dialog->edtParkingEl.Text(), "45");
    EXPECT_EQ(dialog->ParkingAz(), 123);
    EXPECT_EQ(dialog->ParkingEl(), 45);

    rig.AnswerQueries(""); // no reply: nothing changes
    dialog->btnGetPosition.Click();
    EXPECT_EQ(dialog->ParkingAz(), 123);
    EXPECT_EQ(dialog->ParkingEl(), 45);
}

TEST_F(OptionsTest, GetPositionReadsTheRepliesTheDialogShows) {
    auto dialog = Create();
    rig.OpenQuietly();
    dialog->cbxGs232BReplies.Click();
    rig.AnswerQueries("AZ=123  EL=045\r\n");
    dialog->btnGetPosition.Click();
    EXPECT_EQ(dialog->ParkingAz(), 123);
    EXPECT_EQ(dialog->ParkingEl(), 45);
    EXPECT_FALSE(rig.gs.Gs232BReplies()) << "the controller's own style holds until OK";
}

TEST_F(OptionsTest, GetPositionOnADeadLinkReportsEveryTime) {
    auto dialog = Create();
    rig.OpenQuietly();
    rig.device.Fail(FakeSerialDevice::Op::Write, 1117);
    rig.device.Fail(FakeSerialDevice::Op::Read, 1117);
    for (int press = 1; press <= 2; ++press) {
        messages.shown.clear();
        rig.messages.shown.clear();
        dialog->btnGetPosition.Click();
        EXPECT_EQ(rig.messages.texts(), (std::vector<std::string>{"Send Error", "Recv Error"}))
            << "press " << press;
    }
    EXPECT_EQ(dialog->ParkingAz(), 0);
}

TEST_F(OptionsTest, FilePickersStartAtTheBoxTextAndTakeOnlyAConfirmedFile) {
    auto dialog = Create();
    fileDialog.answer = "E:\\new\\sat.ini";
    dialog->btnFile1.Click();
    ASSERT_EQ(fileDialog.requests.size(), 1u);
    EXPECT_EQ(fileDialog.requests[0].initialDir, "C:\\Calsat32");
    EXPECT_EQ(fileDialog.requests[0].fileName, "CALSAT32.INI");
    EXPECT_EQ(fileDialog.requests[0].defaultExt, ".ini");
    EXPECT_EQ(fileDialog.requests[0].filter, "Ini file (*.*)|*.ini");
    EXPECT_EQ(dialog->IniFile(), "E:\\new\\sat.ini");
    EXPECT_EQ(dialog->edtInifile.Text(), "E:\\new\\sat.ini");

    fileDialog.answer.reset();
    dialog->btnFile2.Click();
    EXPECT_EQ(fileDialog.requests[1].defaultExt, ".TXT");
    EXPECT_EQ(fileDialog.requests[1].filter, "Text file (*.*)|*.TXT");
    EXPECT_EQ(dialog->Elements(), DefaultElements);
}

TEST(OptionsPickerPath, SplitsFolderAndName) {
    const struct {
        std::string text, folder, name;
    } cases[] = {
        {"C:\\Calsat32\\CALSAT32.INI", "C:\\Calsat32", "CALSAT32.INI"},
        {"C:\\a.ini", "C:\\", "a.ini"},
        {"\\a.ini", "\\", "a.ini"},
        {"C:a.ini", "C:", "a.ini"},
        {"a.ini", "", "a.ini"},
        {"\\\\srv\\share\\a.ini", "\\\\srv\\share", "a.ini"},
        {"D:\\dir\\", "D:\\dir", ""},
        {"", "", ""},
    };
    for (const auto& c : cases) {
        const PickerStart start = SplitPickerPath(c.text);
        EXPECT_EQ(start.folder, c.folder) << c.text;
        EXPECT_EQ(start.fileName, c.name) << c.text;
    }
}

TEST_F(OptionsTest, ParentAppLooksUpItsRegistryKeyInTheSettings) {
    auto dialog = Create();
    dialog->cmbApp.EnterText("CALSAT3");
    EXPECT_EQ(dialog->RegKey(), DefaultRegKey) << "no /Registry section: nothing changes";
    Store({{"/Registry", {{"CALSAT32", "\\Software\\Elsewhere"}}}});
    dialog->cmbApp.SelectItem(0);
    EXPECT_EQ(dialog->RegKey(), "\\Software\\Elsewhere");
    EXPECT_EQ(dialog->edtRegKey.Text(), "\\Software\\Elsewhere");
    dialog->cmbApp.EnterText("OTHER");
    EXPECT_EQ(dialog->RegKey(), "");
    EXPECT_EQ(dialog->GetApp(), "OTHER");
}

} // namespace
} // namespace zt
