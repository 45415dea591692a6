#pragma once

#include "platform/ISerialDevice.h"
#include "platform/win32/UniqueHandle.h"

#include <memory>

namespace zt {

// A COM port over the Win32 communications API, opened as "\\.\" + name for overlapped I/O.
class Win32SerialDevice : public ISerialDevice {
public:
    Win32SerialDevice();
    ~Win32SerialDevice() override;
    Win32SerialDevice(const Win32SerialDevice&) = delete;
    Win32SerialDevice& operator=(const Win32SerialDevice&) = delete;

    int Open(const std::string& port) override;
    void Close() override;
    bool IsOpen() const override;
    int SetLineSettings(const SerialLineSettings& settings) override;
    int SetQueueSizes(std::uint32_t input, std::uint32_t output) override;
    int SetTimeouts(const SerialTimeouts& timeouts) override;
    SerialTransfer Read(std::uint8_t* buffer, std::size_t count) override;
    SerialTransfer Write(const std::uint8_t* data, std::size_t count) override;
    int Purge(unsigned purgeFlags) override;
    bool IsDeviceGone(int error) const override;
    std::int64_t NowMs() const override;
    int ClearErrors(SerialStatus& status) override;
    int GetModemStatus(unsigned& lines) override;
    int StartEventWatch(unsigned events) override;
    SerialEventWait WaitEvent() override;
    void StopEventWatch() override;
    void EndEventWatch() override;

private:
    struct EventWatch;
    SerialEventWait PollInput();
    UniqueHandle handle_;
    std::unique_ptr<EventWatch> watch_;
};

} // namespace zt
