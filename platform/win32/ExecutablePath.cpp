#include "platform/win32/ExecutablePath.h"

#include "platform/win32/Utf16.h"

#include <windows.h>

namespace zt {

std::string ExecutablePath() {
    // Long paths need more than MAX_PATH; grow until the name fits.
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n =
            GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n < buffer.size())
            return ToUtf8(std::wstring_view(buffer.data(), n));
        buffer.resize(buffer.size() * 2);
    }
}

} // namespace zt
