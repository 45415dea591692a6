#include "platform/win32/Win32FileDialog.h"

#include "platform/win32/Utf16.h"

#include <windows.h>

#include <commdlg.h>

#include <algorithm>

namespace zt {

std::optional<std::string> Win32FileDialog::OpenFile(const OpenFileRequest& request) {
    // The API wants "description\0pattern\0...\0\0".
    std::wstring filter = ToUtf16(request.filter);
    std::replace(filter.begin(), filter.end(), L'|', L'\0');
    filter.append(2, L'\0');

    std::wstring file = ToUtf16(request.fileName);
    file.resize(std::max<size_t>(file.size() + 1, 32768), L'\0');
    const std::wstring dir = ToUtf16(request.initialDir);
    std::wstring ext = ToUtf16(request.defaultExt);
    if (!ext.empty() && ext.front() == L'.')
        ext.erase(0, 1);

    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = GetActiveWindow();
    ofn.lpstrFilter = filter.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<DWORD>(file.size());
    ofn.lpstrInitialDir = dir.empty() ? nullptr : dir.c_str();
    ofn.lpstrDefExt = ext.empty() ? nullptr : ext.c_str();
    ofn.Flags = OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_NOCHANGEDIR;
    if (!GetOpenFileNameW(&ofn))
        return std::nullopt;
    return ToUtf8(file.c_str());
}

} // namespace zt
