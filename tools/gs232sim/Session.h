// One controller session: runs each command on the rotator, applies the fault switches to
// what goes back, and describes every command as one JSON line for the log.
#pragma once

#include "CommandSet.h"
#include "RotatorModel.h"

#include <optional>
#include <string>

namespace zt::gs232sim {

struct FaultSwitches {
    bool NoReply = false;  // queries go unanswered
    int ReplyDelayMs = 20; // a late reply is a long delay
    bool Garbage = false;  // replies keep their length but are noise
    int ShortBy = 0;       // replies lose this many trailing bytes
    int SilentAfter = -1;  // after this many commands the controller ignores everything; <0 never
};

struct Handled {
    std::string Command;
    bool Ignored = false; // the controller has gone silent
    bool Known = false;
    std::optional<std::string> Reply; // what goes on the wire, after the faults
};

class Session {
public:
    Session(RotatorModel& rotator, const FaultSwitches& faults, ReplyStyle style = ReplyStyle::A);
    // The rotator must have been advanced to the moment the command arrived.
    Handled Handle(const std::string& command);
    int Count() const { return FCount; }
    int DelayMs() const { return FFaults.ReplyDelayMs; }

private:
    std::string Shape(std::string reply) const;
    RotatorModel& FRotator;
    FaultSwitches FFaults;
    ReplyStyle FStyle;
    int FCount = 0;
};

// {"t":..,"cmd":..,"known":..,"ignored":..,"az":..,"el":..,"az_target":..,"el_target":..,
//  "speed":..,"reply":..}
std::string JsonLine(double seconds, const Handled& handled, const RotatorModel& rotator);

// Text as a JSON string literal; bytes outside printable ASCII are escaped.
std::string JsonString(const std::string& text);

} // namespace zt::gs232sim
