#include "tests/rotator/wine/ScriptedPeer.h"

#include <utility>

namespace zt {

ScriptedPeer::ScriptedPeer(const std::string& port, Answer answer) : answer_(std::move(answer)) {
    // Each read ends 1 ms after the bytes stop, or after 20 ms without any, so the thread
    // notes arrivals promptly and still sees the stop request.
    opened_ = device_.Open(port) == 0 && device_.SetTimeouts({1, 0, 20, 0, 1000}) == 0;
    if (opened_)
        thread_ = std::thread([this] { Run(); });
}

ScriptedPeer::~ScriptedPeer() {
    stop_ = true;
    if (thread_.joinable())
        thread_.join();
    device_.Close();
}

void ScriptedPeer::Run() {
    std::string pending;
    while (!stop_) {
        std::uint8_t buffer[64];
        const SerialTransfer r = device_.Read(buffer, sizeof buffer);
        if (r.error != 0 || r.count == 0)
            continue;
        for (std::size_t i = 0; i < r.count; ++i) {
            if (buffer[i] != '\r') {
                pending += static_cast<char>(buffer[i]);
                continue;
            }
            {
                std::lock_guard lock(mutex_);
                lines_.push_back({Clock::now(), pending});
            }
            const std::string reply = answer_ ? answer_(pending) : std::string();
            if (!reply.empty())
                device_.Write(reinterpret_cast<const std::uint8_t*>(reply.data()), reply.size());
            pending.clear();
        }
    }
}

std::vector<ScriptedPeer::Arrival> ScriptedPeer::Lines(std::size_t count, int ms) {
    return Await([count](const std::vector<Arrival>& lines) { return lines.size() >= count; }, ms);
}

std::vector<ScriptedPeer::Arrival> ScriptedPeer::LinesUntil(const std::string& last, int ms) {
    return Await(
        [&last](const std::vector<Arrival>& lines) {
            return !lines.empty() && lines.back().line == last;
        },
        ms);
}

std::vector<ScriptedPeer::Arrival>
ScriptedPeer::Await(const std::function<bool(const std::vector<Arrival>&)>& done, int ms) {
    const auto end = Clock::now() + std::chrono::milliseconds(ms);
    for (;;) {
        {
            std::lock_guard lock(mutex_);
            if (done(lines_) || Clock::now() >= end)
                return lines_;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

std::vector<ScriptedPeer::Arrival> ScriptedPeer::Take() {
    std::lock_guard lock(mutex_);
    return std::exchange(lines_, {});
}

} // namespace zt
