// The controller's answers to "C" and "C2", from raw reply to the antenna's direction.
#pragma once

#include <cstddef>
#include <string>

namespace zt {

enum class PositionQuery { Az, AzEl }; // "C" and "C2"

const char* QueryCommand(PositionQuery query);

// Replies of any other length are not looked at. gs232b: a GS-232B's replies are accepted
// too, "AZ=aaa  EL=eee" and "AZ=aaa" followed by CR or CR LF.
bool AcceptedReplyLength(PositionQuery query, std::size_t length, bool gs232b = false);

struct RotatorReading {
    bool Converted = false; // both numbers read in full
    int Az = 0;             // otherwise whatever digits came before the fault
    int El = 0;
};

RotatorReading ReadRotatorPosition(const std::string& reply, PositionQuery query,
                                   bool gs232b = false);

struct Direction {
    int Az = 0;
    int El = 0;
};

// An elevation past 90 means the rotator has flipped over the zenith.
Direction AntennaDirection(int rotatorAz, int rotatorEl, int azOffset);

} // namespace zt
