// The closing check: its order, its messages, and when Cancel may skip it.
#include "tests/options/OptionsRig.h"

#include <functional>

namespace zt {
namespace {

class OptionsClose : public OptionsTest {
protected:
    void SetUp() override {
        OptionsTest::SetUp();
        Configure();
    }
    void Configure() { Store({{"/Options/Com", {{"ComPort", "COM3"}}}}); }
};

TEST_F(OptionsClose, FirstFailureIsReportedCentredAndOkStaysOpen) {
    const std::vector<std::string> listed{"COM3"};
    const struct {
        const char* name;
        std::function<void(TOptions&)> setup;
        std::string message;
        std::vector<std::string> ports;
    } cases[] = {
        {"empty INI path and missing elements",
         [](TOptions& d) {
             d.SetIniFile("");
             d.SetElements("D:\\none.txt");
         },
         "Inifileの指定が空白です", listed},
        {"missing INI file", [](TOptions& d) { d.SetIniFile("D:\\gone.ini"); },
         "InifileのD:\\gone.ini ファイルが見つかりません", listed},
        {"empty elements path and no registry key",
         [](TOptions& d) {
             d.SetElements("");
             d.SetRegKey("");
         },
         "Elementsの指定が空白です", listed},
        {"missing elements file", [](TOptions& d) { d.SetElements("D:\\gone.txt"); },
         "ElementsのD:\\gone.txt ファイルが見つかりません", listed},
        {"empty registry key", [](TOptions& d) { d.SetRegKey(""); },
         DefaultIni + "のレジストリ指定が空白です", listed},
        {"registry key that does not open", [](TOptions& d) { d.SetRegKey("\\Software\\Nobody"); },
         DefaultIni + "のレジストリが読めません", listed},
        {"port not in the list", [](TOptions& d) { d.SetComPort("COM9"); },
         "Com PortのPort No.が誤っています", listed},
        {"no serial ports at all", [](TOptions&) {}, "Com PortのPort No.が誤っています", {}},
    };
    for (const auto& c : cases) {
        for (bool ok : {true, false}) {
            messages.shown.clear();
            Configure();
            SetPorts(c.ports);
            auto dialog = Create();
            c.setup(*dialog);
            // Cancel reports the broken set-up but may leave: nothing was written.
            EXPECT_EQ(Press(*dialog, ok ? dialog->btnOk0 : dialog->btnCancel2), !ok) << c.name;
            EXPECT_EQ(dialog->GetModalResult(), ok ? ModalResult::None : ModalResult::Cancel)
                << c.name;
            ASSERT_EQ(messages.shown.size(), 1u) << c.name;
            EXPECT_EQ(messages.shown[0].text, c.message) << c.name;
            EXPECT_EQ(messages.shown[0].kind, MessageKind::Error);
            EXPECT_TRUE(messages.shown[0].centred);
        }
    }
}

TEST_F(OptionsClose, RegistryMessageNamesTheIniBoxText) {
    auto dialog = Create();
    dialog->SetRegKey("");
    dialog->edtInifile.EnterText("D:\\typed.ini");
    files.files.insert("D:\\typed.ini");
    EXPECT_FALSE(Press(*dialog, dialog->btnOk0));
    EXPECT_EQ(messages.texts(),
              std::vector<std::string>{"D:\\typed.iniのレジストリ指定が空白です"});
}

TEST_F(OptionsClose, OkWritesTheSettingsEvenWhenTheCheckFails) {
    auto dialog = Create();
    dialog->edtIntervalTime.EnterText("250");
    dialog->SetIniFile("D:\\gone.ini");
    EXPECT_FALSE(Press(*dialog, dialog->btnOk0));
    EXPECT_EQ(Stored()["/Options/GS232"]["Interval"], "250");
    EXPECT_EQ(Stored()["/Options/App"]["Inifile"], "D:\\gone.ini");
}

TEST_F(OptionsClose, CancelIsRefusedOnceAFailedOkHasWrittenTheSettings) {
    auto dialog = Create();
    dialog->SetComPort("COM9");
    EXPECT_FALSE(Press(*dialog, dialog->btnOk0));
    EXPECT_FALSE(Press(*dialog, dialog->btnCancel1)) << "the file now holds the bad port";
    EXPECT_EQ(messages.texts(), std::vector<std::string>(2, "Com PortのPort No.が誤っています"));
}

TEST_F(OptionsClose, CancelChecksASetUpThatAFailedSaveWrotePartWay) {
    auto dialog = Create();
    dialog->SetIniFile("D:\\gone.ini");
    files.renamesBeforeFailure = 2; // the placement and /Options/App reach the file
    EXPECT_FALSE(Press(*dialog, dialog->btnOk0));
    ASSERT_EQ(Stored()["/Options/App"]["Inifile"], "D:\\gone.ini");
    ASSERT_EQ(messages.shown.size(), 1u) << "the failed save";
    files.renamesBeforeFailure = -1;
    EXPECT_FALSE(Press(*dialog, dialog->btnCancel0));
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[1].text, "InifileのD:\\gone.ini ファイルが見つかりません");
}

TEST_F(OptionsClose, EnterIsOkAndEscIsCancelOnEveryPage) {
    for (int page = 0; page < 3; ++page) {
        for (Key key : {vkReturn, vkEscape}) {
            auto dialog = Create();
            dialog->PageControl1.SelectPage(page);
            host.Script([key](Form& shown) { shown.KeyDown(key, ssNone); });
            EXPECT_EQ(dialog->ShowModal(), key == vkReturn ? ModalResult::Ok : ModalResult::Cancel)
                << page;
            EXPECT_EQ(Stored()["/Options"]["TabIndex"], std::to_string(page));
        }
    }
}

class OptionsFirstStart : public OptionsTest {
protected:
    // What the main window's first store leaves, with a key the user wrote by hand.
    void SetUp() override {
        OptionsTest::SetUp();
        Store({{"/Main", {{"Left", "5"}}}, {"/Options/App", {{"Inifile", "D:\\sat.ini"}}}});
        files.files.insert("D:\\sat.ini");
        found = files.disk.at(File());
        files.calls.clear();
    }
    // The calls that changed the disk.
    std::vector<std::string> Writes() const {
        std::vector<std::string> writes;
        for (const std::string& call : files.calls)
            if (call.rfind("Exists", 0) != 0 && call.rfind("ReadAll", 0) != 0 &&
                call.rfind("ResolvedPath", 0) != 0)
                writes.push_back(call);
        return writes;
    }
    std::string found;
};

TEST_F(OptionsFirstStart, CancelWritesNothingAtAll) {
    auto dialog = Create();
    ASSERT_TRUE(dialog->FirstStart());
    dialog->PageControl1.SelectPage(2);
    EXPECT_TRUE(Press(*dialog, dialog->btnCancel1));
    EXPECT_EQ(Writes(), std::vector<std::string>{});
    EXPECT_EQ(files.disk.at(File()), found);
}

TEST_F(OptionsFirstStart, CancelLeavesNoFileWhereThereWasNone) {
    files.disk.clear();
    auto dialog = Create();
    EXPECT_TRUE(Press(*dialog, dialog->btnCancel0));
    EXPECT_TRUE(files.disk.empty());
}

TEST_F(OptionsFirstStart, CancelAfterAFailedOkLeavesTheFileAsItWas) {
    SetPorts({});
    auto dialog = Create();
    EXPECT_FALSE(Press(*dialog, dialog->btnOk0));
    ASSERT_EQ(Stored().count("/Options/Com"), 1u) << "OK writes before its check";
    EXPECT_TRUE(Press(*dialog, dialog->btnCancel0));
    EXPECT_EQ(files.disk.at(File()), found);
    EXPECT_TRUE(Create()->FirstStart()) << "the dialog opens again at the next start";
}

TEST_F(OptionsFirstStart, CancelLeavesWithoutTheCheckEvenAfterAFailedOk) {
    SetPorts({});
    auto dialog = Create();
    EXPECT_TRUE(dialog->FirstStart());
    EXPECT_FALSE(Press(*dialog, dialog->btnOk0)) << "OK is still checked";
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"Com PortのPort No.が誤っています"});
    messages.shown.clear();
    EXPECT_TRUE(Press(*dialog, dialog->btnCancel0));
    EXPECT_EQ(dialog->GetModalResult(), ModalResult::Cancel);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(OptionsFirstStart, CancelWithoutAnyEarlyOkLeavesNoSerialSection) {
    SetPorts({});
    auto dialog = Create();
    EXPECT_TRUE(Press(*dialog, dialog->btnCancel0));
    EXPECT_EQ(Stored().count("/Options/Com"), 0u);
}

} // namespace
} // namespace zt
