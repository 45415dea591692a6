#pragma once

#include <functional>

namespace zt {

// The user-interface thread: where every handler, timer tick and serial exchange runs.
class IUiThread {
public:
    virtual ~IUiThread() = default;
    // From another thread: hand a batch to the UI thread and return once it has run there.
    virtual void Synchronize(const std::function<void()>& batch) = 0;
    // On the UI thread: run every batch handed over so far.
    virtual void HandlePending() = 0;
    // On the UI thread: keep handling messages (ticks, clicks, batches) for up to ms
    // milliseconds, blocking while there is nothing to do; returns early on quit.
    virtual void PumpFor(int ms) = 0;
};

} // namespace zt
