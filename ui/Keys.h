#pragma once

#include <string>

namespace zt {

// Virtual key codes; letters and digits are their upper-case ASCII codes ('A', '7').
using Key = int;

inline constexpr Key vkNone = 0;
inline constexpr Key vkTab = 0x09;
inline constexpr Key vkReturn = 0x0D;
inline constexpr Key vkShift = 0x10;
inline constexpr Key vkControl = 0x11;
inline constexpr Key vkMenu = 0x12; // Alt
inline constexpr Key vkEscape = 0x1B;
inline constexpr Key vkSpace = 0x20;
inline constexpr Key vkLeft = 0x25;
inline constexpr Key vkUp = 0x26;
inline constexpr Key vkRight = 0x27;
inline constexpr Key vkDown = 0x28;

// Modifier keys held with a key.
struct ShiftState {
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
    friend bool operator==(const ShiftState&, const ShiftState&) = default;
};

inline constexpr ShiftState ssNone{};
inline constexpr ShiftState ssCtrl{.ctrl = true};
inline constexpr ShiftState ssAlt{.alt = true};

// A key with its exact modifier state; key vkNone means no shortcut.
struct ShortCut {
    Key key = vkNone;
    ShiftState shift;
    friend bool operator==(const ShortCut&, const ShortCut&) = default;
    bool Empty() const { return key == vkNone; }
    // As menus show it, e.g. "Ctrl+Z"; empty for no shortcut.
    std::string Text() const;
};

inline ShortCut CtrlKey(Key key) {
    return {key, ssCtrl};
}

} // namespace zt
