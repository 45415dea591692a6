#pragma once

#include "platform/IWindows.h"

namespace zt {

// What a host keeps for one form, control or timer: it mirrors the object's state on Sync.
class IPeer {
public:
    virtual ~IPeer() = default;
    // Bring the mirror up to date with the object's current state.
    virtual void Sync() = 0;
    // The native window, 0 when there is none.
    virtual WindowHandle Handle() const { return 0; }
    // Make this window the foreground window.
    virtual void BringToFront() {}
    // Give this control the keyboard focus.
    virtual void Focus() {}
};

} // namespace zt
