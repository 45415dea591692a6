// The GS-232 commands the controller understands, applied to the rotator's mechanics.
#pragma once

#include "RotatorModel.h"

#include <string>
#include <string_view>

namespace zt::gs232sim {

struct CommandResult {
    bool Known = false; // false: the controller ignored the line
    std::string Reply;  // empty: the command has no reply
};

// One command line without its CR. Upper and lower case are the same command.
CommandResult Execute(std::string_view command, RotatorModel& rotator);

// The position replies: "+0aaa+0eee" and "+0aaa", each with CR LF.
std::string AzElReply(const RotatorModel& rotator);
std::string AzReply(const RotatorModel& rotator);

} // namespace zt::gs232sim
