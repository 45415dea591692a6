#pragma once

#include "ui/IPeer.h"

#include <windows.h>

namespace zt {

class Timer;
class Win32Host;

// A thread timer on the host's message-only window; WM_TIMER fires the timer.
class Win32TimerPeer : public IPeer {
public:
    Win32TimerPeer(Win32Host& host, Timer& timer);
    ~Win32TimerPeer() override;
    Win32TimerPeer(const Win32TimerPeer&) = delete;
    Win32TimerPeer& operator=(const Win32TimerPeer&) = delete;
    void Sync() override;

private:
    Win32Host& host_;
    Timer& timer_;
    UINT_PTR id_;
    bool running_ = false;
};

} // namespace zt
