#include "ui/win32/Win32Gdi.h"

#include "platform/win32/Utf16.h"

namespace zt {

namespace {

int CALLBACK FoundFace(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool Installed(const std::wstring& face) {
    if (face.size() >= LF_FACESIZE)
        return false;
    LOGFONTW lf{};
    lf.lfCharSet = DEFAULT_CHARSET;
    face.copy(lf.lfFaceName, face.size());
    bool found = false;
    const HDC dc = GetDC(nullptr);
    EnumFontFamiliesExW(dc, &lf, FoundFace, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, dc);
    return found;
}

} // namespace

Win32Gdi::~Win32Gdi() {
    for (auto& [key, font] : fonts_)
        DeleteObject(font);
    for (auto& [key, brush] : brushes_)
        DeleteObject(brush);
}

std::wstring Win32Gdi::FaceFor(const std::string& name) {
    if (auto it = faces_.find(name); it != faces_.end())
        return it->second;
    // Faces with Japanese glyphs as well as Latin ones, Windows' first, then common ones
    // of other systems (Wine takes the host's fonts).
    static const wchar_t* const fallbacks[] = {
        L"MS UI Gothic", L"Meiryo UI",           L"Meiryo",    L"Yu Gothic UI",
        L"MS Gothic",    L"Noto Sans CJK JP",    L"IPAGothic", L"VL Gothic",
        L"TakaoGothic",  L"Droid Sans Fallback", L"Tahoma"};
    std::wstring face = ToUtf16(name);
    if (!Installed(face)) {
        face = L"MS Shell Dlg";
        for (const wchar_t* candidate : fallbacks)
            if (Installed(candidate)) {
                face = candidate;
                break;
            }
    }
    faces_[name] = face;
    return face;
}

HFONT Win32Gdi::FontFor(const Font& font) {
    const auto key = std::make_tuple(font.name, font.height, font.bold);
    if (auto it = fonts_.find(key); it != fonts_.end())
        return it->second;
    const std::wstring face = FaceFor(font.name);
    const HFONT handle =
        CreateFontW(-font.height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                    DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                    DEFAULT_PITCH | FF_DONTCARE, face.c_str());
    fonts_[key] = handle;
    return handle;
}

HBRUSH Win32Gdi::BrushFor(Color color) {
    const COLORREF ref = ToColorRef(color);
    if (auto it = brushes_.find(ref); it != brushes_.end())
        return it->second;
    const HBRUSH brush = CreateSolidBrush(ref);
    brushes_[ref] = brush;
    return brush;
}

} // namespace zt
