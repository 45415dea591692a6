#pragma once

#include "platform/IFileSystem.h"

#include <map>
#include <set>
#include <string>
#include <vector>

namespace zt {

// FileExists answers from `files`; the other operations work on `disk`, an in-memory disk
// whose files have bytes, where links resolve through `links` and chosen calls fail, or
// on a real disk (`realDisk`).
class FakeFileSystem : public IFileSystem {
public:
    bool FileExists(const std::string& path) override { return files.count(path) > 0; }

    bool Exists(const std::string& path) override {
        Call("Exists", path);
        if (realDisk)
            return realDisk->Exists(path);
        return disk.count(path) > 0 || links.count(path) > 0;
    }
    std::string ReadAll(const std::string& path) override {
        Call("ReadAll", path);
        if (realDisk)
            return realDisk->ReadAll(path);
        const auto file = disk.find(Follow(path));
        if (file == disk.end())
            throw EFileSystemError("no file \"" + path + "\"");
        return file->second;
    }
    void WriteFlushed(const std::string& path, const std::string& bytes) override {
        if (realDisk) {
            Call("WriteFlushed", path);
            realDisk->WriteFlushed(path, bytes);
            return;
        }
        // A write that fails leaves what it had written so far.
        disk[path] = bytes.substr(0, bytes.size() / 2);
        Call("WriteFlushed", path);
        disk[path] = bytes;
    }
    void RenameOver(const std::string& from, const std::string& to) override {
        Call("RenameOver", from + " " + to);
        if (realDisk) {
            realDisk->RenameOver(from, to);
            return;
        }
        const auto file = disk.find(from);
        if (file == disk.end())
            throw EFileSystemError("no file \"" + from + "\"");
        links.erase(to);
        disk[to] = file->second;
        disk.erase(file);
    }
    void RemoveFile(const std::string& path) noexcept override {
        calls.push_back("RemoveFile " + path);
        if (realDisk)
            realDisk->RemoveFile(path);
        else
            disk.erase(path);
    }
    std::string ResolvedPath(const std::string& path) override {
        Call("ResolvedPath", path);
        if (realDisk)
            return realDisk->ResolvedPath(path);
        return Follow(path);
    }

    std::set<std::string> files;
    std::map<std::string, std::string> disk;  // path -> bytes
    std::map<std::string, std::string> links; // link -> where it points
    // "Operation argument" of each call, in order ("RenameOver from to").
    std::vector<std::string> calls;
    // Calls that throw, as "Operation argument"; and how many further successful saves
    // (RenameOver calls) pass before every one after them fails, when not negative.
    std::set<std::string> failing;
    int renamesBeforeFailure = -1;
    // When set, the operations other than FileExists go to this file system instead of
    // `disk` and `links`, still recorded and failed as chosen.
    IFileSystem* realDisk = nullptr;

private:
    std::string Follow(std::string path) const {
        for (auto link = links.find(path); link != links.end(); link = links.find(path))
            path = link->second;
        return path;
    }
    void Call(const std::string& operation, const std::string& argument) {
        const std::string call = operation + " " + argument;
        calls.push_back(call);
        bool fail = failing.count(call) > 0;
        if (operation == "RenameOver" && renamesBeforeFailure == 0)
            fail = true;
        else if (operation == "RenameOver" && renamesBeforeFailure > 0)
            --renamesBeforeFailure;
        if (fail)
            throw EFileSystemError("refused: " + call);
    }
};

} // namespace zt
