#pragma once

#include "platform/IFileSystem.h"

#include <set>
#include <string>

namespace zt {

class FakeFileSystem : public IFileSystem {
public:
    bool FileExists(const std::string& path) override { return files.count(path) > 0; }
    std::set<std::string> files;
};

} // namespace zt
