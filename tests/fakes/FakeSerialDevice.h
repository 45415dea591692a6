#pragma once

#include "platform/ISerialDevice.h"

#include <array>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

namespace zt {

// A serial device in memory. Bytes queued with QueueInput are what reads return (up to the
// count asked for); every write is recorded in Written(), and `reply`, when set, is called
// with each write's bytes and its result queued as input (replyDelayMs later), which is how
// a test plays the device at the other end. Operations can be made to fail with a platform
// code. Time is the fake's own clock (NowMs), which only a read moves on: a read waits, by
// the time limits set, for bytes that QueueInputAt makes arrive later, and ends when the
// limits say; a read that the limits would let wait forever ends at once.
// Thread-safe where the port needs it: the event thread waits while the UI thread works.
class FakeSerialDevice : public ISerialDevice {
public:
    enum class Op {
        Open,
        LineSettings,
        QueueSizes,
        Timeouts,
        Read,
        Write,
        Purge,
        ClearErrors,
        ModemStatus,
        EventWatch,
        Count_
    };
    // Code returned by every later call of op (0: succeed). Operations on a device that is
    // not open fail with 6, the invalid-handle code.
    void Fail(Op op, int code) { failures_[static_cast<int>(op)] = code; }
    // The one code that says the device is gone, as a pulled adapter's calls fail.
    static constexpr int kDeviceGone = 1167;

    // Test side of the line.
    void QueueInput(std::string_view bytes);
    // The bytes arrive ms after the fake clock's present moment.
    void QueueInputAt(int ms, std::string_view bytes);
    int replyDelayMs = 0;
    std::string Written() const;
    std::string TakeWritten();
    // Reports line events to a waiting event thread (RxChar is reported by QueueInput).
    void RaiseEvents(unsigned events);
    std::size_t InputWaiting() const;
    // Called with each write's bytes; what it returns arrives as input.
    std::function<std::string(const std::string& written)> reply;

    // What the port did on the UI thread, in order: "open COM3", "queues", "line",
    // "timeouts", "watch" (event watch started), "close".
    std::vector<std::string> calls;
    // Every Open, the failed ones too.
    int openAttempts = 0;
    SerialLineSettings line;
    SerialTimeouts timeouts;
    std::uint32_t inputQueueSize = 0;
    std::uint32_t outputQueueSize = 0;
    std::vector<unsigned> Purges() const;
    unsigned modemLines = 0;
    unsigned lineErrors = 0;
    // The platform refuses the event wait: WaitEvent only waits for the stop request.
    bool refuseEventWait = false;
    int EventWaits() const;

    int Open(const std::string& port) override;
    void Close() override;
    bool IsOpen() const override { return open_; }
    int SetLineSettings(const SerialLineSettings& settings) override;
    int SetQueueSizes(std::uint32_t input, std::uint32_t output) override;
    int SetTimeouts(const SerialTimeouts& t) override;
    SerialTransfer Read(std::uint8_t* buffer, std::size_t count) override;
    SerialTransfer Write(const std::uint8_t* data, std::size_t count) override;
    int Purge(unsigned purgeFlags) override;
    bool IsDeviceGone(int error) const override { return error == kDeviceGone; }
    std::int64_t NowMs() const override;
    int ClearErrors(SerialStatus& status) override;
    int GetModemStatus(unsigned& lines) override;
    int StartEventWatch(unsigned events) override;
    SerialEventWait WaitEvent() override;
    void StopEventWatch() override;
    void EndEventWatch() override;

private:
    struct Arrival {
        std::int64_t at;
        std::string bytes;
    };
    int Failure(Op op) const;
    // Moves what has arrived by the clock into the input; the caller holds the lock.
    void Deliver();
    // Takes waiting input into buffer after `got` bytes; the caller holds the lock.
    std::size_t Take(std::uint8_t* buffer, std::size_t count, std::size_t got);

    std::array<int, static_cast<int>(Op::Count_)> failures_{};
    bool open_ = false;
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::string input_;
    std::deque<Arrival> arrivals_; // by time
    std::int64_t now_ = 0;
    std::string written_;
    std::vector<unsigned> purges_;
    unsigned watched_ = 0;
    unsigned pendingEvents_ = 0;
    bool stop_ = false;
    int eventWaits_ = 0;
};

} // namespace zt
