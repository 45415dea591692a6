#include "platform/win32/Win32FileSystem.h"

#include "platform/win32/Utf16.h"

#include <windows.h>

namespace zt {

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
    const HANDLE target =
        CreateFileW(wpath.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (target == INVALID_HANDLE_VALUE)
        return false;
    BY_HANDLE_FILE_INFORMATION info;
    const bool isFile = GetFileInformationByHandle(target, &info) &&
                        !(info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
    CloseHandle(target);
    return isFile;
}

} // namespace zt
