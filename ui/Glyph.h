#pragma once

namespace zt {

// Pictures the renderer draws on buttons itself.
enum class Glyph { None, ArrowLeft, ArrowRight, ArrowDown, ArrowUp };

} // namespace zt
