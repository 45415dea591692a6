#include "rotator/GS232.h"

#include "platform/ScopeGuard.h"
#include "rotator/PositionReply.h"
#include "rotator/RotatorMath.h"
#include "serial/ByteText.h"
#include "serial/CPortX.h"
#include "settings/XMLInifile.h"

#include <cmath>
#include <exception>

namespace zt {
namespace {

// Whole degrees toward zero; what lies beyond a turn does not change the reduced azimuth.
int TruncDegrees(double degrees) {
    return std::isfinite(degrees) ? static_cast<int>(std::fmod(std::trunc(degrees), 360.0)) : 0;
}

} // namespace

TGS232::TGS232(ISerialDevice& device, IUiThread& uiThread, IMessageBox& messages,
               const LocaleFormats& formats, MonotonicNow now)
    : FDevice(device), FUiThread(uiThread), FMessages(messages), FFormats(formats),
      FNow(std::move(now)), CPortX(std::make_unique<TCPortX>(device, uiThread)) {}

TGS232::~TGS232() = default;

template <class Send> void TGS232::Greet(Send send) {
    ClearPort();
    send("");
    ClearPort();
    send("S");
    send(SpeedCommand(FRotateSpeed + 1));
}

bool TGS232::Open(const std::string& FileName) {
    FLinkLost = false;
    if (!OpenPort(FileName, false)) {
        FOpend = false;
        return false;
    }
    Greet([this](const std::string& Cmd) { SendCommand(Cmd, TCaller::Timer); });
    FOpend = !FLinkLost;
    return true;
}

bool TGS232::Reconnect(const std::string& FileName) {
    if (FOpend)
        return true;
    try {
        if (!OpenPort(FileName, true))
            return false;
        Greet([this](const std::string& Cmd) {
            if (CPortX)
                CPortX->SendStr(Cmd + "\r");
        });
    } catch (const std::exception&) {
        DropLink();
        return false;
    }
    if (!CPortX)
        return false; // gone again while clearing
    FLinkLost = false;
    FOpend = true;
    return true;
}

bool TGS232::OpenPort(const std::string& FileName, bool Quiet) {
    CPortX.reset();
    CPortX = std::make_unique<TCPortX>(FDevice, FUiThread);
    TXMLIniFile ini(FileName, FFormats);
    ini.OpenNode(SectionOptionsCom, true);
    const std::string port = ini.ReadString(KeyComPort, "COM3");
    CPortX->SetPort(port);
    CPortX->SetBaudRate(ini.ReadString(KeyBaudRate, "9600"));
    CPortX->SetDataBits(ini.ReadString(KeyDataBits, "8"));
    CPortX->SetParity(ini.ReadString(KeyParity, "NONE"));
    CPortX->SetStopBits(ini.ReadString(KeyStopBits, "1"));
    CPortX->SetFlowControl(ini.ReadString(KeyFlowControl, "NONE"));
    FSendFailure.Shown = false;
    FRecvFailure.Shown = false;
    try {
        CPortX->Open();
    } catch (const std::exception&) {
        CPortX.reset();
        if (!Quiet)
            FMessages.Show(port + "をOpenできません", MessageKind::Information);
        return false;
    }
    return true;
}

void TGS232::Close(bool Park) {
    // Closed and gone however the steps fail: Exit must end the program, and Options' OK
    // must find the port free to open again. Closing also ends an outage.
    const auto closed = ScopeExit([this] {
        FOpend = false;
        FLinkLost = false;
        DropLink();
    });
    if (!FOpend)
        return;
    try {
        if (Park) {
            GotoParking(TCaller::User);
            DelayMs(FUiThread, 500, FNow);
        }
        SendCommand("", TCaller::Timer);
        ClearPort();
    } catch (const std::exception&) {
        // Nothing is left to do about a link that is going; a port that stays broken is
        // reported by the next Open.
    }
}

void TGS232::DropLink() {
    const std::unique_ptr<TCPortX> port = std::move(CPortX);
    if (!port)
        return;
    try {
        port->Close();
    } catch (const std::exception&) {
        // The port has released its device all the same.
    }
}

void TGS232::LoseLink() {
    FLinkLost = true;
    FOpend = false;
    DropLink();
}

void TGS232::ClearPort() {
    if (!CPortX)
        return;
    try {
        CPortX->Clear();
    } catch (const EComPort& e) {
        if (!e.DeviceLost())
            throw;
        LoseLink();
    }
}

template <class Exchange>
void TGS232::OnLink(TCaller Caller, TLinkReport& Report, Exchange exchange) {
    // A lost link waits for Reconnect: the timer's calls are not failures to tell of.
    if (FLinkLost && Caller == TCaller::Timer)
        return;
    bool deviceLost = false;
    try {
        if (!CPortX)
            throw EComPort::CreateNoWinCode(ComErr::NotOpen);
        exchange(*CPortX);
        Report.Shown = false;
        return;
    } catch (const EComPort& e) {
        deviceLost = e.DeviceLost();
    } catch (const std::exception&) {
    }
    if (deviceLost)
        LoseLink();
    // A dead link fails on every tick: one box per tick would follow the user's every click
    // and, a box holding the ticks, keep a lost link from coming back. The timer tells of an
    // outage once, and of a lost device not at all; the user hears of every failed command.
    if (Caller == TCaller::Timer && (Report.Shown || deviceLost))
        return;
    Report.Shown = true;
    FMessages.Show(Report.Text, MessageKind::Plain);
}

void TGS232::SendCommand(const std::string& Text, TCaller Caller) {
    OnLink(Caller, FSendFailure, [&](TCPortX& port) { port.SendStr(Text + "\r"); });
}

void TGS232::ReceiveText(int Len, std::string& Text, TCaller Caller) {
    Text.clear();
    OnLink(Caller, FRecvFailure, [&](TCPortX& port) {
        std::string line;
        port.RecvLine(Len, line);
        Text = std::move(line);
    });
}

void TGS232::DoCmd(const std::string& Cmd, TCaller Caller) {
    SendCommand(Cmd, Caller);
}

void TGS232::Stop(TCaller Caller) {
    SendCommand("S", Caller);
}

void TGS232::DoRecv(int Len, std::string& Reply) {
    Reply.clear();
    std::string text;
    try {
        OnLink(TCaller::User, FRecvFailure, [&](TCPortX& port) { port.RecvStr(Len, text); });
        if (!text.empty())
            Reply = text;
    } catch (const std::exception&) {
        Reply.clear();
        FMessages.Show("Error =" + text, MessageKind::Information);
    }
}

int TGS232::ParkingRotatorAz() const {
    // Wide enough for any stored parking azimuth.
    const long long az = static_cast<long long>(FParkingAz) - FAzOffset;
    const int travel = FAzRotator == az450 ? 450 : 360;
    return az >= 0 && az <= travel ? static_cast<int>(az) : Azimuth360(static_cast<int>(az % 360));
}

void TGS232::GotoParking(TCaller Caller) {
    if (FParkingAz < 0)
        SetParkingAz(0);
    if (FParkingEl < 0)
        SetParkingEl(0);
    SendCommand(PointCommand(ParkingRotatorAz(), FParkingEl), Caller);
}

bool TGS232::GetPos(int& Az, int& El, TCaller Caller) {
    std::string reply;
    try {
        const PositionQuery query = FElRotator == elNone ? PositionQuery::Az : PositionQuery::AzEl;
        SendCommand(QueryCommand(query), Caller);
        ReceiveText(20, reply, Caller);
        // Counted and parsed as the bytes that came, one character each.
        const std::vector<std::uint8_t> bytes = TextToBytes(reply);
        if (!AcceptedReplyLength(query, bytes.size(), FGs232BReplies))
            return false;
        FAntennaAz = FAntennaEl = FRotatorAz = FRotatorEl = 0;
        const RotatorReading reading =
            ReadRotatorPosition(std::string(bytes.begin(), bytes.end()), query, FGs232BReplies);
        FRotatorAz = reading.Az;
        FRotatorEl = reading.El;
        if (!reading.Converted)
            return false;
        const Direction antenna = AntennaDirection(FRotatorAz, FRotatorEl, FAzOffset);
        FAntennaAz = antenna.Az;
        FAntennaEl = antenna.El;
        Az = FAntennaAz;
        El = FAntennaEl;
        return true;
    } catch (const std::exception&) {
        FMessages.Show("Error712 =" + reply, MessageKind::Information);
        Az = 999;
        El = 999;
        return false;
    }
}

void TGS232::JudgeRotatorMode(int AzOffset, double AosAz, double MaxAz, double LosAz) {
    const int aos = AzimuthDifference(TruncDegrees(AosAz), AzOffset);
    const int max = AzimuthDifference(TruncDegrees(MaxAz), AzOffset);
    const int los = AzimuthDifference(TruncDegrees(LosAz), AzOffset);
    if ((aos >= max && max >= los) || (aos <= max && max <= los)) {
        FZeroPathOrbit = false;
        FRotateMode = gsNormal;
    } else {
        FZeroPathOrbit = true;
        if (FAzRotator == az450 && (aos < 90 || los < 90))
            FRotateMode = gsOverlap;
        else if (FElRotator == el180)
            FRotateMode = gsFlip;
        else
            FRotateMode = gsCrossing;
    }
    isAos = false;
    isLos = false;
}

bool TGS232::Move(int SatAz, int SatEl) {
    if (isLos && SatEl < 0)
        return false;
    if (SatAz == Az_p && SatEl == El_p)
        return true;
    const bool sameEl = SatEl == El_p;
    int az = AzimuthDifference(SatAz, FAzOffset);
    int el = FElRotator == el90 && SatEl > 90 ? 90 : SatEl;
    if (!isAos && SatEl < 0)
        el = 0; // before AOS: wait at the horizon where the satellite will rise
    else
        isAos = true;
    if (FZeroPathOrbit) {
        if (FRotateMode == gsOverlap && az / 90 == 0) {
            az += 360;
        } else if (FRotateMode == gsFlip) {
            az = (az + 180) % 360;
            el = 180 - el;
        }
    }
    if (isAos && !isLos && SatEl < 0)
        isLos = true; // the LOS step itself is still sent
    SendCommand(FElRotator == elNone || sameEl ? AzimuthCommand(az) : PointCommand(az, el),
                TCaller::Timer);
    Az_p = SatAz;
    El_p = SatEl;
    return true;
}

} // namespace zt
