#include "rotator/GS232.h"

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

bool TGS232::Open(const std::string& FileName) {
    if (!OpenPort(FileName)) {
        FOpend = false;
        return false;
    }
    ClearPort();
    SendCommand("");
    ClearPort();
    SendCommand("S");
    SendCommand(SpeedCommand(FRotateSpeed + 1));
    FOpend = true;
    return true;
}

bool TGS232::OpenPort(const std::string& FileName) {
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
    FSendFailureShown = false;
    FRecvFailureShown = false;
    try {
        CPortX->Open();
    } catch (const std::exception&) {
        FMessages.Show(port + "をOpenできません", MessageKind::Information);
        return false;
    }
    return true;
}

void TGS232::Close(bool Park) {
    if (!FOpend)
        return;
    if (Park) {
        GotoParking();
        DelayMs(FUiThread, 500, FNow);
    }
    SendCommand("");
    ClearPort();
    // Closed from here on even if closing fails: every later tick would report a dead link.
    FOpend = false;
    ClosePort();
}

void TGS232::ClosePort() {
    const std::unique_ptr<TCPortX> port = std::move(CPortX);
    if (port)
        port->Close();
}

void TGS232::ClearPort() {
    if (CPortX)
        CPortX->Clear();
}

void TGS232::SendCommand(const std::string& Text) {
    try {
        if (!CPortX)
            throw EComPort::CreateNoWinCode(ComErr::NotOpen);
        CPortX->SendStr(Text + "\r");
        FSendFailureShown = false;
    } catch (const std::exception&) {
        ReportLinkFailure(FSendFailureShown, "Send Error");
    }
}

void TGS232::ReceiveText(int Len, std::string& Text) {
    Text.clear();
    try {
        if (!CPortX)
            throw EComPort::CreateNoWinCode(ComErr::NotOpen);
        CPortX->RecvStr(Len, Text);
        FRecvFailureShown = false;
    } catch (const std::exception&) {
        Text.clear();
        ReportLinkFailure(FRecvFailureShown, "Recv Error");
    }
}

void TGS232::ReportLinkFailure(bool& shown, const char* text) {
    // A dead link fails on every tick: one box per failure would follow the user's every
    // click and keep them from reaching Options or Exit. Say it once, again after it worked.
    if (shown)
        return;
    shown = true;
    FMessages.Show(text, MessageKind::Information);
}

void TGS232::DoCmd(const std::string& Cmd) {
    SendCommand(Cmd);
}

void TGS232::Stop() {
    SendCommand("S");
}

void TGS232::DoRecv(int Len, std::string& Reply) {
    Reply.clear();
    std::string text;
    try {
        ReceiveText(Len, text);
        if (!text.empty())
            Reply = text;
    } catch (const std::exception&) {
        Reply.clear();
        FMessages.Show("Error =" + text, MessageKind::Information);
    }
}

int TGS232::ParkingRotatorAz() const {
    const int az = FParkingAz - FAzOffset;
    const int travel = FAzRotator == az450 ? 450 : 360;
    return az >= 0 && az <= travel ? az : Azimuth360(az);
}

void TGS232::GotoParking() {
    if (FParkingAz < 0)
        SetParkingAz(0);
    if (FParkingEl < 0)
        SetParkingEl(0);
    SendCommand(PointCommand(ParkingRotatorAz(), FParkingEl));
}

bool TGS232::GetPos(int& Az, int& El) {
    std::string reply;
    try {
        const PositionQuery query = FElRotator == elNone ? PositionQuery::Az : PositionQuery::AzEl;
        SendCommand(QueryCommand(query));
        ReceiveText(20, reply);
        // Counted and parsed as the bytes that came, one character each.
        const std::vector<std::uint8_t> bytes = TextToBytes(reply);
        if (!AcceptedReplyLength(query, bytes.size()))
            return false;
        FAntennaAz = FAntennaEl = FRotatorAz = FRotatorEl = 0;
        const RotatorReading reading =
            ReadRotatorPosition(std::string(bytes.begin(), bytes.end()), query);
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
    const int aos = Azimuth360(TruncDegrees(AosAz) - AzOffset);
    const int max = Azimuth360(TruncDegrees(MaxAz) - AzOffset);
    const int los = Azimuth360(TruncDegrees(LosAz) - AzOffset);
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
    int az = Azimuth360(SatAz - FAzOffset);
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
    SendCommand(FElRotator == elNone || sameEl ? AzimuthCommand(az) : PointCommand(az, el));
    Az_p = SatAz;
    El_p = SatEl;
    return true;
}

} // namespace zt
