#pragma once

#include "platform/IVersionInfo.h"

namespace zt {

// Version resources through GetFileVersionInfoW and VerQueryValueW.
class Win32VersionInfo : public IVersionInfo {
public:
    std::unique_ptr<IVersionResource> Load(const std::string& fileName) override;
};

} // namespace zt
