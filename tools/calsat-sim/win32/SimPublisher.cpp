#include "tools/calsat-sim/win32/SimPublisher.h"

#include "platform/win32/Utf16.h"

#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace zt::sim {

SimPublisher::SimPublisher(const std::string& regKey) {
    const std::string path = !regKey.empty() && regKey.front() == '\\' ? regKey.substr(1) : regKey;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, ToUtf16(path).c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                        nullptr, &Key, nullptr) != ERROR_SUCCESS)
        throw std::runtime_error("cannot create the registry key " + regKey);
}

SimPublisher::~SimPublisher() {
    RegCloseKey(Key);
}

void SimPublisher::Publish(
    const std::vector<std::pair<std::string, std::optional<std::string>>>& values) {
    for (const auto& [name, text] : values) {
        const std::wstring wname = ToUtf16(name);
        if (!text) {
            RegDeleteValueW(Key, wname.c_str());
            continue;
        }
        const std::wstring data = ToUtf16(*text);
        RegSetValueExW(Key, wname.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                       static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
    }
}

void SimPublisher::WriteIni(const std::string& path, int timeOffset, const std::string& chrLst) {
    const std::wstring wpath = ToUtf16(path);
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::path(wpath).parent_path(), ignored);
    if (!WritePrivateProfileStringW(L"TIMEOFFSET", L"TimeOffset",
                                    std::to_wstring(timeOffset).c_str(), wpath.c_str()) ||
        !WritePrivateProfileStringW(L"TIMEOFFSET", L"ChrLST", ToUtf16(chrLst).c_str(),
                                    wpath.c_str()))
        throw std::runtime_error("cannot write the INI file " + path);
}

void SimPublisher::WriteElementsFile(const std::string& iniPath) {
    const std::filesystem::path elements =
        std::filesystem::path(ToUtf16(iniPath)).parent_path() / L"ELEM.TXT";
    if (std::filesystem::exists(elements))
        return;
    std::ofstream file(elements);
    file << "CALSAT32 stand-in: no orbital elements\n";
    if (!file)
        throw std::runtime_error("cannot write the elements file " + ToUtf8(elements.wstring()));
}

} // namespace zt::sim
