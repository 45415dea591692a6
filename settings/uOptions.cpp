// Creation, loading and saving, and the closing check.
#include "settings/uOptions.h"

#include "platform/ScopeGuard.h"
#include "rotator/GS232.h"
#include "settings/XMLDocumentFile.h"
#include "settings/XMLErrors.h"
#include "settings/XMLInifile.h"
#include "settings/uOptionsRules.h"
#include "ui/Application.h"

namespace zt {
namespace {

constexpr const char* SerialPortMap = "HARDWARE\\DEVICEMAP\\SERIALCOMM";
// Added to the parse error of a settings file the dialog cannot read.
constexpr const char* UnreadableFileNote = "\r\n既定値で開きます。OKで設定ファイルを置き換えます";

// A hand-edited value that does not convert is reported and its default stands in, so
// that OK does not write empty values over the keys after it.
template <class T, class Read, class Set>
void LoadKey(IMessageBox& messages, Read read, const T& Default, Set set) {
    T value = Default;
    try {
        value = read();
    } catch (const EConvertError& e) {
        messages.Show(e.what(), MessageKind::Error);
    }
    set(value);
}

} // namespace

TOptions::TOptions(Application& app, const TOptionsServices& services, std::string settingsFile,
                   TGS232& gs232)
    : Form(app), FServices(services), FGs232(gs232), FXMLIniFile(std::move(settingsFile)) {
    LayOut();
    ConnectHandlers();
}

void TOptions::FormCreate() {
    ListComPorts();
    KeepFileAsFound();
    LoadPlacement();
    LoadOptions();
}

void TOptions::ListComPorts() {
    for (const std::string& port : FServices.Registry.LocalMachineStrings(SerialPortMap))
        cmbComPort.AddItem(port);
}

void TOptions::KeepFileAsFound() {
    if (!FServices.Files.Exists(FXMLIniFile))
        return;
    FFileAsFound = FServices.Files.ReadAll(FXMLIniFile);
    try {
        TXMLIniFile ini(FServices.Files, FXMLIniFile, FServices.Formats);
    } catch (const EDOMParseError& e) {
        // Options is the way out the main window names for such a file.
        FFileUnreadable = true;
        App().Messages().Show(e.what() + std::string(UnreadableFileNote), MessageKind::Warning);
    }
}

std::unique_ptr<TXMLIniFile> TOptions::OpenFoundSettings() {
    // Without a file name the store stays in memory.
    return std::make_unique<TXMLIniFile>(
        FServices.Files, FFileUnreadable ? std::string() : FXMLIniFile, FServices.Formats);
}

void TOptions::ReplaceUnreadableFile() {
    if (!FFileUnreadable)
        return;
    TXMLIniFile blank(FServices.Files, "", FServices.Formats);
    ReplaceFileContents(FServices.Files, FXMLIniFile, SerializeXml(blank.XMLDocument()));
    FFileUnreadable = false;
}

void TOptions::RestoreFileAsFound() {
    if (FFileAsFound)
        ReplaceFileContents(FServices.Files, FXMLIniFile, *FFileAsFound);
    else
        FServices.Files.RemoveFile(FXMLIniFile);
}

void TOptions::LoadPlacement() {
    const auto found = OpenFoundSettings();
    TXMLIniFile& ini = *found;
    ini.OpenNode(SectionOptions, true);
    const int left = ini.ReadInteger(KeyLeft, 0);
    const int top = ini.ReadInteger(KeyTop, 0);
    if (left == 0 && top == 0)
        CenterOnScreen();
    else
        SetBounds(left, top, Width(), Height());
    // Any other page number leaves the first page open.
    const int page = ini.ReadInteger(KeyTabIndex, 0);
    PageControl1.SetActivePageIndex(page >= 0 && page <= 2 ? page : 0);
}

void TOptions::LoadOptions() {
    const auto found = OpenFoundSettings();
    TXMLIniFile& ini = *found;
    FFirstStart = !ini.NodeExists(SectionOptionsCom);
    IMessageBox& messages = App().Messages();
    const auto text = [&](const char* key, const std::string& Default,
                          void (TOptions::*set)(const std::string&)) {
        (this->*set)(ini.ReadString(key, Default));
    };
    const auto number = [&](const char* key, int Default, auto set) {
        LoadKey(
            messages, [&] { return ini.ReadInteger(key, Default); }, Default, set);
    };

    ini.OpenNode(SectionOptionsApp, true);
    text(KeyApp, "CALSAT32", &TOptions::SetApp);
    text(KeyInifile, "C:\\Calsat32\\CALSAT32.INI", &TOptions::SetIniFile);
    text(KeyRegKey, "\\Software\\VB and VBA Program Settings\\TAVMIR\\CALSAT32",
         &TOptions::SetRegKey);
    text(KeyElements, "C:\\Calsat32\\ELEM.TXT", &TOptions::SetElements);

    ini.OpenNode(SectionOptionsCom, true);
    const auto& ports = cmbComPort.Items();
    text(KeyComPort, ports.empty() ? std::string() : ports.front(), &TOptions::SetComPort);
    number(KeyBaudRate, 9600, [this](int v) { SetBaudRate(v); });
    text(KeyDataBits, "8", &TOptions::SetDataBits);
    text(KeyParity, "None", &TOptions::SetParity);
    text(KeyStopBits, "1", &TOptions::SetStopBits);
    text(KeyFlowControl, "Hardware", &TOptions::SetFlowControl);

    ini.OpenNode(SectionOptionsGS232, true);
    // An ordinal the radio groups do not offer selects their first item.
    number(KeyAzRotator, az450, [this](int v) { SetAzRotator(v == az360 ? az360 : az450); });
    number(KeyElRotator, el180, [this](int v) {
        SetElRotator(v == el90 || v == elNone ? static_cast<TElRotator>(v) : el180);
    });
    number(KeyInterval, 1000, [this](int v) { SetIntervalTime(v); });
    number(KeyAzOffset, 0, [this](int v) { SetAzOffset(v); });
    number(KeyRotateSpeed, 1, [this](int v) { SetRotaterSpeed(v); });
    number(KeyParkingAz, 0, [this](int v) { SetParkingAz(v); });
    number(KeyParkingEl, 0, [this](int v) { SetParkingEl(v); });
    const auto flag = [&](const char* key, bool Default, void (TOptions::*set)(bool)) {
        LoadKey(
            messages, [&] { return ini.ReadBool(key, Default); }, Default,
            [&](bool v) { (this->*set)(v); });
    };
    flag(KeyGoParking, true, &TOptions::SetGoParking);
    flag(KeyGs232BReplies, false, &TOptions::SetGs232BReplies);
}

void TOptions::SavePlacement() {
    TXMLIniFile ini(FServices.Files, FXMLIniFile, FServices.Formats);
    ini.OpenNode(SectionOptions, true);
    ini.WriteInteger(KeyLeft, Left());
    ini.WriteInteger(KeyTop, Top());
    ini.WriteInteger(KeyTabIndex, PageControl1.ActivePageIndex());
    ini.CloseNode();
    ini.UpdateFile();
}

void TOptions::SaveOptions() {
    TXMLIniFile ini(FServices.Files, FXMLIniFile, FServices.Formats);
    ini.OpenNode(SectionOptionsApp, true);
    ini.WriteString(KeyApp, FApp);
    ini.WriteString(KeyInifile, FIniFile);
    ini.WriteString(KeyRegKey, FRegKey);
    ini.WriteString(KeyElements, FElements);
    ini.CloseNode();
    ini.UpdateFile();

    ini.OpenNode(SectionOptionsCom, true);
    ini.WriteString(KeyComPort, FComPort);
    ini.WriteInteger(KeyBaudRate, FBaudRate);
    ini.WriteString(KeyDataBits, FDataBits);
    ini.WriteString(KeyParity, FParity);
    ini.WriteString(KeyStopBits, FStopBits);
    ini.WriteString(KeyFlowControl, FFlowControl);
    ini.CloseNode();
    ini.UpdateFile();

    ini.OpenNode(SectionOptionsGS232, true);
    ini.WriteInteger(KeyInterval, FIntervalTime);
    ini.WriteInteger(KeyAzRotator, FAzRotator);
    ini.WriteInteger(KeyElRotator, FElRotator);
    ini.WriteInteger(KeyAzOffset, FAzOffset);
    ini.WriteInteger(KeyRotateSpeed, FRotateSpeed);
    ini.WriteInteger(KeyParkingAz, FParkingAz);
    ini.WriteInteger(KeyParkingEl, FParkingEl);
    ini.WriteBool(KeyGoParking, FGoParking);
    ini.WriteBool(KeyGs232BReplies, FGs232BReplies);
    ini.CloseNode();
    ini.UpdateFile();
}

void TOptions::btnOk0Click() {
    // A save that fails part-way may have written some of the set-up already.
    FOptionsWritten = true;
    bool saved = false;
    // Settings that could not be written must not look confirmed.
    const auto unconfirmed = ScopeExit([&] {
        if (!saved)
            SetModalResult(ModalResult::None);
    });
    ReplaceUnreadableFile();
    SavePlacement();
    SaveOptions();
    saved = true;
}

void TOptions::btnCancel0Click() {
    // At the first start Cancel leaves the file as the dialog found it.
    if (!FFirstStart)
        SavePlacement();
}

void TOptions::FormCloseQuery(bool& CanClose) {
    // Cancel can only be refused to protect the set-up once this dialog's OK has written
    // something the check rejects. Otherwise the file still holds what it held before, and
    // refusing would trap a user whose port or files have gone: the check then only reports.
    // At the first start there is no set-up yet: Cancel ends the program, and undoes
    // what an earlier OK wrote, so the dialog opens again at the next start.
    if (GetModalResult() == ModalResult::Cancel && FFirstStart) {
        // A missing file was made by this dialog's own first store.
        if (FOptionsWritten || !FFileAsFound)
            RestoreFileAsFound();
        CanClose = true;
        return;
    }
    if (GetModalResult() == ModalResult::Cancel && !FOptionsWritten) {
        ValidateOptions();
        CanClose = true;
        return;
    }
    CanClose = ValidateOptions();
}

bool TOptions::ValidateOptions() {
    IMessageBox& messages = App().Messages();
    if (!CheckFile(FServices.Files, messages, KeyInifile, FIniFile) ||
        !CheckFile(FServices.Files, messages, KeyElements, FElements))
        return false;
    if (FRegKey.empty()) {
        ShowError(edtInifile.Text() + "のレジストリ指定が空白です");
        return false;
    }
    if (!FServices.Registry.KeyOpens(FRegKey)) {
        ShowError(edtInifile.Text() + "のレジストリが読めません");
        return false;
    }
    if (!FindPort(cmbComPort.Items(), FComPort)) {
        ShowError("Com PortのPort No.が誤っています");
        return false;
    }
    return true;
}

void TOptions::ShowError(const std::string& text) {
    App().Messages().Show(text, MessageKind::Error, true);
}

} // namespace zt
