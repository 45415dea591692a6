// The main window's life cycle: creation, the start-up block, re-configuration, shutdown.
#include "app/uMain.h"

#include "platform/ConvertError.h"
#include "platform/ScopeGuard.h"
#include "settings/XMLErrors.h"
#include "settings/XMLInifile.h"
#include "ui/Application.h"

#include <exception>
#include <optional>

namespace zt {
namespace {

constexpr const char* RegistryUnreadable = "CALSAT32のレジストリが読めません";
// Added to the parse error of a settings file that cannot be read at the start.
constexpr const char* SettingsWayOut =
    "を直すか、Options(Ctrl+Z)で新しい設定に置き換えるか、Exit(Ctrl+X)で終了してください";

// The path with its extension (if the file name has one) replaced.
std::string ChangeFileExt(const std::string& path, const std::string& ext) {
    const auto dot = path.find_last_of('.');
    const auto slash = path.find_last_of("\\/:");
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return path + ext;
    return path.substr(0, dot) + ext;
}

// Stored ordinals; an unknown one falls back to the widest range.
TAzRotator AzRotatorOf(int ordinal) {
    return ordinal == az360 ? az360 : az450;
}

TElRotator ElRotatorOf(int ordinal) {
    return ordinal == el90 || ordinal == elNone ? static_cast<TElRotator>(ordinal) : el180;
}

// A hand-edited value that does not convert is reported, and the default stands in for that
// key alone.
template <class T, class Read> T ReadOr(IMessageBox& messages, T Default, Read read) {
    try {
        return read(Default);
    } catch (const EConvertError& e) {
        messages.Show(e.what(), MessageKind::Error);
        return Default;
    }
}

} // namespace

std::optional<std::string> TMain::SettingsFileError() const {
    try {
        TXMLIniFile ini(Services.Files, XmlIniFile, Services.Formats);
        return std::nullopt;
    } catch (const EXMLDocError& e) {
        return std::string(e.what());
    }
}

void TMain::FormCreate() {
    actTerminal.enabled = false;
    lblSatellite.SetCaption("Satllite");
    for (Label* l : {&lblSatelliteAz, &lblSatelliteEl, &lblAntennaAz, &lblAntennaEl, &lblRotatorAz,
                     &lblRotatorEl, &lblYMD, &lblAOSAz, &lblRotateModeName})
        l->SetCaption("");
    Alert = alNone;
    XmlIniFile = ChangeFileExt(Services.ExecutablePath, ".xml");
    if (const auto error = SettingsFileError()) {
        // Every later read would meet the same error, the start-up block's too: it is
        // reported once, and the file is left alone until Options writes a new set-up.
        const std::string name = XmlIniFile.substr(XmlIniFile.find_last_of("\\/:") + 1);
        App().Messages().Show(*error + "\r\n" + name + SettingsWayOut, MessageKind::Error);
        SaveOnClose = false;
        CenterOnScreen();
    } else {
        ReadPlacementAndAlerts();
        ReadSettings();
        TimeOffsetReader.ReadTimeOffset(ParentApp, ParentInifile, ObsPoint);
        Init = true;
    }
    FollowParentWindow();
}

int TMain::ReadIntegerOr(TXMLIniFile& ini, const char* key, int Default) {
    return ReadOr(App().Messages(), Default, [&](int d) { return ini.ReadInteger(key, d); });
}

bool TMain::OnSomeScreen(int left, int top) const {
    return Services.Windows.OnSomeScreen({left, top, left + Width(), top + Height()});
}

void TMain::ReadPlacementAndAlerts() {
    TXMLIniFile ini(Services.Files, XmlIniFile, Services.Formats);
    ini.OpenNode(SectionMain, true);
    const int left = ReadIntegerOr(ini, KeyLeft, 0);
    const int top = ReadIntegerOr(ini, KeyTop, 0);
    ini.OpenNode(SectionAlert, true);
    PreAOSTime = ReadIntegerOr(ini, KeyPreAosTime, 3);
    aryAlert = ParseBeepTable(ini.ReadString(KeyAlert, std::string(DefaultBeepText)));
    if ((left == 0 && top == 0) || !OnSomeScreen(left, top))
        CenterOnScreen();
    else
        SetBounds(left, top, Width(), Height());
}

void TMain::ReadSettings() {
    TXMLIniFile ini(Services.Files, XmlIniFile, Services.Formats);
    ini.OpenNode(SectionOptionsApp, true);
    ParentApp = ini.ReadString(KeyApp, "CALSAT32");
    ParentInifile = ini.ReadString(KeyInifile, "");
    RegKey = ini.ReadString(KeyRegKey, "");
    ini.OpenNode(SectionOptionsGS232, true);
    // A timer without a positive interval would never tick (or tick without pause).
    const int interval = ReadIntegerOr(ini, KeyInterval, 2000);
    Timer1.SetInterval(interval > 0 ? interval : 2000);
    Gs232->SetAzRotator(AzRotatorOf(ReadIntegerOr(ini, KeyAzRotator, 0)));
    Gs232->SetElRotator(ElRotatorOf(ReadIntegerOr(ini, KeyElRotator, 0)));
    Gs232->SetAzOffset(ReadIntegerOr(ini, KeyAzOffset, 0));
    Gs232->SetRotateSpeed(ReadIntegerOr(ini, KeyRotateSpeed, 1));
    Gs232->SetParkingAz(ReadIntegerOr(ini, KeyParkingAz, 0));
    Gs232->SetParkingEl(ReadIntegerOr(ini, KeyParkingEl, 0));
    Gs232->SetGoParking(
        ReadOr(App().Messages(), true, [&](bool d) { return ini.ReadBool(KeyGoParking, d); }));
    Gs232->SetGs232BReplies(
        ReadOr(App().Messages(), false, [&](bool d) { return ini.ReadBool(KeyGs232BReplies, d); }));
}

void TMain::FormActivate() {
    if (!Init || InStartup)
        return;
    // Closing the block's own error box hands the activation straight back; retrying then
    // would show the same box again at once, for ever.
    if (SkipActivation) {
        SkipActivation = false;
        return;
    }
    const TemporaryChange running(InStartup, true);
    bool ended = false;
    const ScopeExit skipIfFailed([&] { SkipActivation = !ended; });
    StartupBlock();
    ended = true;
}

void TMain::StartupBlock() {
    bool configured = false;
    {
        TXMLIniFile ini(Services.Files, XmlIniFile, Services.Formats);
        configured = ini.NodeExists(SectionOptionsCom);
    }
    // Without a serial port or CALSAT32 the first start cannot be completed: Cancel ends
    // the program instead of asking forever, and writes nothing back.
    if (!configured && !ShowOptions()) {
        SaveOnClose = false;
        Close();
        return;
    }
    StartLink();
    Init = false;
}

void TMain::StartLink() {
    if (!Reg.OpenKey(RegKey)) {
        App().Messages().Show(RegistryUnreadable, MessageKind::Error);
        return;
    }
    Sat = LiveState.ReadSat();
    EpochRev = LiveState.ReadEpochRev();
    if (Gs232->Opend() || Gs232->Open(XmlIniFile)) {
        SetAutoTracking(false);
        Timer1.SetEnabled(true);
    } else
        Timer1.SetEnabled(false);
}

bool TMain::ShowOptions() {
    if (!Services.Dialogs.ShowOptions(*this, XmlIniFile, *Gs232))
        return false;
    ReadSettings();
    TimeOffsetReader.ReadTimeOffset(ParentApp, ParentInifile, ObsPoint);
    return true;
}

void TMain::HaltTracking(TCaller Caller) {
    SetAutoTracking(false, Caller);
    Timer1.SetEnabled(false);
}

void TMain::actOptionsExecute() {
    if (Closing)
        return;
    HaltTracking();
    if (!ShowOptions())
        return;
    Gs232->Close(false);
    SaveOnClose = true;
    Init = true;
    StartLink();
}

void TMain::actGotoParkingExecute() {
    if (Closing)
        return;
    // Tracking would send the antenna back to the satellite at the next tick.
    // On a dead link the parking command's own report is the one that counts.
    if (AutoTracking)
        SetAutoTracking(false, TCaller::Timer);
    Gs232->GotoParking(TCaller::User);
}

void TMain::actAboutBoxExecute() {
    if (!Closing)
        Services.Dialogs.ShowAboutBox(*this);
}

void TMain::actExitExecute() {
    Close();
}

void TMain::actDebugExecute() {
    if (Closing)
        return;
    Timer1.SetEnabled(false);
    Timer1.SetEnabled(true);
}

void TMain::FormCloseQuery(bool& CanClose) {
    // The parking wait keeps the message loop running: a second Exit must not park again.
    CanClose = !Closing;
}

void TMain::FormClose() {
    Closing = true;
    // On a dead link the parking below reports it: one box at most.
    HaltTracking(TCaller::Timer);
    if (SaveOnClose)
        SaveSettings();
    // The antenna is parked even when the settings could not be written.
    Gs232->Close(Gs232->GoParking());
}

void TMain::SaveSettings() {
    try {
        TXMLIniFile ini(Services.Files, XmlIniFile, Services.Formats);
        // A window off every screen (under a minimised CALSAT32, say) keeps the place
        // stored before, so the next start does not open out of sight.
        if (OnSomeScreen(Left(), Top())) {
            ini.OpenNode(SectionMain, true);
            ini.WriteInteger(KeyLeft, Left());
            ini.WriteInteger(KeyTop, Top());
            ini.UpdateFile();
        }
        ini.OpenNode(SectionAlert, true);
        ini.WriteInteger(KeyPreAosTime, PreAOSTime);
        ini.WriteString(KeyAlert, FormatBeepTable(aryAlert));
        ini.UpdateFile();
    } catch (const std::exception& e) {
        App().Messages().Show(e.what(), MessageKind::Error);
    }
}

} // namespace zt
