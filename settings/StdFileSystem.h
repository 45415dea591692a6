// The file system through the standard library alone, for builds without a platform
// layer of their own. Its WriteFlushed flushes the stream, not the disk's cache; its
// RenameOver is the library's rename.
#pragma once

#include "platform/IFileSystem.h"

namespace zt {

class StdFileSystem : public IFileSystem {
public:
    bool FileExists(const std::string& path) override;
    bool Exists(const std::string& path) override;
    std::string ReadAll(const std::string& path) override;
    void WriteFlushed(const std::string& path, const std::string& bytes) override;
    void RenameOver(const std::string& from, const std::string& to) override;
    void RemoveFile(const std::string& path) noexcept override;
    std::string ResolvedPath(const std::string& path) override;
};

} // namespace zt
