// The beep table: frequency (Hz) and duration (ms) for the pre-AOS, AOS and LOS alerts, kept
// in the settings file as comma text.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace zt {

using TBeepTable = std::array<int, 6>;

inline constexpr std::string_view DefaultBeepText = "1000,2000,750,500,500,500";
inline constexpr TBeepTable DefaultBeepTable{1000, 2000, 750, 500, 500, 500};

// Comma text: items separated by commas or blanks; a double-quoted item may hold either.
std::vector<std::string> SplitCommaText(std::string_view text);

// Missing items are 0 and items after the sixth are ignored. An item that is not an
// integer takes the default table's value, so a hand-edited file never stops the start.
TBeepTable ParseBeepTable(std::string_view text);

std::string FormatBeepTable(const TBeepTable& table);

} // namespace zt
