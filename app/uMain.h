// The main window: a borderless strip docked under CALSAT32's window that tracks the
// current satellite with the rotator, shows both directions and beeps at the pass alerts.
#pragma once

#include "app/BeepTable.h"
#include "app/MainServices.h"
#include "app/uConstant.h"
#include "app/uRecord.h"
#include "calsat/LiveState.h"
#include "calsat/TimeOffsetReader.h"
#include "calsat/VisibleTimeReader.h"
#include "rotator/GS232.h"
#include "ui/Action.h"
#include "ui/Form.h"
#include "ui/Label.h"
#include "ui/Panel.h"
#include "ui/Picture.h"
#include "ui/PopupMenu.h"
#include "ui/SpeedButton.h"
#include "ui/Timer.h"

#include <chrono>
#include <memory>
#include <optional>
#include <string>

namespace zt {

class TXMLIniFile;

class TMain : public Form {
public:
    TMain(Application& app, const TMainServices& services);
    ~TMain() override;

    // Life cycle.
    void FormCreate();
    void FormActivate();
    void FormClose();
    void Timer1Timer();
    void ReadSettings();
    bool ShowOptions();
    // Caller: whose wish stops the rotator (exit's stop is reported as the timer's).
    void HaltTracking(TCaller Caller = TCaller::User);
    // Opens CALSAT32's key and the controller, then starts the timer with tracking off.
    void StartLink();

    // Tracking.
    void TrackingCycle();
    // Caller: who switches it off (a satellite change or LOS is the timer).
    void SetAutoTracking(bool Value, TCaller Caller = TCaller::User);
    void btnTrackingClick();

    // Manual control.
    void bbGroupeDownClick(SpeedButton& Sender);
    void FormKeyDown(Key& key, ShiftState shift);

    // Display.
    void FollowParentWindow();

    // Commands.
    void actOptionsExecute();
    void actGotoParkingExecute();
    void actAboutBoxExecute();
    void actExitExecute();
    void actDebugExecute();

    Panel Panel1{*this};
    Picture imgFocused{Panel1};
    Label Label1{Panel1};
    Label Label2{Panel1};
    Label Label3{Panel1};
    Label Label4{Panel1};
    Label Label5{Panel1};
    Label lblSatelliteAz{Panel1};
    Label lblSatelliteEl{Panel1};
    Label lblAntennaAz{Panel1};
    Label lblAntennaEl{Panel1};
    Label lblRotatorAz{Panel1};
    Label lblRotatorEl{Panel1};
    Picture ImgOverlap{Panel1};
    Picture ImgFlipMode{Panel1};
    Label lblRotateModeName{Panel1};
    Panel Panel2{Panel1};
    SpeedButton bbLeft{Panel2};
    SpeedButton bbRight{Panel2};
    SpeedButton bbDown{Panel2};
    SpeedButton bbUp{Panel2};
    SpeedButton btnTracking{Panel1};
    Label lblYMD{Panel1};
    Label lblSatellite{Panel1};
    Label lblAOSAz{Panel1};
    Timer Timer1{*this};

    Action actOptions{*this};
    Action actTerminal{*this};
    Action actGotoParking{*this};
    Action actAboutBox{*this};
    Action actExit{*this};
    Action actDebug{*this};
    PopupMenu PopupMenu1;

    bool Init = false;
    std::string XmlIniFile;
    IRegistry& Reg;
    std::string RegKey;
    std::string ParentApp;
    std::string ParentInifile;
    bool wasFocused = false;
    bool AutoTracking = false;
    TControlMode ControlMode = ctNone;
    SpeedButton* ClickedButton = nullptr;
    TBeepTable aryAlert = DefaultBeepTable;
    int PreAOSTime = 3;
    TAlert Alert = alNone;
    std::unique_ptr<TGS232> Gs232;
    TVisibleTime VisibleTime;
    std::string VisibleTimeString;
    TObservationPoint ObsPoint;
    std::string Sat, PSat;
    int EpochRev = 0, PEpochRev = 0;
    int SatelliteAz = 0, SatelliteEl = 0;
    int AntennaAz = 0, AntennaEl = 0;
    std::string RotateModeName;

private:
    void Layout();
    static void ShowLamp(Picture& lamp, bool red);
    void StartupBlock();
    // The parse error of a settings file that exists but cannot be read.
    std::optional<std::string> SettingsFileError() const;
    void ReadPlacementAndAlerts();
    int ReadIntegerOr(TXMLIniFile& ini, const char* key, int Default);
    bool OnSomeScreen(int left, int top) const;
    void FormCloseQuery(bool& CanClose);
    void SaveSettings();
    // More than a minute after the current pass's LOS.
    bool PassOver(TDateTime Now) const;
    void StartNewPass(TDateTime Now, int revolution);
    void SoundAlerts(TDateTime Now);
    void ShowPosition();
    void ReleaseAtLimit();
    void PressDirection(SpeedButton& Sender, TCaller Caller);
    // While the link is lost: one quiet attempt per ReconnectPeriodMs.
    void TryReconnect();
    // The pass's mode, or that the rotator is not connected.
    void ShowRotateMode();
    void SetDirectionButtonsEnabled(bool leftRight, bool upDown);

    TMainServices Services;
    TLiveState LiveState;
    TVisibleTimeReader VisibleTimeReader;
    TTimeOffsetReader TimeOffsetReader;
    // A tick that finds the previous one still running (an error box of its own is open)
    // is skipped, so boxes never pile up.
    bool InTick = false;
    // The start-up block is running (a dialog of its own may hand activation back), or
    // failed and the activation its error box returns is to be let pass.
    bool InStartup = false;
    bool SkipActivation = false;
    // Cleared when the program ends at the first start without settings, or when the
    // settings file could not be read at the start (it is left as it was).
    bool SaveOnClose = true;
    // Exit has begun: nothing but the shutdown may reach the rotator any more.
    bool Closing = false;
    // When the lost link was last tried again; empty until the first try.
    std::optional<std::chrono::steady_clock::time_point> LastReconnect;
};

} // namespace zt
