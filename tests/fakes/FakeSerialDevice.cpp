#include "tests/fakes/FakeSerialDevice.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace zt {

namespace {
constexpr int kInvalidHandle = 6;
constexpr std::uint32_t kNoInterval = 0xFFFFFFFFu;
constexpr std::int64_t kNever = std::numeric_limits<std::int64_t>::max();
} // namespace

int FakeSerialDevice::Failure(Op op) const {
    if (op != Op::Open && !open_)
        return kInvalidHandle;
    return failures_[static_cast<int>(op)];
}

void FakeSerialDevice::QueueInput(std::string_view bytes) {
    {
        std::lock_guard lock(mutex_);
        input_.append(bytes);
        pendingEvents_ |= watched_ & SerialEvent::RxChar;
    }
    changed_.notify_all();
}

void FakeSerialDevice::QueueInputAt(int ms, std::string_view bytes) {
    if (ms <= 0) {
        QueueInput(bytes);
        return;
    }
    std::lock_guard lock(mutex_);
    const std::int64_t at = now_ + ms;
    auto later = std::find_if(arrivals_.begin(), arrivals_.end(),
                              [&](const Arrival& a) { return a.at > at; });
    arrivals_.insert(later, Arrival{at, std::string(bytes)});
}

void FakeSerialDevice::Deliver() {
    while (!arrivals_.empty() && arrivals_.front().at <= now_) {
        input_ += arrivals_.front().bytes;
        arrivals_.pop_front();
        pendingEvents_ |= watched_ & SerialEvent::RxChar;
        changed_.notify_all();
    }
}

std::size_t FakeSerialDevice::Take(std::uint8_t* buffer, std::size_t count, std::size_t got) {
    const std::size_t n = std::min(count - got, input_.size());
    std::copy_n(input_.begin(), n, buffer + got);
    input_.erase(0, n);
    return got + n;
}

std::int64_t FakeSerialDevice::NowMs() const {
    std::lock_guard lock(mutex_);
    return now_;
}

std::string FakeSerialDevice::Written() const {
    std::lock_guard lock(mutex_);
    return written_;
}

std::string FakeSerialDevice::TakeWritten() {
    std::lock_guard lock(mutex_);
    return std::exchange(written_, {});
}

void FakeSerialDevice::RaiseEvents(unsigned events) {
    {
        std::lock_guard lock(mutex_);
        pendingEvents_ |= watched_ & events;
    }
    changed_.notify_all();
}

std::size_t FakeSerialDevice::InputWaiting() const {
    std::lock_guard lock(mutex_);
    return input_.size();
}

std::vector<unsigned> FakeSerialDevice::Purges() const {
    std::lock_guard lock(mutex_);
    return purges_;
}

int FakeSerialDevice::EventWaits() const {
    std::lock_guard lock(mutex_);
    return eventWaits_;
}

int FakeSerialDevice::Open(const std::string& port) {
    ++openAttempts;
    if (const int error = Failure(Op::Open))
        return error;
    open_ = true;
    calls.push_back("open " + port);
    return 0;
}

void FakeSerialDevice::Close() {
    open_ = false;
    calls.push_back("close");
}

int FakeSerialDevice::SetLineSettings(const SerialLineSettings& settings) {
    if (const int error = Failure(Op::LineSettings))
        return error;
    line = settings;
    calls.push_back("line");
    return 0;
}

int FakeSerialDevice::SetQueueSizes(std::uint32_t input, std::uint32_t output) {
    if (const int error = Failure(Op::QueueSizes))
        return error;
    inputQueueSize = input;
    outputQueueSize = output;
    calls.push_back("queues");
    return 0;
}

int FakeSerialDevice::SetTimeouts(const SerialTimeouts& t) {
    if (const int error = Failure(Op::Timeouts))
        return error;
    timeouts = t;
    calls.push_back("timeouts");
    return 0;
}

SerialTransfer FakeSerialDevice::Read(std::uint8_t* buffer, std::size_t count) {
    if (const int error = Failure(Op::Read))
        return {error, 0};
    std::lock_guard lock(mutex_);
    Deliver();
    std::size_t got = Take(buffer, count, 0);
    const SerialTimeouts& t = timeouts;
    const bool atOnce =
        t.readInterval == kNoInterval && t.readTotalMultiplier == 0 && t.readTotalConstant == 0;
    if (got == count || atOnce)
        return {0, got};
    const std::int64_t total =
        std::int64_t{t.readTotalMultiplier} * static_cast<std::int64_t>(count) +
        t.readTotalConstant;
    const std::int64_t deadline = total > 0 ? now_ + total : kNever;
    const bool hasInterval = t.readInterval != kNoInterval && t.readInterval > 0;
    std::int64_t lastByte = now_;
    while (got < count) {
        std::int64_t end = deadline;
        if (got > 0 && hasInterval)
            end = std::min(end, lastByte + t.readInterval);
        const std::int64_t next = arrivals_.empty() ? kNever : arrivals_.front().at;
        if (next > end) {
            if (end != kNever)
                now_ = end;
            break;
        }
        now_ = next;
        Deliver();
        got = Take(buffer, count, got);
        lastByte = now_;
    }
    return {0, got};
}

SerialTransfer FakeSerialDevice::Write(const std::uint8_t* data, std::size_t count) {
    if (const int error = Failure(Op::Write))
        return {error, 0};
    const std::string bytes(reinterpret_cast<const char*>(data), count);
    {
        std::lock_guard lock(mutex_);
        written_ += bytes;
    }
    if (reply)
        QueueInputAt(replyDelayMs, reply(bytes));
    return {0, count};
}

int FakeSerialDevice::Purge(unsigned purgeFlags) {
    if (const int error = Failure(Op::Purge))
        return error;
    std::lock_guard lock(mutex_);
    purges_.push_back(purgeFlags);
    if (purgeFlags & SerialPurge::RxClear)
        input_.clear();
    return 0;
}

int FakeSerialDevice::ClearErrors(SerialStatus& status) {
    if (const int error = Failure(Op::ClearErrors))
        return error;
    std::lock_guard lock(mutex_);
    status.errors = std::exchange(lineErrors, 0u);
    status.inQueue = static_cast<std::uint32_t>(input_.size());
    status.outQueue = 0;
    return 0;
}

int FakeSerialDevice::GetModemStatus(unsigned& lines) {
    if (const int error = Failure(Op::ModemStatus))
        return error;
    lines = modemLines;
    return 0;
}

int FakeSerialDevice::StartEventWatch(unsigned events) {
    std::lock_guard lock(mutex_);
    stop_ = false;
    pendingEvents_ = 0;
    if (const int error = Failure(Op::EventWatch))
        return error;
    watched_ = events;
    calls.push_back("watch");
    return 0;
}

SerialEventWait FakeSerialDevice::WaitEvent() {
    std::unique_lock lock(mutex_);
    ++eventWaits_;
    changed_.wait(lock, [&] { return stop_ || (!refuseEventWait && pendingEvents_ != 0); });
    if (stop_)
        return {SerialEventWait::Stopped, 0};
    return {SerialEventWait::Occurred, std::exchange(pendingEvents_, 0u)};
}

void FakeSerialDevice::StopEventWatch() {
    {
        std::lock_guard lock(mutex_);
        stop_ = true;
    }
    changed_.notify_all();
}

void FakeSerialDevice::EndEventWatch() {
    std::lock_guard lock(mutex_);
    watched_ = 0;
}

} // namespace zt
