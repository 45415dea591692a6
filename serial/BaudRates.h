#pragma once

#include "serial/ComTypes.h"

#include <array>
#include <cstdint>

namespace zt {

// Each speed with its text in the settings file and its bits per second (none for Custom,
// which takes the port's custom rate).
struct BaudRateRow {
    TBaudRate value;
    const char* text;
    std::uint32_t bitsPerSecond;
};

inline constexpr std::array<BaudRateRow, br256000 + 1> BaudRateTable = {{
    {brCustom, "Custom", 0},
    {br110, "110", 110},
    {br300, "300", 300},
    {br600, "600", 600},
    {br1200, "1200", 1200},
    {br2400, "2400", 2400},
    {br4800, "4800", 4800},
    {br9600, "9600", 9600},
    {br14400, "14400", 14400},
    {br19200, "19200", 19200},
    {br38400, "38400", 38400},
    {br56000, "56000", 56000},
    {br57600, "57600", 57600},
    {br115200, "115200", 115200},
    {br128000, "128000", 128000},
    {br256000, "256000", 256000},
}};

// The row of a speed.
constexpr const BaudRateRow& BaudRateOf(TBaudRate value) {
    return BaudRateTable[value];
}

constexpr bool RowsFollowTheEnum() {
    for (std::size_t i = 0; i < BaudRateTable.size(); ++i)
        if (BaudRateTable[i].value != static_cast<TBaudRate>(i))
            return false;
    return true;
}
static_assert(RowsFollowTheEnum(), "a speed's row is found by its value");

} // namespace zt
