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

// Who gave a command: the timer's repeated queries and moves report a dead link once per
// outage; a command the user gave reports its failure every time.
enum class TCaller { Timer, User };

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
    // sends a lone CR, "S" and the speed. Call only while not Opend. false: the port did not
    // open, and the user has been told; a device lost during the sequence leaves LinkLost.
    bool Open(const std::string& FileName);
    // Park: send the parking position and wait 500 ms (messages keep flowing) first.
    // Never throws: whatever fails, the link is closed and destroyed afterwards, and at most
    // one "Send Error" is shown (a failed clear or close shows nothing).
    void Close(bool Park);
    void DoCmd(const std::string& Cmd, TCaller Caller = TCaller::User);
    void DoRecv(int Len, std::string& Reply);
    void Stop(TCaller Caller = TCaller::User);
    void GotoParking(TCaller Caller = TCaller::User);
    // Az, El: the antenna's direction; kept unless a position was read (999 after an
    // unexpected failure).
    bool GetPos(int& Az, int& El, TCaller Caller = TCaller::Timer);

    // At the start of each pass: chooses the rotate mode and begins the pass.
    void JudgeRotatorMode(int AzOffset, double AosAz, double MaxAz, double LosAz);
    // Sends the rotator towards the satellite; false only after LOS below the horizon.
    bool Move(int SatAz, int SatEl);

    // The port failed as a removed device's does: the link has been closed (not Opend), the
    // timer's calls do nothing until Reconnect brings it back, and Open or Close end it.
    bool LinkLost() const { return FLinkLost; }
    // Tries once, with no message box, to open the port of /Options/Com in FileName again
    // and sends the opening sequence. true when the link is open again.
    bool Reconnect(const std::string& FileName);
    // Also accept a GS-232B's replies, "AZ=aaa  EL=eee" and "AZ=aaa".
    bool Gs232BReplies() const { return FGs232BReplies; }
    void SetGs232BReplies(bool Value) { FGs232BReplies = Value; }

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
    // Kept reduced to -359..359 with its sign, so that no sum with it overflows and a
    // negative offset still reaches into a 450-degree rotator's overlap when parking.
    int AzOffset() const { return FAzOffset; }
    void SetAzOffset(int Value) { FAzOffset = Value % 360; }
    // Stored for the caller; no operation here consults it.
    bool GoParking() const { return FGpParking; }
    void SetGoParking(bool Value) { FGpParking = Value; }
    int ParkingEl() const { return FParkingEl; }
    void SetParkingEl(int Value) { FParkingEl = Value; }
    // 0..3; reaches the controller at the next Open.
    int RotateSpeed() const { return FRotateSpeed; }
    void SetRotateSpeed(int Value) { FRotateSpeed = Value; }

private:
    // A failure of the link as the user is told of it, and whether this outage has been.
    struct TLinkReport {
        const char* Text;
        bool Shown = false;
    };

    bool OpenPort(const std::string& FileName, bool Quiet);
    // The opening sequence, each command through send: a lone CR between two clears, "S",
    // the speed.
    template <class Send> void Greet(Send send);
    // Closes and destroys the link, whatever fails.
    void DropLink();
    // The device is gone: the link with it, until Reconnect.
    void LoseLink();
    void ReceiveText(int Len, std::string& Text, TCaller Caller);
    void SendCommand(const std::string& Text, TCaller Caller);
    // Runs exchange on the link; on failure reports it to the user by the rules of Caller,
    // and closes a link whose device is gone.
    template <class Exchange> void OnLink(TCaller Caller, TLinkReport& Report, Exchange exchange);
    // A device found gone loses the link; other failures are thrown.
    void ClearPort();
    // The parking azimuth in rotator degrees, inside the rotator's travel.
    int ParkingRotatorAz() const;

    ISerialDevice& FDevice;
    IUiThread& FUiThread;
    IMessageBox& FMessages;
    LocaleFormats FFormats;
    MonotonicNow FNow;

    std::unique_ptr<TCPortX> CPortX;
    TLinkReport FSendFailure{"Send Error"};
    TLinkReport FRecvFailure{"Recv Error"};
    bool FLinkLost = false;
    bool FGs232BReplies = false;

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
