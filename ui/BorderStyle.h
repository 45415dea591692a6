#pragma once

namespace zt {

enum class BorderStyle {
    Sizeable, // title bar and sizing frame
    Dialog,   // title bar and a fixed dialog frame, no minimise or maximise box
    ThinLine, // no title bar, a one-pixel border line
};

} // namespace zt
