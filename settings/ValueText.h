// The text forms of the settings store's values, apart from the locale's own forms.
#pragma once

#include "platform/LocaleFormats.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zt {

// Strings are escaped before they become a key's text; the XML writer escapes once more.
std::string EscapeValueText(std::string_view value);
// Entity names match in any letter case.
std::string UnescapeValueText(std::string_view text);

// Leading blanks, a sign, then decimal digits or hexadecimal digits after "$", "x" or "0x".
// Hexadecimal text may give any bit pattern of the width. Throws EConvertError.
std::int32_t ParseIntegerText(std::string_view text);
std::int64_t ParseInt64Text(std::string_view text);

std::string BoolText(bool value);
// A number (zero is false) or "True"/"False" in any case. Throws EConvertError.
bool ParseBoolText(std::string_view text, const LocaleFormats& fmt);

// Two hex digits a byte, comma-separated, a line break after every sixteenth.
std::string BinaryText(const std::vector<std::uint8_t>& bytes);
std::vector<std::uint8_t> ParseBinaryText(std::string_view text);

// Value of an environment variable, or nothing when it is not set.
using TEnvironmentLookup = std::function<std::optional<std::string>(const std::string& name)>;
std::optional<std::string> ProcessEnvironment(const std::string& name);

// Replaces each %NAME% of a set variable; references to unset variables stay as written.
std::string ExpandEnvironmentText(std::string_view text, const TEnvironmentLookup& lookup);

} // namespace zt
