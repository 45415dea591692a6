#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace zt {

// A window of any program; 0 is no window.
using WindowHandle = std::uintptr_t;

struct WindowRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
};

// Windows of other programs.
class IWindows {
public:
    virtual ~IWindows() = default;
    // The top-level window with this caption, compared ignoring case; 0 when there is none.
    virtual WindowHandle FindTopLevel(const std::string& caption) = 0;
    // Calls visit for every descendant of parent (children, grandchildren, ...) until it
    // returns false.
    virtual void EnumDescendants(WindowHandle parent,
                                 const std::function<bool(WindowHandle)>& visit) = 0;
    // At most 255 characters.
    virtual std::string ClassName(WindowHandle window) = 0;
    virtual int ControlId(WindowHandle window) = 0;
    // The window's text, cut at maxChars characters; empty when it does not answer.
    virtual std::string Text(WindowHandle window, int maxChars) = 0;
    // As Text, but nullopt when the window did not answer within the time limit (its
    // program busy or hung), so that an empty text can be told from no answer.
    virtual std::optional<std::string> AnsweredText(WindowHandle window, int maxChars) = 0;
    // Whether some part of rect lies on one of the screens.
    virtual bool OnSomeScreen(const WindowRect& rect) = 0;
    virtual std::optional<WindowRect> ScreenRect(WindowHandle window) = 0;
    virtual WindowHandle Foreground() = 0;
    virtual bool SetForeground(WindowHandle window) = 0;
};

} // namespace zt
