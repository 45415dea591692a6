// The simulator's command line.
#pragma once

#include "RotatorModel.h"
#include "Session.h"

#include <string>
#include <vector>

namespace zt::gs232sim {

struct Options {
    bool Help = false;
    std::string Link;   // create a pty and point this symlink at it
    std::string Device; // or open this existing device
    MechanicsConfig Mechanics;
    double StartAz = 0;
    double StartEl = 0;
    int Speed = 4;
    ReplyStyle Style = ReplyStyle::A;
    FaultSwitches Faults;
    double TimeScale = 1; // mechanics run this many times faster than the wall clock
    std::string LogPath;  // "-" for standard output
    bool Status = true;   // live status line, when standard error is a terminal
};

// Throws std::invalid_argument with a message for the user.
Options ParseOptions(const std::vector<std::string>& args);
std::string Usage();

} // namespace zt::gs232sim
