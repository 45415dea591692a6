#include "ui/win32/Win32Gdi.h"

#include "platform/win32/Utf16.h"

#include <algorithm>
#include <initializer_list>
#include <vector>

namespace zt {

namespace {

struct Probe {
    bool installed = false; // the mapper gives this face itself, not a stand-in
    bool proportional = false;
    bool latin = false;
    bool japanese = false;
    bool Both() const { return latin && japanese; }
};

// What the font the mapper gives for this face is and can show.
Probe ProbeFace(const std::wstring& face) {
    const UniqueGdiObject<HFONT> font(CreateFontW(
        -16, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
        CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face.c_str()));
    const UniqueScreenDc screen(GetDC(nullptr));
    const HDC dc = screen.Get();
    const HGDIOBJ old = SelectObject(dc, font.Get());
    WORD glyphs[3] = {};
    GetGlyphIndicesW(dc, L"A\x3042\x56fd", 3, glyphs, GGI_MARK_NONEXISTING_GLYPHS);
    wchar_t given[LF_FACESIZE] = {};
    GetTextFaceW(dc, LF_FACESIZE, given);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    return {.installed = lstrcmpiW(given, face.c_str()) == 0,
            // the flag's name says the opposite of what it means
            .proportional = (metrics.tmPitchAndFamily & TMPF_FIXED_PITCH) != 0,
            .latin = glyphs[0] != 0xFFFF,
            .japanese = glyphs[1] != 0xFFFF && glyphs[2] != 0xFFFF};
}

int CALLBACK CollectFamily(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM out) {
    auto& faces = *reinterpret_cast<std::vector<std::wstring>*>(out);
    const std::wstring face = font->lfFaceName;
    // '@' marks the vertical-writing twin of a face
    if (!face.empty() && face[0] != L'@' &&
        std::find(faces.begin(), faces.end(), face) == faces.end())
        faces.push_back(face);
    return TRUE;
}

std::vector<std::wstring> InstalledFamilies() {
    std::vector<std::wstring> faces;
    LOGFONTW all{};
    all.lfCharSet = DEFAULT_CHARSET;
    const UniqueScreenDc screen(GetDC(nullptr));
    EnumFontFamiliesExW(screen.Get(), &all, CollectFamily, reinterpret_cast<LPARAM>(&faces), 0);
    return faces;
}

// An installed proportional face that shows both Latin and Japanese text: the well-known
// ones first, then any other; empty when there is none.
std::wstring ProportionalFaceForBoth() {
    const auto fits = [](const std::wstring& face) {
        const Probe p = ProbeFace(face);
        return p.installed && p.proportional && p.Both();
    };
    for (const wchar_t* face :
         {L"IPAPGothic", L"VL PGothic", L"Meiryo UI", L"Yu Gothic UI", L"Meiryo", L"TakaoPGothic"})
        if (fits(face))
            return face;
    for (const std::wstring& face : InstalledFamilies())
        if (fits(face))
            return face;
    return {};
}

bool Japanese(std::wstring_view text) {
    return std::any_of(text.begin(), text.end(), [](wchar_t c) { return c >= 0x2E80; });
}

} // namespace

const Win32Gdi::Faces& Win32Gdi::FacesFor(const std::string& name) {
    if (auto it = faces_.find(name); it != faces_.end())
        return it->second;
    // Windows' own faces first, then those other systems lend to Wine.
    const std::initializer_list<const wchar_t*> candidates = {
        L"MS UI Gothic",     L"Meiryo UI",           L"Meiryo",
        L"Yu Gothic UI",     L"MS Gothic",           L"IPAGothic",
        L"IPAPGothic",       L"VL Gothic",           L"TakaoGothic",
        L"Noto Sans CJK JP", L"Droid Sans Fallback", L"Tahoma",
        L"Liberation Sans",  L"DejaVu Sans"};
    const std::wstring requested = ToUtf16(name);
    const Probe own = ProbeFace(requested);
    // A monospaced stand-in would stretch text well past the width it was laid out for.
    if (own.Both() && (own.installed || own.proportional))
        return faces_[name] = {requested, requested};
    if (const std::wstring face = ProportionalFaceForBoth(); !face.empty())
        return faces_[name] = {face, face};
    std::wstring latin = own.latin ? requested : L"";
    std::wstring japanese = own.japanese ? requested : L"";
    for (const wchar_t* face : candidates) {
        const Probe c = ProbeFace(face);
        if (c.Both()) // one face for all text beats a pair
            return faces_[name] = {face, face};
        if (c.latin && latin.empty())
            latin = face;
        if (c.japanese && japanese.empty())
            japanese = face;
    }
    Faces faces{latin.empty() ? requested : latin, japanese};
    if (faces.japanese.empty())
        faces.japanese = faces.latin;
    return faces_[name] = faces;
}

HFONT Win32Gdi::Make(const std::wstring& face, int height, bool bold) {
    const auto key = std::make_tuple(face, height, bold);
    if (auto it = fonts_.find(key); it != fonts_.end())
        return it->second.Get();
    auto& font = fonts_[key];
    font.Reset(CreateFontW(-height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                           DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                           DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face.c_str()));
    return font.Get();
}

HFONT Win32Gdi::FontFor(const Font& font, std::wstring_view text) {
    const Faces& faces = FacesFor(font.name);
    return Make(Japanese(text) ? faces.japanese : faces.latin, font.height, font.bold);
}

HBRUSH Win32Gdi::BrushFor(Color color) {
    const COLORREF ref = ToColorRef(color);
    auto& brush = brushes_[ref];
    if (!brush)
        brush.Reset(CreateSolidBrush(ref));
    return brush.Get();
}

} // namespace zt
