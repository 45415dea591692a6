#include "serial/EComPort.h"

#include <array>

namespace zt {

namespace {

constexpr std::array<const char*, 24> ErrorTexts = {
    "Unable to open com port",
    "WriteFile function failed",
    "ReadFile function failed",
    "Invalid Async parameter",
    "PurgeComm function failed",
    "Unable to get async status",
    "SetCommState function failed",
    "SetCommTimeouts failed",
    "SetupComm function failed",
    "ClearCommError function failed",
    "GetCommModemStatus function failed",
    "EscapeCommFunction function failed",
    "TransmitCommChar function failed",
    "Cannot set property while connected",
    "EnumPorts function failed",
    "Failed to store settings",
    "Failed to load settings",
    "Link (un)registration failed",
    "Cannot change led state if ComPort is selected",
    "Cannot wait for event if event thread is created",
    "WaitForEvent method failed",
    "A component is linked to OnRxBuf event",
    "Registry error",
    "Port Not Open",
};

} // namespace

std::string ComErrorText(int code) {
    if (code < 1 || code > static_cast<int>(ErrorTexts.size()))
        return {};
    return ErrorTexts[code - 1];
}

EComPort::EComPort(const std::string& message, int code, int winCode, bool deviceLost)
    : std::runtime_error(message), FWinCode(winCode), FCode(code), FDeviceLost(deviceLost) {}

EComPort EComPort::Create(int ACode, int AWinCode, bool ADeviceLost) {
    return EComPort(ComErrorText(ACode) + " (Error: " + std::to_string(AWinCode) + ")", ACode,
                    AWinCode, ADeviceLost);
}

EComPort EComPort::CreateNoWinCode(int ACode) {
    return EComPort(ComErrorText(ACode), ACode, -1, false);
}

void RaisePortError(int code, int platformCode, bool deviceLost) {
    if (platformCode > 0)
        throw EComPort::Create(code, platformCode, deviceLost);
    throw EComPort::CreateNoWinCode(code);
}

} // namespace zt
