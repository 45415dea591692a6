// The rotator controller: the serial link to a GS-232 controller, its commands, the position
// query, parking, and the rotate mode of a pass with the targets that follow from it.
#pragma once

#include "app/uConstant.h"
#include "app/uRoutine.h"
#include "platform/IMessageBox.h"
#include "platform/IUiThread.h"
#include "platform/LocaleFormats.h"

#include <memory>
#include <string>

namespace zt {

class ISerialDevice;
class TCPortX;

class TGS232 {
public:
    // A link object is made at once but not opened. device, uiThread, messages and formats
    // must outlive the controller; now is the clock of the parking wait.
    TGS232(ISerialDevice& device, IUiThread& uiThread, IMessageBox& messages,
           const LocaleFormats& formats, MonotonicNow now = std::chrono::steady_clock::now);
    ~TGS232();
    TGS232(const TGS232&) = delete;
    TGS232& operator=(const TGS232&) = delete;

    // Opens the link with the "/Options/Com" settings of the settings file FileName, then
    // sends a lone CR, "S" and the speed. Call only while not Opend.
    bool Open(const std::string& FileName);
    // Park: send the parking position and wait 500 ms (messages keep flowing) first.
    void Close(bool Park);
    void DoCmd(const std::string& Cmd);
    void DoRecv(int Len, std::string& Reply);
    void Stop();
    void GotoParking();
    // Az, El: the antenna's direction; kept unless a position was read (999 after an
    // unexpected failure).
    bool GetPos(int& Az, int& El);

    // At the start of each pass: chooses the rotate mode and begins the pass.
    void JudgeRotatorMode(int AzOffset, double AosAz, double MaxAz, double LosAz);
    // Sends the rotator towards the satellite; false only after LOS below the horizon.
    bool Move(int SatAz, int SatEl);

    bool Opend() const { return FOpend; }
    TAzRotator AzRotator() const { return FAzRotator; }
    void SetAzRotator(TAzRotator Value) { FAzRotator = Value; }
    TElRotator ElRotator() const { return FElRotator; }
    void SetElRotator(TElRotator Value) { FElRotator = Value; }
    int AntennaAz() const { return FAntennaAz; }
    int AntennaEl() const { return FAntennaEl; }
    int RotatorAz() const { return FRotatorAz; }
    int RotatorEl() const { return FRotatorEl; }
    TRotateMode RotateMode() const { return FRotateMode; }
    bool ZeroPathOrbit() const { return FZeroPathOrbit; }
    int ParkingAz() const { return FParkingAz; }
    void SetParkingAz(int Value) { FParkingAz = Value; }
    int AzOffset() const { return FAzOffset; }
    void SetAzOffset(int Value) { FAzOffset = Value; }
    // Stored for the caller; no operation here consults it.
    bool GoParking() const { return FGpParking; }
    void SetGoParking(bool Value) { FGpParking = Value; }
    int ParkingEl() const { return FParkingEl; }
    void SetParkingEl(int Value) { FParkingEl = Value; }
    // 0..3; reaches the controller at the next Open.
    int RotateSpeed() const { return FRotateSpeed; }
    void SetRotateSpeed(int Value) { FRotateSpeed = Value; }

private:
    bool OpenPort(const std::string& FileName);
    void ClosePort();
    void ReceiveText(int Len, std::string& Text);
    void SendCommand(const std::string& Text);
    void ReportLinkFailure(bool& shown, const char* text);
    void ClearPort();
    // The parking azimuth in rotator degrees, inside the rotator's travel.
    int ParkingRotatorAz() const;

    ISerialDevice& FDevice;
    IUiThread& FUiThread;
    IMessageBox& FMessages;
    LocaleFormats FFormats;
    MonotonicNow FNow;

    std::unique_ptr<TCPortX> CPortX;
    // A send or receive failure already reported, and not followed by a success since.
    bool FSendFailureShown = false;
    bool FRecvFailureShown = false;

public:
    // The satellite direction of the last command Move sent, and the pass's progress.
    int Az_p = 0;
    int El_p = 0;
    bool isAos = false;
    bool isLos = false;

private:
    bool FOpend = false;
    TAzRotator FAzRotator = az450;
    TElRotator FElRotator = el180;
    int FAntennaAz = 0;
    int FAntennaEl = 0;
    int FRotatorAz = 0;
    int FRotatorEl = 0;
    TRotateMode FRotateMode = gsNormal;
    bool FZeroPathOrbit = false;
    int FParkingAz = 0;
    int FAzOffset = 0;
    bool FGpParking = true;
    int FParkingEl = 0;
    int FRotateSpeed = 1;
};

} // namespace zt
