// The one pair of text conversions at the Win32 boundary: UTF-8 inside, UTF-16 outside.
#pragma once

#include <string>
#include <string_view>

namespace zt {

std::wstring ToUtf16(std::string_view utf8);
std::string ToUtf8(std::wstring_view utf16);

} // namespace zt
