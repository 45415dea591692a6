// The main window's life cycle: creation, the start-up block, re-configuration, shutdown.
#include "app/uMain.h"

#include "app/ScopedFlag.h"
#include "settings/XMLInifile.h"
#include "ui/Application.h"

#include <exception>

namespace zt {
namespace {

constexpr const char* RegistryUnreadable = "CALSAT32のレジストリが読めません";

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

} // namespace

void TMain::FormCreate() {
    actTerminal.enabled = false;
    lblSatellite.SetCaption("Satllite");
    for (Label* l : {&lblSatelliteAz, &lblSatelliteEl, &lblAntennaAz, &lblAntennaEl, &lblRotatorAz,
                     &lblRotatorEl, &lblYMD, &lblAOSAz, &lblRotateModeName})
        l->SetCaption("");
    Alert = alNone;
    XmlIniFile = ChangeFileExt(Services.ExecutablePath, ".xml");
    ReadPlacementAndAlerts();
    ReadSettings();
    TimeOffsetReader.ReadTimeOffset(ParentApp, ParentInifile, ObsPoint);
    Init = true;
    FollowParentWindow();
}

void TMain::ReadPlacementAndAlerts() {
    // A hand-edited value that does not convert is reported; the defaults stand in for it
    // and the window still comes up.
    int left = 0, top = 0;
    try {
        TXMLIniFile ini(XmlIniFile, Services.Formats);
        ini.OpenNode(SectionMain, true);
        left = ini.ReadInteger(KeyLeft, 0);
        top = ini.ReadInteger(KeyTop, 0);
        ini.OpenNode(SectionAlert, true);
        PreAOSTime = ini.ReadInteger(KeyPreAosTime, 3);
        aryAlert = ParseBeepTable(ini.ReadString(KeyAlert, std::string(DefaultBeepText)));
    } catch (const std::exception& e) {
        App().Messages().Show(e.what(), MessageKind::Error);
    }
    if (left == 0 && top == 0)
        CenterOnScreen();
    else
        SetBounds(left, top, Width(), Height());
}

void TMain::ReadSettings() {
    TXMLIniFile ini(XmlIniFile, Services.Formats);
    ini.OpenNode(SectionOptionsApp, true);
    ParentApp = ini.ReadString(KeyApp, "CALSAT32");
    ParentInifile = ini.ReadString(KeyInifile, "");
    RegKey = ini.ReadString(KeyRegKey, "");
    ini.OpenNode(SectionOptionsGS232, true);
    // A timer without a positive interval would never tick (or tick without pause).
    const int interval = ini.ReadInteger(KeyInterval, 2000);
    Timer1.SetInterval(interval > 0 ? interval : 2000);
    Gs232->SetAzRotator(AzRotatorOf(ini.ReadInteger(KeyAzRotator, 0)));
    Gs232->SetElRotator(ElRotatorOf(ini.ReadInteger(KeyElRotator, 0)));
    Gs232->SetAzOffset(ini.ReadInteger(KeyAzOffset, 0));
    Gs232->SetRotateSpeed(ini.ReadInteger(KeyRotateSpeed, 1));
    Gs232->SetParkingAz(ini.ReadInteger(KeyParkingAz, 0));
    Gs232->SetParkingEl(ini.ReadInteger(KeyParkingEl, 0));
    Gs232->SetGoParking(ini.ReadBool(KeyGoParking, true));
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
    const TScopedFlag running(InStartup);
    try {
        StartupBlock();
    } catch (...) {
        SkipActivation = true;
        throw;
    }
}

void TMain::StartupBlock() {
    bool configured = false;
    {
        TXMLIniFile ini(XmlIniFile, Services.Formats);
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

void TMain::HaltTracking() {
    SetAutoTracking(false);
    Timer1.SetEnabled(false);
}

void TMain::actOptionsExecute() {
    HaltTracking();
    if (!ShowOptions())
        return;
    Gs232->Close(false);
    Init = true;
    StartLink();
}

void TMain::actGotoParkingExecute() {
    Gs232->GotoParking();
}

void TMain::actAboutBoxExecute() {
    Services.Dialogs.ShowAboutBox(*this);
}

void TMain::actExitExecute() {
    Close();
}

void TMain::actDebugExecute() {
    Timer1.SetEnabled(false);
    Timer1.SetEnabled(true);
}

void TMain::FormClose() {
    HaltTracking();
    if (SaveOnClose)
        SaveSettings();
    // The antenna is parked even when the settings could not be written.
    Gs232->Close(Gs232->GoParking());
}

void TMain::SaveSettings() {
    try {
        TXMLIniFile ini(XmlIniFile, Services.Formats);
        ini.OpenNode(SectionMain, true);
        ini.WriteInteger(KeyLeft, Left());
        ini.WriteInteger(KeyTop, Top());
        ini.UpdateFile();
        ini.OpenNode(SectionAlert, true);
        ini.WriteInteger(KeyPreAosTime, PreAOSTime);
        ini.WriteString(KeyAlert, FormatBeepTable(aryAlert));
        ini.UpdateFile();
    } catch (const std::exception& e) {
        App().Messages().Show(e.what(), MessageKind::Error);
    }
}

} // namespace zt
