// Docking under CALSAT32's window and bringing the two windows to the front together.
#include "app/uMain.h"

#include "calsat/CalsatInterface.h"

namespace zt {

void TMain::FollowParentWindow() {
    IWindows& windows = Services.Windows;
    const WindowHandle parent = windows.FindTopLevel(CalsatCaption);
    if (!parent)
        return;
    const auto r = windows.ScreenRect(parent);
    if (r && r->Right > r->Left && r->Bottom > r->Top) {
        if (Left() != r->Left)
            SetLeft(r->Left + 1);
        if (Top() != r->Bottom - 3)
            SetTop(r->Bottom - 3);
    }
    const WindowHandle self = Handle();
    const WindowHandle foreground = windows.Foreground();
    if (foreground != parent && foreground != self)
        wasFocused = false;
    else if (!wasFocused) {
        wasFocused = true;
        // The one the user came back to ends on top, the other right behind it.
        const WindowHandle top = foreground;
        windows.SetForeground(top == parent ? self : parent);
        windows.SetForeground(top);
    }
}

} // namespace zt
