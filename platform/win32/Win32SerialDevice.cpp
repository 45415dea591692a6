#include "platform/win32/Win32SerialDevice.h"

#include "platform/win32/Utf16.h"

#include <windows.h>

namespace zt {

namespace {

constexpr DWORD ModemLineEvents = EV_CTS | EV_DSR | EV_RING | EV_RLSD;
// How often the input queue is looked at where the platform cannot wait for line events.
constexpr DWORD InputPollMs = 100;

struct EventBit {
    unsigned serial;
    DWORD win;
};
constexpr EventBit EventBits[] = {
    {SerialEvent::RxChar, EV_RXCHAR}, {SerialEvent::TxEmpty, EV_TXEMPTY},
    {SerialEvent::RxFlag, EV_RXFLAG}, {SerialEvent::Ring, EV_RING},
    {SerialEvent::Break, EV_BREAK},   {SerialEvent::Cts, EV_CTS},
    {SerialEvent::Dsr, EV_DSR},       {SerialEvent::Error, EV_ERR},
    {SerialEvent::Rlsd, EV_RLSD},     {SerialEvent::Rx80Full, EV_RX80FULL},
};

DWORD ToWinEvents(unsigned events) {
    DWORD mask = 0;
    for (const auto& b : EventBits)
        if (events & b.serial)
            mask |= b.win;
    return mask;
}

unsigned FromWinEvents(DWORD mask) {
    unsigned events = 0;
    for (const auto& b : EventBits)
        if (mask & b.win)
            events |= b.serial;
    return events;
}

int LastError() {
    return static_cast<int>(::GetLastError());
}

// One overlapped operation with its own completion signal, released on every path.
struct Async {
    UniqueHandle signal{::CreateEventW(nullptr, TRUE, FALSE, nullptr)};
    OVERLAPPED overlapped{};
    Async() { overlapped.hEvent = signal.Get(); }
};

// Wine ends a read that times out before its first byte with ERROR_TIMEOUT instead of success
// with no bytes; both mean an empty read.
bool IsEmptyReadTimeout(DWORD error, DWORD transferred) {
    return error == ERROR_TIMEOUT && transferred == 0;
}

// Starts a transfer and waits for its end; the port's time limits end it.
SerialTransfer Transfer(HANDLE handle, bool reading, void* buffer, std::size_t count) {
    Async async;
    if (!async.overlapped.hEvent)
        return {LastError(), 0};
    DWORD done = 0;
    const DWORD n = static_cast<DWORD>(count);
    const BOOL ok = reading ? ::ReadFile(handle, buffer, n, &done, &async.overlapped)
                            : ::WriteFile(handle, buffer, n, &done, &async.overlapped);
    if (!ok) {
        const DWORD error = ::GetLastError();
        if (reading && IsEmptyReadTimeout(error, done))
            return {0, 0};
        if (error != ERROR_IO_PENDING)
            return {static_cast<int>(error), 0};
    }
    ::WaitForSingleObject(async.overlapped.hEvent, INFINITE);
    if (!::GetOverlappedResult(handle, &async.overlapped, &done, FALSE)) {
        const DWORD error = ::GetLastError();
        if (!(reading && IsEmptyReadTimeout(error, done)))
            return {static_cast<int>(error), done};
    }
    return {0, done};
}

} // namespace

// The event thread's wait block and stop signal, which one wait must cover together.
struct Win32SerialDevice::EventWatch {
    UniqueHandle stop{::CreateEventW(nullptr, TRUE, FALSE, nullptr)};
    Async wait;
    DWORD mask = 0;
    DWORD occurred = 0;
    bool pending = false;
    bool polling = false; // the platform ends every wait at once: look at the input instead
};

Win32SerialDevice::Win32SerialDevice() = default;

Win32SerialDevice::~Win32SerialDevice() {
    Close();
}

int Win32SerialDevice::Open(const std::string& port) {
    if (IsOpen())
        return ERROR_ALREADY_EXISTS;
    const std::wstring path = L"\\\\.\\" + ToUtf16(port);
    UniqueHandle h(::CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                 OPEN_EXISTING, FILE_FLAG_OVERLAPPED, nullptr));
    if (!h)
        return LastError();
    auto watch = std::make_unique<EventWatch>();
    if (!watch->stop || !watch->wait.signal)
        return LastError();
    handle_ = std::move(h);
    watch_ = std::move(watch);
    return 0;
}

void Win32SerialDevice::Close() {
    handle_.Reset();
    watch_.reset();
}

bool Win32SerialDevice::IsOpen() const {
    return static_cast<bool>(handle_);
}

int Win32SerialDevice::SetLineSettings(const SerialLineSettings& s) {
    static constexpr BYTE Parities[] = {NOPARITY, ODDPARITY, EVENPARITY, MARKPARITY, SPACEPARITY};
    static constexpr BYTE StopBitsTexts[] = {ONESTOPBIT, ONE5STOPBITS, TWOSTOPBITS};
    static constexpr DWORD DtrControls[] = {DTR_CONTROL_DISABLE, DTR_CONTROL_ENABLE,
                                            DTR_CONTROL_HANDSHAKE};
    static constexpr DWORD RtsControls[] = {RTS_CONTROL_DISABLE, RTS_CONTROL_ENABLE,
                                            RTS_CONTROL_HANDSHAKE, RTS_CONTROL_TOGGLE};
    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    dcb.BaudRate = s.baudRate;
    dcb.fBinary = TRUE;
    dcb.fParity = s.parityCheck;
    dcb.fOutxCtsFlow = s.outCtsFlow;
    dcb.fOutxDsrFlow = s.outDsrFlow;
    dcb.fDtrControl = DtrControls[static_cast<int>(s.dtr)];
    dcb.fDsrSensitivity = s.dsrSensitivity;
    dcb.fTXContinueOnXoff = s.txContinueOnXoff;
    dcb.fOutX = s.outXonXoff;
    dcb.fInX = s.inXonXoff;
    dcb.fErrorChar = s.errorReplace;
    dcb.fNull = s.discardNull;
    dcb.fRtsControl = RtsControls[static_cast<int>(s.rts)];
    dcb.fAbortOnError = FALSE;
    dcb.XonLim = s.xonLimit;
    dcb.XoffLim = s.xoffLimit;
    dcb.ByteSize = s.byteSize;
    dcb.Parity = Parities[static_cast<int>(s.parity)];
    dcb.StopBits = StopBitsTexts[static_cast<int>(s.stopBits)];
    dcb.XonChar = s.xonChar;
    dcb.XoffChar = s.xoffChar;
    dcb.ErrorChar = s.errorChar;
    dcb.EofChar = 0;
    dcb.EvtChar = s.eventChar;
    return ::SetCommState(handle_.Get(), &dcb) ? 0 : LastError();
}

int Win32SerialDevice::SetQueueSizes(std::uint32_t input, std::uint32_t output) {
    return ::SetupComm(handle_.Get(), input, output) ? 0 : LastError();
}

int Win32SerialDevice::SetTimeouts(const SerialTimeouts& t) {
    COMMTIMEOUTS ct{t.readInterval, t.readTotalMultiplier, t.readTotalConstant,
                    t.writeTotalMultiplier, t.writeTotalConstant};
    return ::SetCommTimeouts(handle_.Get(), &ct) ? 0 : LastError();
}

SerialTransfer Win32SerialDevice::Read(std::uint8_t* buffer, std::size_t count) {
    return Transfer(handle_.Get(), true, buffer, count);
}

SerialTransfer Win32SerialDevice::Write(const std::uint8_t* data, std::size_t count) {
    return Transfer(handle_.Get(), false, const_cast<std::uint8_t*>(data), count);
}

int Win32SerialDevice::Purge(unsigned flags) {
    DWORD win = 0;
    if (flags & SerialPurge::RxAbort)
        win |= PURGE_RXABORT;
    if (flags & SerialPurge::RxClear)
        win |= PURGE_RXCLEAR;
    if (flags & SerialPurge::TxAbort)
        win |= PURGE_TXABORT;
    if (flags & SerialPurge::TxClear)
        win |= PURGE_TXCLEAR;
    return ::PurgeComm(handle_.Get(), win) ? 0 : LastError();
}

bool Win32SerialDevice::IsDeviceGone(int error) const {
    switch (error) {
    case ERROR_ACCESS_DENIED:     // Windows drivers, on every call on a removed device's handle
    case ERROR_INVALID_HANDLE:    // Wine, on a handle opened while the device was gone
    case ERROR_NOT_READY:         // Wine's form of the tty's EIO
    case ERROR_BAD_COMMAND:       // drivers that refuse a removed device's requests so
    case ERROR_GEN_FAILURE:       // "device not functioning", USB adapters after removal
    case ERROR_OPERATION_ABORTED: // a transfer the driver ended; this port never aborts its own
    case ERROR_DEVICE_NOT_CONNECTED:
    case ERROR_DEVICE_REMOVED:
        return true;
    default:
        return false;
    }
}

std::int64_t Win32SerialDevice::NowMs() const {
    return static_cast<std::int64_t>(::GetTickCount64());
}

int Win32SerialDevice::ClearErrors(SerialStatus& status) {
    static constexpr struct {
        DWORD win;
        unsigned serial;
    } LineErrors[] = {
        {CE_FRAME, SerialLineError::Frame},     {CE_RXPARITY, SerialLineError::Parity},
        {CE_OVERRUN, SerialLineError::Overrun}, {CE_BREAK, SerialLineError::Break},
        {CE_IOE, SerialLineError::IO},          {CE_MODE, SerialLineError::Mode},
        {CE_RXOVER, SerialLineError::RxOver},   {CE_TXFULL, SerialLineError::TxFull}};
    DWORD errors = 0;
    COMSTAT stat{};
    if (!::ClearCommError(handle_.Get(), &errors, &stat))
        return LastError();
    status.errors = 0;
    for (const auto& e : LineErrors)
        if (errors & e.win)
            status.errors |= e.serial;
    status.inQueue = stat.cbInQue;
    status.outQueue = stat.cbOutQue;
    return 0;
}

int Win32SerialDevice::GetModemStatus(unsigned& lines) {
    DWORD status = 0;
    if (!::GetCommModemStatus(handle_.Get(), &status))
        return LastError();
    lines = ((status & MS_CTS_ON) ? SerialModem::Cts : 0u) |
            ((status & MS_DSR_ON) ? SerialModem::Dsr : 0u) |
            ((status & MS_RING_ON) ? SerialModem::Ring : 0u) |
            ((status & MS_RLSD_ON) ? SerialModem::Rlsd : 0u);
    return 0;
}

int Win32SerialDevice::StartEventWatch(unsigned events) {
    if (!watch_)
        return ERROR_INVALID_HANDLE;
    ::ResetEvent(watch_->stop.Get());
    watch_->mask = ToWinEvents(events);
    return ::SetCommMask(handle_.Get(), watch_->mask) ? 0 : LastError();
}

SerialEventWait Win32SerialDevice::PollInput() {
    EventWatch& w = *watch_;
    if (!(w.mask & EV_RXCHAR)) {
        ::WaitForSingleObject(w.stop.Get(), INFINITE);
        return {SerialEventWait::Stopped, 0};
    }
    if (::WaitForSingleObject(w.stop.Get(), InputPollMs) == WAIT_OBJECT_0)
        return {SerialEventWait::Stopped, 0};
    // Line errors found here are cleared unreported; nothing in this program handles them.
    DWORD errors = 0;
    COMSTAT stat{};
    if (::ClearCommError(handle_.Get(), &errors, &stat) && stat.cbInQue > 0)
        return {SerialEventWait::Occurred, SerialEvent::RxChar};
    return {SerialEventWait::Ended, 0};
}

SerialEventWait Win32SerialDevice::WaitEvent() {
    EventWatch& w = *watch_;
    if (w.polling)
        return PollInput();
    // Events that complete at once must not keep the thread from seeing its stop.
    if (::WaitForSingleObject(w.stop.Get(), 0) == WAIT_OBJECT_0)
        return {SerialEventWait::Stopped, 0};
    OVERLAPPED& ov = w.wait.overlapped;
    ::ResetEvent(ov.hEvent);
    w.occurred = 0;
    BOOL started = ::WaitCommEvent(handle_.Get(), &w.occurred, &ov);
    DWORD error = started ? 0 : ::GetLastError();
    // Wine refuses the wait at once (ERROR_NOT_SUPPORTED) while the mask holds a modem-line
    // event, and accepts it without them: keep watching what it accepts. Windows never
    // takes this path.
    if (error == ERROR_NOT_SUPPORTED && (w.mask & ModemLineEvents)) {
        w.mask &= ~ModemLineEvents;
        if (::SetCommMask(handle_.Get(), w.mask)) {
            started = ::WaitCommEvent(handle_.Get(), &w.occurred, &ov);
            error = started ? 0 : ::GetLastError();
        }
    }
    if (started)
        return {SerialEventWait::Occurred, FromWinEvents(w.occurred)};
    if (error != ERROR_IO_PENDING) {
        // Nothing to watch: sleep until the stop request rather than retry.
        ::WaitForSingleObject(w.stop.Get(), INFINITE);
        return {SerialEventWait::Stopped, 0};
    }
    w.pending = true;
    const HANDLE handles[] = {ov.hEvent, w.stop.Get()};
    if (::WaitForMultipleObjects(2, handles, FALSE, INFINITE) != WAIT_OBJECT_0)
        return {SerialEventWait::Stopped, 0};
    w.pending = false;
    DWORD unused = 0;
    if (!::GetOverlappedResult(handle_.Get(), &ov, &unused, FALSE)) {
        // Wine ends every accepted wait on a pty as cancelled a few ms later, whatever the
        // mask, and each such wait costs CPU and memory it never gives back: from now on
        // received characters are found by looking at the input queue. Windows only ends a
        // wait this way when the mask changes, which this port does not do.
        w.polling = true;
        return PollInput();
    }
    return {SerialEventWait::Occurred, FromWinEvents(w.occurred)};
}

void Win32SerialDevice::StopEventWatch() {
    if (watch_)
        ::SetEvent(watch_->stop.Get());
}

void Win32SerialDevice::EndEventWatch() {
    EventWatch& w = *watch_;
    ::SetCommMask(handle_.Get(), 0);
    if (w.pending) {
        // The abandoned wait still owns its block: let it finish before anyone reuses it.
        DWORD unused = 0;
        ::CancelIoEx(handle_.Get(), &w.wait.overlapped);
        ::GetOverlappedResult(handle_.Get(), &w.wait.overlapped, &unused, TRUE);
        w.pending = false;
    }
}

} // namespace zt
