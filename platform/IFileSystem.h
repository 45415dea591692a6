#pragma once

#include <string>

namespace zt {

class IFileSystem {
public:
    virtual ~IFileSystem() = default;
    // A folder does not count; a link counts when its target is a file.
    virtual bool FileExists(const std::string& path) = 0;
};

} // namespace zt
