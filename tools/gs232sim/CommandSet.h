// The GS-232 commands the controller understands, applied to the rotator's mechanics.
#pragma once

#include "RotatorModel.h"

#include <string>
#include <string_view>

namespace zt::gs232sim {

// How position replies look: A "+0aaa+0eee", B "AZ=aaa  EL=eee" (a GS-232B's).
enum class ReplyStyle { A, B };

struct CommandResult {
    bool Known = false; // false: the controller ignored the line
    std::string Reply;  // empty: the command has no reply
};

// One command line without its CR. Upper and lower case are the same command.
CommandResult Execute(std::string_view command, RotatorModel& rotator,
                      ReplyStyle style = ReplyStyle::A);

// The position replies to C2, C and B, each with CR LF: in the A style "+0aaa+0eee",
// "+0aaa" and "+0eee"; in the B style "AZ=aaa  EL=eee", "AZ=aaa" and "EL=eee".
std::string AzElReply(const RotatorModel& rotator, ReplyStyle style = ReplyStyle::A);
std::string AzReply(const RotatorModel& rotator, ReplyStyle style = ReplyStyle::A);
std::string ElReply(const RotatorModel& rotator, ReplyStyle style = ReplyStyle::A);

} // namespace zt::gs232sim
