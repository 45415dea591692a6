// The tracking cycle: CALSAT32's live state in, pass alerts, position, rotator commands out.
#include "app/uMain.h"

#include "app/MainTexts.h"
#include "app/ScopedFlag.h"
#include "ui/Application.h"

#include <exception>

namespace zt {
namespace {

constexpr double OneMinute = 1.0 / 1440;

} // namespace

void TMain::Timer1Timer() {
    if (InTick)
        return;
    const TScopedFlag running(InTick);
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
    EpochRev = ParentApp == "CALSAT32" ? LiveState.ReadEpochRev() : 0;
    if (VisibleTime.LosDateTime + OneMinute < Now)
        EpochRev = 0;
    if (Sat != PSat || (!AutoTracking && EpochRev != PEpochRev))
        StartNewPass(Now);
    lblSatellite.SetCaption(Sat);
    SatelliteAz = LiveState.ReadSatelliteAz();
    SatelliteEl = LiveState.ReadSatelliteEl();
    lblSatelliteAz.SetCaption(DegreeText(SatelliteAz));
    lblSatelliteEl.SetCaption(DegreeText(SatelliteEl));
    SoundAlerts(Now);
    if (Gs232->Opend())
        ShowPosition();
    if (ControlMode == ctManual)
        ReleaseAtLimit();
    if (AutoTracking && (Gs232->AntennaAz() != SatelliteAz || Gs232->AntennaEl() != SatelliteEl)) {
        Gs232->Move(SatelliteAz, SatelliteEl);
        if (Gs232->isLos)
            SetAutoTracking(false);
    }
}

void TMain::StartNewPass(TDateTime Now) {
    Alert = alNone;
    PSat = Sat;
    PEpochRev = EpochRev;
    if (AutoTracking)
        SetAutoTracking(false);
    VisibleTimeReader.ReadVisibleTime(Now, ObsPoint.TimeOffset, VisibleTime, VisibleTimeString);
    lblAOSAz.SetCaption(PassText(VisibleTime, ObsPoint.TimeOffset, Services.Formats));
    Gs232->JudgeRotatorMode(Gs232->AzOffset(), VisibleTime.AosAz, VisibleTime.MaxAz,
                            VisibleTime.LosAz);
    RotateModeName = std::string(zt::RotateModeName(Gs232->RotateMode()));
    lblRotateModeName.SetCaption("Mode : " + RotateModeName);
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
    if (!Gs232->GetPos(AntennaAz, AntennaEl))
        return;
    lblAntennaAz.SetCaption(DegreeText(Gs232->AntennaAz()));
    lblAntennaEl.SetCaption(DegreeText(Gs232->AntennaEl()));
    lblRotatorAz.SetCaption(DegreeText(Gs232->RotatorAz()));
    lblRotatorEl.SetCaption(DegreeText(Gs232->RotatorEl()));
    ShowLamp(ImgOverlap, Gs232->RotatorAz() > 360);
    ShowLamp(ImgFlipMode, Gs232->RotatorEl() > 90);
}

void TMain::SetAutoTracking(bool Value) {
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
            Gs232->Stop();
    }
}

void TMain::btnTrackingClick() {
    SetAutoTracking(!AutoTracking);
}

} // namespace zt
