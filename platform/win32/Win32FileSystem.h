#pragma once

#include "platform/IFileSystem.h"

namespace zt {

class Win32FileSystem : public IFileSystem {
public:
    bool FileExists(const std::string& path) override;
    bool Exists(const std::string& path) override;
    std::string ReadAll(const std::string& path) override;
    // FlushFileBuffers before the handle is closed.
    void WriteFlushed(const std::string& path, const std::string& bytes) override;
    // MoveFileExW, replacing and writing through.
    void RenameOver(const std::string& from, const std::string& to) override;
    void RemoveFile(const std::string& path) noexcept override;
    std::string ResolvedPath(const std::string& path) override;
};

} // namespace zt
