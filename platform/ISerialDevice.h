#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace zt {

enum class SerialParity { None, Odd, Even, Mark, Space };
enum class SerialStopBits { One, OneAndHalf, Two };
enum class SerialDtr { Disable, Enable, Handshake };
enum class SerialRts { Disable, Enable, Handshake, Toggle };

// The driver's line settings, applied as one block.
struct SerialLineSettings {
    std::uint32_t baudRate = 9600;
    std::uint8_t byteSize = 8;
    SerialParity parity = SerialParity::None;
    SerialStopBits stopBits = SerialStopBits::One;
    bool parityCheck = false;
    bool errorReplace = false; // replace characters with parity errors by errorChar
    char errorChar = 0;
    bool discardNull = false;
    bool outCtsFlow = false;
    bool outDsrFlow = false;
    SerialDtr dtr = SerialDtr::Disable;
    SerialRts rts = SerialRts::Disable;
    bool outXonXoff = false;
    bool inXonXoff = false;
    std::uint16_t xonLimit = 0;
    std::uint16_t xoffLimit = 0;
    char xonChar = 17;
    char xoffChar = 19;
    bool dsrSensitivity = false;
    bool txContinueOnXoff = false;
    char eventChar = 0;
    bool operator==(const SerialLineSettings&) const = default;
};

// Read and write time limits in ms. readInterval 0xFFFFFFFF with both read totals 0 makes a
// read return at once with what is waiting; a total of 0 means no total limit. A read ends
// when its count has come, when more than readInterval ms pass between two bytes once one
// has come, or when readTotalMultiplier * count + readTotalConstant ms have passed.
struct SerialTimeouts {
    std::uint32_t readInterval = 0;
    std::uint32_t readTotalMultiplier = 0;
    std::uint32_t readTotalConstant = 0;
    std::uint32_t writeTotalMultiplier = 0;
    std::uint32_t writeTotalConstant = 0;
    bool operator==(const SerialTimeouts&) const = default;
};

// Line events, one bit each.
namespace SerialEvent {
enum : unsigned {
    RxChar = 1u << 0,
    TxEmpty = 1u << 1,
    RxFlag = 1u << 2,
    Ring = 1u << 3,
    Break = 1u << 4,
    Cts = 1u << 5,
    Dsr = 1u << 6,
    Error = 1u << 7,
    Rlsd = 1u << 8,
    Rx80Full = 1u << 9,
};
}

// Modem-status lines that are on.
namespace SerialModem {
enum : unsigned { Cts = 1u << 0, Dsr = 1u << 1, Ring = 1u << 2, Rlsd = 1u << 3 };
}

// Line errors found by ClearErrors.
namespace SerialLineError {
enum : unsigned {
    Frame = 1u << 0,
    Parity = 1u << 1,
    Overrun = 1u << 2,
    Break = 1u << 3,
    IO = 1u << 4,
    Mode = 1u << 5,
    RxOver = 1u << 6,
    TxFull = 1u << 7,
};
}

namespace SerialPurge {
enum : unsigned { RxAbort = 1u << 0, RxClear = 1u << 1, TxAbort = 1u << 2, TxClear = 1u << 3 };
}

struct SerialStatus {
    unsigned errors = 0;
    std::uint32_t inQueue = 0;
    std::uint32_t outQueue = 0;
};

// Outcome of one read or write: error is 0 or the platform's code.
struct SerialTransfer {
    int error = 0;
    std::size_t count = 0;
};

struct SerialEventWait {
    enum Kind {
        Occurred, // events holds what happened
        Ended,    // the wait ended without a result; wait again
        Stopped,  // StopEventWatch was called
    };
    Kind kind = Stopped;
    unsigned events = 0;
};

// One serial port of the platform. Every operation that can fail returns 0 or the
// platform's error code. Reads and writes run on one thread while another thread waits for
// line events; nothing else is called concurrently.
class ISerialDevice {
public:
    virtual ~ISerialDevice() = default;

    // Opens the port named like "COM3" for reading and writing, exclusively.
    virtual int Open(const std::string& port) = 0;
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;

    virtual int SetLineSettings(const SerialLineSettings& settings) = 0;
    virtual int SetQueueSizes(std::uint32_t input, std::uint32_t output) = 0;
    virtual int SetTimeouts(const SerialTimeouts& timeouts) = 0;

    // Start the transfer and wait for it; the time limits end it, which is no error.
    virtual SerialTransfer Read(std::uint8_t* buffer, std::size_t count) = 0;
    virtual SerialTransfer Write(const std::uint8_t* data, std::size_t count) = 0;

    virtual int Purge(unsigned purgeFlags) = 0;
    // error, returned by a call on the open device, says that the device is gone or no
    // longer usable (an adapter pulled out), not that a call or a setting was refused.
    virtual bool IsDeviceGone(int error) const = 0;
    // A steady clock in ms, the one the device's time limits run on.
    virtual std::int64_t NowMs() const = 0;
    // Reads and clears the line-error state, with the number of bytes in each queue.
    virtual int ClearErrors(SerialStatus& status) = 0;
    virtual int GetModemStatus(unsigned& lines) = 0;

    // Event watching, for the one event thread. StartEventWatch (before the thread runs)
    // chooses the events and clears the stop request; WaitEvent blocks until an event or
    // the stop request, never spinning, also when the platform refuses to wait (where it
    // cannot wait at all, only received characters are reported, found within about 100 ms);
    // StopEventWatch may be called from any thread; EndEventWatch (on the event thread,
    // after Stopped) switches the reporting off and finishes the abandoned wait.
    virtual int StartEventWatch(unsigned events) = 0;
    virtual SerialEventWait WaitEvent() = 0;
    virtual void StopEventWatch() = 0;
    virtual void EndEventWatch() = 0;
};

} // namespace zt
