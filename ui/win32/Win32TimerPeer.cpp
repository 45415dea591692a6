#include "ui/win32/Win32TimerPeer.h"

#include "ui/Timer.h"
#include "ui/win32/Win32Host.h"

namespace zt {

Win32TimerPeer::Win32TimerPeer(Win32Host& host, Timer& timer)
    : host_(host), timer_(timer), id_(host.NextTimerId()) {
    host_.AddTimer(id_, &timer_);
}

Win32TimerPeer::~Win32TimerPeer() {
    if (running_)
        KillTimer(host_.TimerWindow(), id_);
    host_.RemoveTimer(id_);
}

void Win32TimerPeer::Sync() {
    if (running_)
        KillTimer(host_.TimerWindow(), id_);
    running_ = timer_.Enabled() && timer_.Interval() > 0;
    if (running_)
        SetTimer(host_.TimerWindow(), id_, static_cast<UINT>(timer_.Interval()), nullptr);
}

} // namespace zt
