// The simulator's end of the serial line: a pty it creates, or a device it opens.
#pragma once

#include <string>

namespace zt::gs232sim {

class SerialLine {
public:
    // Creates a raw pty, claims it as this process's controlling terminal (so a Wine server
    // that opens it does not adopt it and die with it) and points link at it.
    static SerialLine CreatePty(const std::string& link);
    static SerialLine OpenDevice(const std::string& path);
    SerialLine(SerialLine&& other) noexcept;
    SerialLine& operator=(SerialLine&&) = delete;
    ~SerialLine();

    int Fd() const { return FFd; }
    const std::string& Name() const { return FName; }

private:
    SerialLine() = default;
    int FFd = -1;
    int FHeldFd = -1; // the pty's other end, kept open so the line survives its users
    std::string FName;
    std::string FLink;
};

// setsid() needs a process that is not a group leader (as a shell's foreground job is): then
// this forks, the parent relays SIGINT/SIGTERM and exits with the child's status, and only
// the child returns.
void BecomeSessionLeader();

} // namespace zt::gs232sim
