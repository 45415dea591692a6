#pragma once

#include <stdexcept>
#include <string>

namespace zt {

// A file operation the system refused; the text names the path and the system's reason.
class EFileSystemError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class IFileSystem {
public:
    virtual ~IFileSystem() = default;
    // A folder does not count; a link counts when its target is a file.
    virtual bool FileExists(const std::string& path) = 0;

    // The operations below throw EFileSystemError.
    // Whether anything (a folder too) is at path. Not being able to tell is an error,
    // never "missing".
    virtual bool Exists(const std::string& path) = 0;
    virtual std::string ReadAll(const std::string& path) = 0;
    // Creates or truncates the file and returns once its bytes are on the disk.
    virtual void WriteFlushed(const std::string& path, const std::string& bytes) = 0;
    // Puts from in the place of to in one step, written through to the disk.
    virtual void RenameOver(const std::string& from, const std::string& to) = 0;
    // Quiet: a file that cannot be removed stays.
    virtual void RemoveFile(const std::string& path) noexcept = 0;
    // Where a symbolic link finally points; any other path, a missing one too, unchanged.
    virtual std::string ResolvedPath(const std::string& path) = 0;
};

} // namespace zt
