#include "ui/Keys.h"

namespace zt {

namespace {

std::string KeyName(Key key) {
    if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9'))
        return std::string(1, static_cast<char>(key));
    switch (key) {
    case vkReturn:
        return "Enter";
    case vkEscape:
        return "Esc";
    case vkSpace:
        return "Space";
    case vkTab:
        return "Tab";
    case vkLeft:
        return "Left";
    case vkUp:
        return "Up";
    case vkRight:
        return "Right";
    case vkDown:
        return "Down";
    default:
        return std::to_string(key).insert(0, 1, '#');
    }
}

} // namespace

std::string ShortCut::Text() const {
    if (Empty())
        return {};
    std::string text;
    if (shift.shift)
        text += "Shift+";
    if (shift.ctrl)
        text += "Ctrl+";
    if (shift.alt)
        text += "Alt+";
    return text + KeyName(key);
}

} // namespace zt
