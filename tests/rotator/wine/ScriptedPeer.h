// The far end of the null-modem pair, played by a thread: it notes every command line that
// arrives with its arrival time and may answer each one.
#pragma once

#include "platform/win32/Win32SerialDevice.h"

#include <atomic>
#include <chrono>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace zt {

class ScriptedPeer {
public:
    using Clock = std::chrono::steady_clock;
    struct Arrival {
        Clock::time_point at;
        std::string line; // without its CR
    };
    // Called on the peer's thread with each line; a non-empty result is sent back.
    using Answer = std::function<std::string(const std::string& line)>;

    ScriptedPeer(const std::string& port, Answer answer);
    ~ScriptedPeer();
    bool Opened() const { return opened_; }

    // Waits up to ms for at least count lines; returns what has come.
    std::vector<Arrival> Lines(std::size_t count, int ms);
    // Waits up to ms for the line last to arrive; returns what has come.
    std::vector<Arrival> LinesUntil(const std::string& last, int ms);
    std::vector<Arrival> Take();

private:
    void Run();
    // Waits up to ms for done to hold of the lines come so far; returns them.
    std::vector<Arrival> Await(const std::function<bool(const std::vector<Arrival>&)>& done,
                               int ms);

    Win32SerialDevice device_;
    Answer answer_;
    bool opened_ = false;
    std::atomic<bool> stop_{false};
    std::mutex mutex_;
    std::vector<Arrival> lines_;
    std::thread thread_;
};

} // namespace zt
