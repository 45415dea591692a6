#pragma once

#include "platform/win32/UniqueHandle.h"
#include "ui/Color.h"
#include "ui/Font.h"

#include <windows.h>

#include <map>
#include <string>
#include <string_view>
#include <tuple>

namespace zt {

inline COLORREF ToColorRef(Color c) {
    return RGB(c.r, c.g, c.b);
}

// Fonts and brushes made once and kept for the host's lifetime.
class Win32Gdi {
public:
    Win32Gdi() = default;
    Win32Gdi(const Win32Gdi&) = delete;
    Win32Gdi& operator=(const Win32Gdi&) = delete;

    // The font to show this text in. A face that is not installed falls back to a
    // proportional one that shows both Latin and Japanese text, else to any face that shows
    // both; where no installed face shows both, text with Japanese characters takes a
    // Japanese face and other text a Latin one.
    HFONT FontFor(const Font& font, std::wstring_view text = {});
    HBRUSH BrushFor(Color color);

private:
    struct Faces {
        std::wstring latin;
        std::wstring japanese;
    };
    const Faces& FacesFor(const std::string& name);
    HFONT Make(const std::wstring& face, int height, bool bold);

    std::map<std::tuple<std::wstring, int, bool>, UniqueGdiObject<HFONT>> fonts_;
    std::map<COLORREF, UniqueGdiObject<HBRUSH>> brushes_;
    std::map<std::string, Faces> faces_;
};

} // namespace zt
