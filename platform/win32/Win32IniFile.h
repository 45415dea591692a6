#pragma once

#include "platform/IIniFile.h"

namespace zt {

class Win32IniFile : public IIniFile {
public:
    std::string ReadString(const std::string& path, const std::string& section,
                           const std::string& key, const std::string& def) override;
};

} // namespace zt
