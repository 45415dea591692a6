#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zt {

// The serial line carries bytes; text is UTF-8. A byte becomes the character whose code is
// the byte's value, and a character goes out as the low eight bits of its code.
std::string BytesToText(const std::uint8_t* bytes, std::size_t count);
// A byte that is not part of a well-formed UTF-8 sequence stands for itself.
std::vector<std::uint8_t> TextToBytes(std::string_view text);

} // namespace zt
