#pragma once

#include <stdexcept>
#include <string>

namespace zt {

// Errors of the serial port core: FCode is the core's error number (1 to 24), FWinCode the
// platform's error code or -1 when there is none.
class EComPort : public std::runtime_error {
public:
    // Message: the code's text followed by " (Error: %d)" with the platform code.
    // ADeviceLost: the platform said that code means the device is gone.
    static EComPort Create(int ACode, int AWinCode, bool ADeviceLost = false);
    // Message: the code's text alone; FWinCode is -1.
    static EComPort CreateNoWinCode(int ACode);

    int Code() const { return FCode; }
    int WinCode() const { return FWinCode; }
    // The port failed as a removed device's does (a call on the open port, refused by the
    // platform with a code that means the device is gone or unusable); never for an open
    // that fails, a time limit, a port that is not open or a setting refused.
    bool DeviceLost() const { return FDeviceLost; }

private:
    EComPort(const std::string& message, int code, int winCode, bool deviceLost);
    int FWinCode;
    int FCode;
    bool FDeviceLost;
};

// The text of a core error number; empty for numbers outside the table.
std::string ComErrorText(int code);

// The core's single failure path: with a platform code above 0 the message carries it, and
// deviceLost marks it as a lost device's.
[[noreturn]] void RaisePortError(int code, int platformCode, bool deviceLost = false);

// Core error numbers raised in this system.
namespace ComErr {
enum : int {
    Open = 1,
    Write = 2,
    Read = 3,
    Purge = 5,
    LineSettings = 7,
    Timeouts = 8,
    QueueSizes = 9,
    LineStatus = 10,
    ModemStatus = 11,
    NotOpen = 24,
};
}

} // namespace zt
