#pragma once

#include <optional>
#include <string_view>

namespace zt {

// A decimal integer in the signed 32-bit range, with an optional sign and blanks around;
// nothing for any other text.
std::optional<int> TryParseDecimalInteger(std::string_view text);

} // namespace zt
