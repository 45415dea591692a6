#pragma once

#include "ui/Glyph.h"
#include "ui/Picture.h"
#include "ui/win32/Win32Gdi.h"

#include <windows.h>

#include <vector>

namespace zt {

// A 25 x 25 arrow centred in r: black with a silver edge (grey when disabled).
void DrawArrow(HDC dc, const RECT& r, Glyph glyph, bool enabled);
// Shapes painted in order, relative to origin.
void DrawShapes(HDC dc, Win32Gdi& gdi, POINT origin, const std::vector<Shape>& shapes);

} // namespace zt
