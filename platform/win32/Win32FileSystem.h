#pragma once

#include "platform/IFileSystem.h"

namespace zt {

class Win32FileSystem : public IFileSystem {
public:
    bool FileExists(const std::string& path) override;
};

} // namespace zt
