#include "platform/win32/Win32FileSystem.h"

#include "platform/win32/UniqueHandle.h"
#include "platform/win32/Utf16.h"

#include <windows.h>

namespace zt {
namespace {

[[noreturn]] void Fail(const char* what, const std::string& path) {
    throw EFileSystemError(std::string(what) + " \"" + path + "\" (error " +
                           std::to_string(GetLastError()) + ")");
}

constexpr DWORD ShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// Opens what the path finally points at; owns nothing when it does not open.
UniqueHandle OpenTarget(const std::wstring& path, DWORD access) {
    return UniqueHandle(CreateFileW(path.c_str(), access, ShareAll, nullptr, OPEN_EXISTING,
                                    FILE_FLAG_BACKUP_SEMANTICS, nullptr));
}

} // namespace

bool Win32FileSystem::FileExists(const std::string& path) {
    if (path.empty())
        return false;
    const std::wstring wpath = ToUtf16(path);
    const DWORD attributes = GetFileAttributesW(wpath.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return false;
    if (!(attributes & FILE_ATTRIBUTE_REPARSE_POINT))
        return !(attributes & FILE_ATTRIBUTE_DIRECTORY);
    // The attributes above are the link's own: ask its target.
    const UniqueHandle target = OpenTarget(wpath, 0);
    BY_HANDLE_FILE_INFORMATION info;
    return target && GetFileInformationByHandle(target.Get(), &info) &&
           !(info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32FileSystem::Exists(const std::string& path) {
    if (GetFileAttributesW(ToUtf16(path).c_str()) != INVALID_FILE_ATTRIBUTES)
        return true;
    const DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
        return false;
    Fail("Cannot tell whether there is a file", path);
}

std::string Win32FileSystem::ReadAll(const std::string& path) {
    const UniqueHandle file = OpenTarget(ToUtf16(path), GENERIC_READ);
    LARGE_INTEGER size;
    if (!file || !GetFileSizeEx(file.Get(), &size))
        Fail("Cannot read the file", path);
    std::string bytes(size_t(size.QuadPart), '\0');
    DWORD read = 0;
    if (!bytes.empty() &&
        (!::ReadFile(file.Get(), bytes.data(), DWORD(bytes.size()), &read, nullptr) ||
         read != bytes.size()))
        Fail("Cannot read the file", path);
    return bytes;
}

void Win32FileSystem::WriteFlushed(const std::string& path, const std::string& bytes) {
    const UniqueHandle file(CreateFileW(ToUtf16(path).c_str(), GENERIC_WRITE, 0, nullptr,
                                        CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        Fail("Cannot write the file", path);
    DWORD written = 0;
    if (!::WriteFile(file.Get(), bytes.data(), DWORD(bytes.size()), &written, nullptr) ||
        written != bytes.size() || !FlushFileBuffers(file.Get()))
        Fail("Cannot write the file", path);
}

void Win32FileSystem::RenameOver(const std::string& from, const std::string& to) {
    if (!MoveFileExW(ToUtf16(from).c_str(), ToUtf16(to).c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        Fail("Cannot replace the file", to);
}

void Win32FileSystem::RemoveFile(const std::string& path) noexcept {
    DeleteFileW(ToUtf16(path).c_str());
}

std::string Win32FileSystem::ResolvedPath(const std::string& path) {
    // Wine shows a link made on the Unix side as the file it points at, without a reparse
    // point: only the opened file's own name tells where it is.
    const UniqueHandle target = OpenTarget(ToUtf16(path), 0);
    if (!target)
        return path; // missing, or a dangling link: the save puts a file in its place
    std::wstring final(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetFinalPathNameByHandleW(target.Get(), final.data(),
                                                       DWORD(final.size()), FILE_NAME_NORMALIZED);
        if (length == 0)
            Fail("Cannot follow the link", path);
        if (length < final.size()) {
            final.resize(length);
            break;
        }
        final.resize(length);
    }
    // "\\?\C:\..." names the same file as "C:\...".
    const std::wstring prefix = L"\\\\?\\";
    if (final.compare(0, prefix.size(), prefix) == 0 &&
        final.compare(prefix.size(), 4, L"UNC\\") != 0)
        final.erase(0, prefix.size());
    return ToUtf8(final);
}

} // namespace zt
