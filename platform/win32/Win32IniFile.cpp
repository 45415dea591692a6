#include "platform/win32/Win32IniFile.h"

#include "platform/win32/Utf16.h"

#include <windows.h>

#include <vector>

namespace zt {

std::string Win32IniFile::ReadString(const std::string& path, const std::string& section,
                                     const std::string& key, const std::string& def) {
    const std::wstring wpath = ToUtf16(path);
    const std::wstring wsection = ToUtf16(section);
    const std::wstring wkey = ToUtf16(key);
    const std::wstring wdef = ToUtf16(def);
    // The API cannot say how long a value is: grow the buffer until it fits.
    for (DWORD size = 256;; size *= 4) {
        std::vector<wchar_t> buffer(size);
        const DWORD n = GetPrivateProfileStringW(wsection.c_str(), wkey.c_str(), wdef.c_str(),
                                                 buffer.data(), size, wpath.c_str());
        if (n < size - 1 || size >= (1u << 24))
            return ToUtf8(std::wstring_view(buffer.data(), n));
    }
}

} // namespace zt
