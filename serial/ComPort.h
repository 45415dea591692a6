#pragma once

#include "serial/ComSettings.h"
#include "serial/ComTypes.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace zt {

class ISerialDevice;
class IUiThread;
class TComThread;
class TCustomComPort;

using TComNotifyEvent = std::function<void(TCustomComPort& Sender)>;
using TRxCharEvent = std::function<void(TCustomComPort& Sender, int Count)>;
// OnOff: the state of the line that changed.
using TComSignalEvent = std::function<void(TCustomComPort& Sender, bool OnOff)>;
using TComErrorEvent = std::function<void(TCustomComPort& Sender, TComErrors Errors)>;

// One serial port: its settings, synchronous reads and writes bounded by the time limits,
// and, while open, an event thread whose batches run on the UI thread. Every failure is an
// EComPort. All operations belong to the UI thread.
class TCustomComPort {
public:
    // The device stands for the port's handle: it is open exactly while the port is.
    TCustomComPort(ISerialDevice& device, IUiThread& uiThread);
    virtual ~TCustomComPort();
    TCustomComPort(const TCustomComPort&) = delete;
    TCustomComPort& operator=(const TCustomComPort&) = delete;

    void Open();
    // Ends the event thread and closes the handle; when aborting the pending transfers
    // failed, that error is raised after the port is closed.
    void Close();
    void BeginUpdate();
    void EndUpdate();

    int Read(void* Buffer, int Count);
    // Str: one character per byte read (its code is the byte's value).
    int ReadStr(std::string& Str, int Count);
    // Writes the low eight bits of each character's code.
    int WriteStr(const std::string& Str);
    void ClearBuffer(bool Input, bool Output);
    int InputCount();

    bool Connected() const { return FConnected; }
    TBaudRate BaudRate() const { return FBaudRate; }
    void SetBaudRate(TBaudRate Value);
    int CustomBaudRate() const { return FCustomBaudRate; }
    void SetCustomBaudRate(int Value);
    const std::string& Port() const { return FPort; }
    // While open, a different name closes the port and opens it under the new name.
    void SetPort(const std::string& Value);
    TStopBits StopBits() const { return FStopBits; }
    void SetStopBits(TStopBits Value);
    TDataBits DataBits() const { return FDataBits; }
    void SetDataBits(TDataBits Value);
    bool DiscardNull() const { return FDiscardNull; }
    void SetDiscardNull(bool Value);
    char EventChar() const { return FEventChar; }
    void SetEventChar(char Value);
    // Taken by the event thread when the port opens.
    TComEvents Events() const { return FEvents; }
    void SetEvents(TComEvents Value) { FEvents = Value; }
    bool TriggersOnRxChar() const { return FTriggersOnRxChar; }
    void SetTriggersOnRxChar(bool Value) { FTriggersOnRxChar = Value; }
    // Kept for callers that set them; batches always run on the UI thread, where every
    // change of port state must happen, and the event thread runs at normal priority.
    TSyncMethod SyncMethod() const { return FSyncMethod; }
    void SetSyncMethod(TSyncMethod Value) { FSyncMethod = Value; }
    TThreadPriority EventThreadPriority() const { return FEventThreadPriority; }
    void SetEventThreadPriority(TThreadPriority Value) { FEventThreadPriority = Value; }

    TComTimeouts& Timeouts() { return FTimeouts; }
    TComFlowControl& FlowControl() { return FFlowControl; }
    TComParity& Parity() { return FParity; }
    TComBuffer& Buffer() { return FBuffer; }
    const TComTimeouts& Timeouts() const { return FTimeouts; }
    const TComFlowControl& FlowControl() const { return FFlowControl; }
    const TComParity& Parity() const { return FParity; }
    const TComBuffer& Buffer() const { return FBuffer; }

    TRxCharEvent OnRxChar;
    TComNotifyEvent OnTxEmpty;
    TComNotifyEvent OnBreak;
    TComNotifyEvent OnRxFlag;
    TComNotifyEvent OnRx80Full;
    TComSignalEvent OnRing;
    TComSignalEvent OnCTSChange;
    TComSignalEvent OnDSRChange;
    TComSignalEvent OnRLSDChange;
    TComErrorEvent OnError;

protected:
    virtual void CreatePortHandle();
    virtual void DestroyPortHandle();
    // Queue sizes, line settings, time limits, in that order.
    virtual void ApplyAllSettings();
    void ApplyLineSettings();
    void ApplyTimeoutSettings();
    void ApplyBufferSettings();
    // Reads what is waiting, else the first bytes that come within WaitMs (none after
    // that), leaving the device with these limits until ApplyTimeoutSettings restores the
    // port's own. The line-end read is made of these.
    int ReadFirstBytes(std::string& Str, int Count, int WaitMs);
    // The device's clock, the one its time limits run on.
    std::int64_t NowMs() const;
    // The line's speed in bits per second.
    std::uint32_t BitsPerSecond() const;

    virtual void DoRxChar(int Count);
    virtual void DoTxEmpty();
    virtual void DoBreak();
    virtual void DoRing(bool OnOff);
    virtual void DoRxFlag();
    virtual void DoCTSChange(bool OnOff);
    virtual void DoDSRChange(bool OnOff);
    virtual void DoError(TComErrors Errors);
    virtual void DoRLSDChange(bool OnOff);
    virtual void DoRx80Full();

private:
    friend class TComSettingObject;
    friend class TComThread;

    void SettingChanged(ComSettingGroup group);
    void ApplyGroup(ComSettingGroup group);
    void LineSettingChanged() { SettingChanged(ComSettingGroup::Line); }
    // One batch of line events, on the UI thread.
    void HandleEvents(TComEvents Events);
    void HandleRxChar();
    // Raises error code for a platform error of a call on the device.
    [[noreturn]] void Fail(int code, int platformError) const;

    ISerialDevice& FHandle;
    IUiThread& uiThread_;
    std::unique_ptr<TComThread> FEventThread;
    bool FThreadCreated = false;
    int FUpdateCount = 0;
    bool FTriggersOnRxChar = true;
    TThreadPriority FEventThreadPriority = tpNormal;
    bool FConnected = false;
    TBaudRate FBaudRate = br9600;
    int FCustomBaudRate = 9600;
    std::string FPort = "COM1";
    TStopBits FStopBits = sbOneStopBit;
    TDataBits FDataBits = dbEight;
    bool FDiscardNull = false;
    char FEventChar = 0;
    TComEvents FEvents = TComEvents::All();
    TComBuffer FBuffer{*this};
    TComParity FParity{*this};
    TComTimeouts FTimeouts{*this};
    TComFlowControl FFlowControl{*this};
    TSyncMethod FSyncMethod = smThreadSync;
};

// The port with its properties published; nothing else differs.
class TComPort : public TCustomComPort {
public:
    using TCustomComPort::TCustomComPort;
};

} // namespace zt
