#include "serial/ComPort.h"

#include "platform/ISerialDevice.h"
#include "platform/IUiThread.h"
#include "platform/ScopeGuard.h"
#include "serial/BaudRates.h"
#include "serial/ByteText.h"
#include "serial/ComThread.h"
#include "serial/EComPort.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace zt {

static_assert(SerialEvent::RxChar == 1u << evRxChar && SerialEvent::Rx80Full == 1u << evRx80Full &&
                  SerialEvent::Error == 1u << evError,
              "event sets are passed to the device bit for bit");

TCustomComPort::TCustomComPort(ISerialDevice& device, IUiThread& uiThread)
    : FHandle(device), uiThread_(uiThread) {}

TCustomComPort::~TCustomComPort() {
    try {
        Close();
    } catch (const EComPort&) {
        // Close has still closed the port; a destructor has nobody to tell.
    }
}

void TCustomComPort::Open() {
    if (FConnected)
        return;
    CreatePortHandle();
    FConnected = true;
    bool settled = false;
    const auto closeUnsettled = ScopeExit([&] {
        if (settled)
            return;
        DestroyPortHandle();
        FConnected = false;
    });
    ApplyAllSettings();
    settled = true;
    if (!FEvents.Empty()) {
        FEventThread = std::make_unique<TComThread>(*this, FHandle, uiThread_);
        FThreadCreated = true;
    }
}

void TCustomComPort::Close() {
    if (!FConnected)
        return;
    const int abortError = FHandle.Purge(SerialPurge::RxAbort | SerialPurge::TxAbort);
    if (FThreadCreated) {
        FEventThread.reset();
        FThreadCreated = false;
    }
    DestroyPortHandle();
    FConnected = false;
    if (abortError != 0)
        RaisePortError(ComErr::Purge, abortError, FHandle.IsDeviceGone(abortError));
}

void TCustomComPort::CreatePortHandle() {
    // A port that does not open is missing or busy, never a lost device.
    if (const int error = FHandle.Open(FPort))
        RaisePortError(ComErr::Open, error);
}

void TCustomComPort::Fail(int code, int platformError) const {
    RaisePortError(code, platformError, FHandle.IsOpen() && FHandle.IsDeviceGone(platformError));
}

void TCustomComPort::DestroyPortHandle() {
    FHandle.Close();
}

void TCustomComPort::BeginUpdate() {
    ++FUpdateCount;
}

void TCustomComPort::EndUpdate() {
    if (FUpdateCount == 0)
        return;
    if (--FUpdateCount == 0 && FConnected)
        ApplyAllSettings();
}

void TCustomComPort::ApplyAllSettings() {
    ApplyBufferSettings();
    ApplyLineSettings();
    ApplyTimeoutSettings();
}

void TCustomComPort::SettingChanged(ComSettingGroup group) {
    if (FConnected && FUpdateCount == 0)
        ApplyGroup(group);
}

void TCustomComPort::ApplyGroup(ComSettingGroup group) {
    switch (group) {
    case ComSettingGroup::Buffer:
        ApplyBufferSettings();
        break;
    case ComSettingGroup::Line:
        ApplyLineSettings();
        break;
    case ComSettingGroup::Timeouts:
        ApplyTimeoutSettings();
        break;
    }
}

void TCustomComPort::ApplyLineSettings() {
    SerialLineSettings s;
    s.baudRate = BitsPerSecond();
    s.byteSize = static_cast<std::uint8_t>(5 + FDataBits);
    s.parity = static_cast<SerialParity>(FParity.Bits());
    s.stopBits = static_cast<SerialStopBits>(FStopBits);
    s.parityCheck = FParity.Check();
    s.errorReplace = FParity.Check() && FParity.Replace();
    s.errorChar = FParity.ReplaceChar();
    s.discardNull = FDiscardNull;
    s.outCtsFlow = FFlowControl.OutCTSFlow();
    s.outDsrFlow = FFlowControl.OutDSRFlow();
    s.dtr = static_cast<SerialDtr>(FFlowControl.ControlDTR());
    s.rts = static_cast<SerialRts>(FFlowControl.ControlRTS());
    s.outXonXoff = FFlowControl.XonXoffOut();
    s.inXonXoff = FFlowControl.XonXoffIn();
    const auto quarter = static_cast<std::uint16_t>(FBuffer.InputSize() / 4);
    s.xonLimit = quarter;
    s.xoffLimit = quarter;
    s.xonChar = FFlowControl.XonChar();
    s.xoffChar = FFlowControl.XoffChar();
    s.dsrSensitivity = FFlowControl.DSRSensitivity();
    s.txContinueOnXoff = FFlowControl.TxContinueOnXoff();
    s.eventChar = FEventChar;
    if (const int error = FHandle.SetLineSettings(s))
        Fail(ComErr::LineSettings, error);
}

void TCustomComPort::ApplyTimeoutSettings() {
    // -1 becomes the platform's "no interval" value, all bits set.
    const SerialTimeouts t{static_cast<std::uint32_t>(FTimeouts.ReadInterval()),
                           static_cast<std::uint32_t>(FTimeouts.ReadTotalMultiplier()),
                           static_cast<std::uint32_t>(FTimeouts.ReadTotalConstant()),
                           static_cast<std::uint32_t>(FTimeouts.WriteTotalMultiplier()),
                           static_cast<std::uint32_t>(FTimeouts.WriteTotalConstant())};
    if (const int error = FHandle.SetTimeouts(t))
        Fail(ComErr::Timeouts, error);
}

void TCustomComPort::ApplyBufferSettings() {
    if (const int error = FHandle.SetQueueSizes(static_cast<std::uint32_t>(FBuffer.InputSize()),
                                                static_cast<std::uint32_t>(FBuffer.OutputSize())))
        Fail(ComErr::QueueSizes, error);
}

void TCustomComPort::SetBaudRate(TBaudRate Value) {
    FBaudRate = Value;
    LineSettingChanged();
}

void TCustomComPort::SetCustomBaudRate(int Value) {
    FCustomBaudRate = Value;
    LineSettingChanged();
}

void TCustomComPort::SetStopBits(TStopBits Value) {
    FStopBits = Value;
    LineSettingChanged();
}

void TCustomComPort::SetDataBits(TDataBits Value) {
    FDataBits = Value;
    LineSettingChanged();
}

void TCustomComPort::SetDiscardNull(bool Value) {
    FDiscardNull = Value;
    LineSettingChanged();
}

void TCustomComPort::SetEventChar(char Value) {
    FEventChar = Value;
    LineSettingChanged();
}

void TCustomComPort::SetPort(const std::string& Value) {
    if (Value == FPort)
        return;
    if (!FConnected) {
        FPort = Value;
        return;
    }
    Close();
    FPort = Value;
    Open();
}

int TCustomComPort::Read(void* Buffer, int Count) {
    if (!FHandle.IsOpen())
        RaisePortError(ComErr::NotOpen, 0);
    if (Count <= 0)
        return 0;
    const SerialTransfer r =
        FHandle.Read(static_cast<std::uint8_t*>(Buffer), static_cast<std::size_t>(Count));
    if (r.error != 0)
        Fail(ComErr::Read, r.error);
    InputCount();
    return static_cast<int>(r.count);
}

int TCustomComPort::ReadFirstBytes(std::string& Str, int Count, int WaitMs) {
    if (!FHandle.IsOpen())
        RaisePortError(ComErr::NotOpen, 0);
    // The shortest interval ends the read once the first bytes have come; not every
    // platform knows a wait for "any bytes".
    const SerialTimeouts t{1, 0, static_cast<std::uint32_t>(std::max(WaitMs, 1)),
                           static_cast<std::uint32_t>(FTimeouts.WriteTotalMultiplier()),
                           static_cast<std::uint32_t>(FTimeouts.WriteTotalConstant())};
    if (const int error = FHandle.SetTimeouts(t))
        Fail(ComErr::Timeouts, error);
    return ReadStr(Str, Count);
}

std::int64_t TCustomComPort::NowMs() const {
    return FHandle.NowMs();
}

std::uint32_t TCustomComPort::BitsPerSecond() const {
    return FBaudRate == brCustom ? static_cast<std::uint32_t>(FCustomBaudRate)
                                 : BaudRateOf(FBaudRate).bitsPerSecond;
}

int TCustomComPort::ReadStr(std::string& Str, int Count) {
    std::vector<std::uint8_t> bytes(Count > 0 ? static_cast<std::size_t>(Count) : 0);
    const int n = Read(bytes.data(), Count);
    Str = BytesToText(bytes.data(), static_cast<std::size_t>(n));
    return n;
}

int TCustomComPort::WriteStr(const std::string& Str) {
    if (!FHandle.IsOpen())
        RaisePortError(ComErr::NotOpen, 0);
    const std::vector<std::uint8_t> bytes = TextToBytes(Str);
    if (bytes.empty())
        return 0;
    const SerialTransfer r = FHandle.Write(bytes.data(), bytes.size());
    if (r.error != 0)
        Fail(ComErr::Write, r.error);
    return static_cast<int>(r.count);
}

void TCustomComPort::ClearBuffer(bool Input, bool Output) {
    const unsigned flags =
        (Input ? SerialPurge::RxClear : 0u) | (Output ? SerialPurge::TxClear : 0u);
    if (flags == 0)
        return;
    if (const int error = FHandle.Purge(flags))
        Fail(ComErr::Purge, error);
}

int TCustomComPort::InputCount() {
    SerialStatus status;
    if (const int error = FHandle.ClearErrors(status))
        Fail(ComErr::LineStatus, error);
    return static_cast<int>(status.inQueue);
}

void TCustomComPort::HandleEvents(TComEvents Events) {
    if (Events.Contains(evError)) {
        SerialStatus status;
        if (const int error = FHandle.ClearErrors(status))
            Fail(ComErr::LineStatus, error);
        if (status.errors != 0)
            DoError(status.errors);
    }
    if (Events.Contains(evRxChar))
        HandleRxChar();

    unsigned lines = 0;
    if (Events.Contains(evRing) || Events.Contains(evCTS) || Events.Contains(evDSR) ||
        Events.Contains(evRLSD)) {
        if (const int error = FHandle.GetModemStatus(lines))
            Fail(ComErr::ModemStatus, error);
    }
    if (Events.Contains(evTxEmpty))
        DoTxEmpty();
    if (Events.Contains(evBreak))
        DoBreak();
    if (Events.Contains(evRing))
        DoRing((lines & SerialModem::Ring) != 0);
    if (Events.Contains(evCTS))
        DoCTSChange((lines & SerialModem::Cts) != 0);
    if (Events.Contains(evDSR))
        DoDSRChange((lines & SerialModem::Dsr) != 0);
    if (Events.Contains(evRxFlag))
        DoRxFlag();
    if (Events.Contains(evRLSD))
        DoRLSDChange((lines & SerialModem::Rlsd) != 0);
    if (Events.Contains(evRx80Full))
        DoRx80Full();
}

void TCustomComPort::HandleRxChar() {
    const int count = InputCount();
    if (count <= 0)
        return;
    if (FTriggersOnRxChar) {
        DoRxChar(count);
        return;
    }
    std::vector<std::uint8_t> dropped(static_cast<std::size_t>(count));
    Read(dropped.data(), count);
}

void TCustomComPort::DoRxChar(int Count) {
    if (OnRxChar)
        OnRxChar(*this, Count);
}

void TCustomComPort::DoTxEmpty() {
    if (OnTxEmpty)
        OnTxEmpty(*this);
}

void TCustomComPort::DoBreak() {
    if (OnBreak)
        OnBreak(*this);
}

void TCustomComPort::DoRing(bool OnOff) {
    if (OnRing)
        OnRing(*this, OnOff);
}

void TCustomComPort::DoRxFlag() {
    if (OnRxFlag)
        OnRxFlag(*this);
}

void TCustomComPort::DoCTSChange(bool OnOff) {
    if (OnCTSChange)
        OnCTSChange(*this, OnOff);
}

void TCustomComPort::DoDSRChange(bool OnOff) {
    if (OnDSRChange)
        OnDSRChange(*this, OnOff);
}

void TCustomComPort::DoError(TComErrors Errors) {
    if (OnError)
        OnError(*this, Errors);
}

void TCustomComPort::DoRLSDChange(bool OnOff) {
    if (OnRLSDChange)
        OnRLSDChange(*this, OnOff);
}

void TCustomComPort::DoRx80Full() {
    if (OnRx80Full)
        OnRx80Full(*this);
}

} // namespace zt
