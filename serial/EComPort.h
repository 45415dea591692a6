#pragma once

#include <stdexcept>
#include <string>

namespace zt {

// Errors of the serial port core: FCode is the core's error number (1 to 24), FWinCode the
// platform's error code or -1 when there is none.
class EComPort : public std::runtime_error {
public:
    // Message: the code's text followed by " (Error: %d)" with the platform code.
    static EComPort Create(int ACode, int AWinCode);
    // Message: the code's text alone; FWinCode is -1.
    static EComPort CreateNoWinCode(int ACode);

    int Code() const { return FCode; }
    int WinCode() const { return FWinCode; }

private:
    EComPort(const std::string& message, int code, int winCode);
    int FWinCode;
    int FCode;
};

// The text of a core error number; empty for numbers outside the table.
std::string ComErrorText(int code);

// The core's single failure path: with a platform code above 0 the message carries it.
[[noreturn]] void RaisePortError(int code, int platformCode);

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
