#include "platform/win32/Win32VersionInfo.h"

#include "platform/win32/Utf16.h"

#include <windows.h>

namespace zt {
namespace {

class Win32VersionResource : public IVersionResource {
public:
    explicit Win32VersionResource(std::vector<unsigned char> data) : data_(std::move(data)) {}

    std::vector<std::uint32_t> Translations() const override {
        void* p = nullptr;
        UINT len = 0;
        if (!VerQueryValueW(data_.data(), L"\\VarFileInfo\\Translation", &p, &len) || !p)
            return {};
        const auto* words = static_cast<const WORD*>(p);
        std::vector<std::uint32_t> out;
        for (UINT i = 0; i + 1 < len / sizeof(WORD); i += 2)
            out.push_back(words[i] | static_cast<std::uint32_t>(words[i + 1]) << 16);
        return out;
    }

    std::optional<std::string> QueryString(const std::string& subBlock) const override {
        void* p = nullptr;
        UINT len = 0;
        if (!VerQueryValueW(data_.data(), ToUtf16(subBlock).c_str(), &p, &len) || !p)
            return std::nullopt;
        // len counts the terminating zero, when there is one.
        std::wstring_view text(static_cast<const wchar_t*>(p), len);
        if (const auto end = text.find(L'\0'); end != text.npos)
            text = text.substr(0, end);
        return ToUtf8(text);
    }

private:
    // VerQueryValueW wants a writable block, but the pointers it hands out stay inside.
    mutable std::vector<unsigned char> data_;
};

} // namespace

std::unique_ptr<IVersionResource> Win32VersionInfo::Load(const std::string& fileName) {
    const std::wstring path = ToUtf16(fileName);
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &handle);
    if (size == 0)
        return nullptr;
    std::vector<unsigned char> data(size);
    if (!GetFileVersionInfoW(path.c_str(), 0, size, data.data()))
        return nullptr;
    return std::make_unique<Win32VersionResource>(std::move(data));
}

} // namespace zt
