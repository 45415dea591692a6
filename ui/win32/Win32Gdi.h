#pragma once

#include "ui/Color.h"
#include "ui/Font.h"

#include <windows.h>

#include <map>
#include <string>
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
    ~Win32Gdi();

    HFONT FontFor(const Font& font);
    HBRUSH BrushFor(Color color);
    // The face that will be used for this name: itself when installed, else the first
    // installed face that shows both Latin and Japanese text.
    std::wstring FaceFor(const std::string& name);

private:
    std::map<std::tuple<std::string, int, bool>, HFONT> fonts_;
    std::map<COLORREF, HBRUSH> brushes_;
    std::map<std::string, std::wstring> faces_;
};

} // namespace zt
