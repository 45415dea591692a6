#include "ui/win32/Win32Drawing.h"

namespace zt {

namespace {

// An arrow pointing right in a 25 x 25 box: a shaft and a head.
constexpr POINT rightArrow[] = {{3, 9}, {13, 9}, {13, 3}, {22, 12}, {13, 21}, {13, 15}, {3, 15}};

POINT Turned(POINT p, Glyph glyph) {
    constexpr int last = 24;
    switch (glyph) {
    case Glyph::ArrowLeft:
        return {last - p.x, p.y};
    case Glyph::ArrowDown:
        return {p.y, p.x};
    case Glyph::ArrowUp:
        return {p.y, last - p.x};
    default:
        return p;
    }
}

} // namespace

void DrawArrow(HDC dc, const RECT& r, Glyph glyph, bool enabled) {
    if (glyph == Glyph::None)
        return;
    const int left = r.left + (r.right - r.left - 25) / 2;
    const int top = r.top + (r.bottom - r.top - 25) / 2;
    POINT points[std::size(rightArrow)];
    for (std::size_t i = 0; i < std::size(rightArrow); ++i) {
        const POINT p = Turned(rightArrow[i], glyph);
        points[i] = {left + p.x, top + p.y};
    }
    const UniqueGdiObject<HPEN> pen(CreatePen(PS_SOLID, 1, ToColorRef(clSilver)));
    const UniqueGdiObject<HBRUSH> brush(CreateSolidBrush(ToColorRef(enabled ? clBlack : clGray)));
    const HGDIOBJ oldPen = SelectObject(dc, pen.Get());
    const HGDIOBJ oldBrush = SelectObject(dc, brush.Get());
    Polygon(dc, points, static_cast<int>(std::size(points)));
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
}

void DrawShapes(HDC dc, Win32Gdi& gdi, POINT origin, const std::vector<Shape>& shapes) {
    for (const Shape& s : shapes) {
        const RECT r{origin.x + s.left, origin.y + s.top, origin.x + s.left + s.width,
                     origin.y + s.top + s.height};
        switch (s.kind) {
        case Shape::Rectangle:
            FillRect(dc, &r, gdi.BrushFor(s.fill));
            break;
        case Shape::Disc: {
            const HGDIOBJ oldPen = SelectObject(dc, GetStockObject(NULL_PEN));
            const HGDIOBJ oldBrush = SelectObject(dc, gdi.BrushFor(s.fill));
            // The null pen leaves out the right and bottom edge: one more pixel each way.
            Ellipse(dc, r.left, r.top, r.right + 1, r.bottom + 1);
            SelectObject(dc, oldPen);
            SelectObject(dc, oldBrush);
            break;
        }
        case Shape::AppIcon: {
            HICON icon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1));
            if (!icon)
                icon = LoadIconW(GetModuleHandleW(nullptr), L"MAINICON");
            if (!icon)
                icon = LoadIconW(nullptr, IDI_APPLICATION);
            DrawIconEx(dc, r.left, r.top, icon, s.width, s.height, 0, nullptr, DI_NORMAL);
            break;
        }
        }
    }
}

} // namespace zt
