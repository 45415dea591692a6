#pragma once

#include "platform/IWindows.h"

#include <string>

namespace zt {

// Context of the search for CALSAT32's pass table among its window's descendants.
struct TTextBoxSearch {
    IWindows& Windows;
    // Receives the text of the pass table when it is found.
    std::string& Text;
    bool Found = false;
};

// Child-window enumeration callback: takes the pass table's text and returns false (stop)
// at the pass-table text box; returns true (go on) for every other window.
bool EnumTextBoxProc(WindowHandle hwnd, TTextBoxSearch& context);

} // namespace zt
