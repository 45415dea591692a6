// The tracking cycle: CALSAT32's live state in, pass alerts, position, rotator commands out.
#include "app/uMain.h"

#include "app/MainTexts.h"
#include "platform/ScopeGuard.h"
#include "ui/Application.h"

#include <exception>
#include <tuple>

namespace zt {
namespace {

constexpr double OneMinute = 1.0 / 1440;
constexpr const char* NotConnected = "Rotator not connected";

} // namespace

void TMain::Timer1Timer() {
    if (InTick || Closing)
        return;
    const TemporaryChange running(InTick, true);
    // Reported here rather than by the dispatcher, so the tick still counts as running
    // while its error box is open.
    try {
        TrackingCycle();
        FollowParentWindow();
    } catch (const std::exception& e) {
        App().Messages().Show(e.what(), MessageKind::Error);
    }
}

void TMain::TrackingCycle() {
    imgFocused.SetVisible(Active());
    const TDateTime Now = LiveState.ReadNow();
    lblYMD.SetCaption(
        ClockText(Now + ObsPoint.TimeOffset, ObsPoint.LocalTimeStr, Services.Formats));
    Sat = LiveState.ReadSat();
    const int revolution = ParentApp == "CALSAT32" ? LiveState.ReadEpochRev() : 0;
    EpochRev = PassOver(Now) ? 0 : revolution;
    if (Sat != PSat || (!AutoTracking && EpochRev != PEpochRev))
        StartNewPass(Now, revolution);
    lblSatellite.SetCaption(Sat);
    SatelliteAz = LiveState.ReadSatelliteAz();
    SatelliteEl = LiveState.ReadSatelliteEl();
    lblSatelliteAz.SetCaption(DegreeText(SatelliteAz));
    lblSatelliteEl.SetCaption(DegreeText(SatelliteEl));
    SoundAlerts(Now);
    if (Gs232->LinkLost())
        TryReconnect();
    if (Gs232->Opend())
        ShowPosition();
    if (ControlMode == ctManual)
        ReleaseAtLimit();
    // A lost link takes no moves: the controller would take them as sent.
    if (AutoTracking && !Gs232->LinkLost() &&
        (Gs232->AntennaAz() != SatelliteAz || Gs232->AntennaEl() != SatelliteEl)) {
        Gs232->Move(SatelliteAz, SatelliteEl);
        if (Gs232->isLos)
            SetAutoTracking(false, TCaller::Timer);
    }
    ShowRotateMode();
}

void TMain::TryReconnect() {
    const auto now = Services.Now();
    if (LastReconnect && now - *LastReconnect < std::chrono::milliseconds(ReconnectPeriodMs))
        return;
    LastReconnect = now;
    if (Gs232->Reconnect(XmlIniFile))
        LastReconnect.reset();
}

void TMain::ShowRotateMode() {
    if (Gs232->LinkLost())
        lblRotateModeName.SetCaption(NotConnected);
    else if (!RotateModeName.empty())
        lblRotateModeName.SetCaption("Mode : " + RotateModeName);
}

bool TMain::PassOver(TDateTime Now) const {
    return VisibleTime.LosDateTime + OneMinute < Now;
}

void TMain::StartNewPass(TDateTime Now, int revolution) {
    if (AutoTracking)
        SetAutoTracking(false, TCaller::Timer);
    // Taken as seen before the table is read, so a pass that does not parse is not read
    // again on every tick.
    const auto seen = std::tuple(Alert, PSat, PEpochRev);
    Alert = alNone;
    PSat = Sat;
    PEpochRev = EpochRev;
    if (!VisibleTimeReader.ReadVisibleTime(Now, ObsPoint.TimeOffset, VisibleTime,
                                           VisibleTimeString)) {
        // CALSAT32 too busy to show its table: the next tick captures the new pass.
        std::tie(Alert, PSat, PEpochRev) = seen;
        return;
    }
    // Judged again with the pass just read: the first cycle after the start has no pass
    // yet, and would otherwise start the same pass (and its pre-AOS beep) once more.
    EpochRev = PassOver(Now) ? 0 : revolution;
    PEpochRev = EpochRev;
    lblAOSAz.SetCaption(PassText(VisibleTime, ObsPoint.TimeOffset, Services.Formats));
    Gs232->JudgeRotatorMode(Gs232->AzOffset(), VisibleTime.AosAz, VisibleTime.MaxAz,
                            VisibleTime.LosAz);
    RotateModeName = std::string(zt::RotateModeName(Gs232->RotateMode()));
    ShowRotateMode();
}

void TMain::SoundAlerts(TDateTime Now) {
    const auto beep = [this](int index, TAlert state) {
        Services.Tone.Beep(aryAlert[index], aryAlert[index + 1]);
        Alert = state;
    };
    if (AutoTracking) {
        if (Alert < alLOS && Now > VisibleTime.LosDateTime)
            beep(4, alLOS);
        else if (Alert < alAOS && VisibleTime.AosDateTime < Now && Now < VisibleTime.LosDateTime)
            beep(2, alAOS);
    }
    if (Alert == alNone && VisibleTime.AosDateTime - PreAOSTime * OneMinute < Now &&
        Now < VisibleTime.AosDateTime)
        beep(0, alPreAOS);
}

void TMain::ShowPosition() {
    if (!Gs232->GetPos(AntennaAz, AntennaEl, TCaller::Timer))
        return;
    lblAntennaAz.SetCaption(DegreeText(Gs232->AntennaAz()));
    lblAntennaEl.SetCaption(DegreeText(Gs232->AntennaEl()));
    lblRotatorAz.SetCaption(DegreeText(Gs232->RotatorAz()));
    lblRotatorEl.SetCaption(DegreeText(Gs232->RotatorEl()));
    ShowLamp(ImgOverlap, Gs232->RotatorAz() > 360);
    ShowLamp(ImgFlipMode, Gs232->RotatorEl() > 90);
}

void TMain::SetAutoTracking(bool Value, TCaller Caller) {
    AutoTracking = Value;
    if (Value) {
        btnTracking.SetCaption("&Tracking Off");
        SetDirectionButtonsEnabled(false, false);
        ControlMode = ctTracking;
        Timer1.SetEnabled(true);
    } else {
        btnTracking.SetCaption("&Tracking On");
        SetDirectionButtonsEnabled(true, Gs232->ElRotator() != elNone);
        ControlMode = ctNone;
        if (Gs232->Opend())
            Gs232->Stop(Caller);
    }
}

void TMain::btnTrackingClick() {
    if (!Closing)
        SetAutoTracking(!AutoTracking);
}

} // namespace zt
