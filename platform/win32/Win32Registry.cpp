#include "platform/win32/Win32Registry.h"

#include "platform/win32/Utf16.h"

#include <utility>

namespace zt {

namespace {

std::wstring WithoutLeadingBackslash(const std::string& path) {
    return ToUtf16(!path.empty() && path.front() == '\\' ? path.substr(1) : path);
}

bool IsText(DWORD type) {
    return type == REG_SZ || type == REG_EXPAND_SZ;
}

// Registry strings need not be terminated, and may carry more than one terminator.
std::string FromRegistryText(std::wstring text) {
    while (!text.empty() && text.back() == L'\0')
        text.pop_back();
    return ToUtf8(text);
}

} // namespace

bool Win32Registry::OpenKey(const std::string& path) {
    const bool absolute = !path.empty() && path.front() == '\\';
    const HKEY base = absolute || !current_ ? HKEY_CURRENT_USER : current_.Get();
    UniqueRegKey key;
    if (RegOpenKeyExW(base, WithoutLeadingBackslash(path).c_str(), 0, KEY_READ, key.Receive()) !=
        ERROR_SUCCESS)
        return false;
    current_ = std::move(key);
    return true;
}

void Win32Registry::CloseKey() {
    current_.Reset();
}

std::string Win32Registry::ReadString(const std::string& name) {
    if (!current_)
        return {};
    const std::wstring wname = ToUtf16(name);
    // The value may grow between the size query and the read; try again then.
    for (int attempt = 0; attempt < 3; ++attempt) {
        DWORD type = 0;
        DWORD bytes = 0;
        if (RegQueryValueExW(current_.Get(), wname.c_str(), nullptr, &type, nullptr, &bytes) !=
                ERROR_SUCCESS ||
            !IsText(type))
            return {};
        std::wstring text(bytes / sizeof(wchar_t) + 1, L'\0');
        DWORD size = static_cast<DWORD>(text.size() * sizeof(wchar_t));
        const LONG rc = RegQueryValueExW(current_.Get(), wname.c_str(), nullptr, &type,
                                         reinterpret_cast<BYTE*>(text.data()), &size);
        if (rc == ERROR_MORE_DATA)
            continue;
        if (rc != ERROR_SUCCESS || !IsText(type))
            return {};
        text.resize(size / sizeof(wchar_t));
        return FromRegistryText(std::move(text));
    }
    return {};
}

bool Win32Registry::KeyOpens(const std::string& path) {
    UniqueRegKey key;
    return RegOpenKeyExW(HKEY_CURRENT_USER, WithoutLeadingBackslash(path).c_str(), 0,
                         KEY_ALL_ACCESS, key.Receive()) == ERROR_SUCCESS;
}

std::vector<std::string> Win32Registry::LocalMachineStrings(const std::string& path) {
    std::vector<std::string> strings;
    UniqueRegKey key;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, WithoutLeadingBackslash(path).c_str(), 0, KEY_READ,
                      key.Receive()) != ERROR_SUCCESS)
        return strings;
    DWORD maxName = 0;
    DWORD maxData = 0;
    RegQueryInfoKeyW(key.Get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                     &maxName, &maxData, nullptr, nullptr);
    std::wstring name(maxName + 1, L'\0');
    std::wstring data(maxData / sizeof(wchar_t) + 1, L'\0');
    for (DWORD index = 0;; ++index) {
        DWORD nameLen = static_cast<DWORD>(name.size());
        DWORD dataSize = static_cast<DWORD>(data.size() * sizeof(wchar_t));
        DWORD type = 0;
        const LONG rc = RegEnumValueW(key.Get(), index, name.data(), &nameLen, nullptr, &type,
                                      reinterpret_cast<BYTE*>(data.data()), &dataSize);
        if (rc != ERROR_SUCCESS)
            break;
        if (type == REG_SZ)
            strings.push_back(FromRegistryText(data.substr(0, dataSize / sizeof(wchar_t))));
    }
    return strings;
}

} // namespace zt
