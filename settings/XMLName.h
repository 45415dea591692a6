#pragma once

#include <string_view>

namespace zt {

// Whether the UTF-8 text is a valid XML element name (XML 1.0, fifth edition).
bool IsValidXmlName(std::string_view name);

} // namespace zt
