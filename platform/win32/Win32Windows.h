#pragma once

#include "platform/IWindows.h"

namespace zt {

class Win32Windows : public IWindows {
public:
    WindowHandle FindTopLevel(const std::string& caption) override;
    void EnumDescendants(WindowHandle parent,
                         const std::function<bool(WindowHandle)>& visit) override;
    std::string ClassName(WindowHandle window) override;
    int ControlId(WindowHandle window) override;
    std::string Text(WindowHandle window, int maxChars) override;
    std::optional<std::string> AnsweredText(WindowHandle window, int maxChars) override;
    bool OnSomeScreen(const WindowRect& rect) override;
    std::optional<WindowRect> ScreenRect(WindowHandle window) override;
    WindowHandle Foreground() override;
    bool SetForeground(WindowHandle window) override;
};

} // namespace zt
