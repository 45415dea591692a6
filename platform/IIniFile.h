#pragma once

#include <string>

namespace zt {

// INI files: section and key names match ignoring case. Each call reads the file afresh,
// so nothing stays open between calls.
class IIniFile {
public:
    virtual ~IIniFile() = default;
    // The value, or def when the key (or the file) is missing.
    virtual std::string ReadString(const std::string& path, const std::string& section,
                                   const std::string& key, const std::string& def) = 0;
    // The value as a decimal integer; def when the key is missing, empty, not a whole
    // number or out of range.
    int ReadInteger(const std::string& path, const std::string& section, const std::string& key,
                    int def);
};

} // namespace zt
