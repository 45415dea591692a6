#pragma once

#include <functional>

namespace zt {

// The user-interface thread: where every handler, timer tick and serial exchange runs.
class IUiThread {
public:
    virtual ~IUiThread() = default;
    // From another thread: hand a batch to the UI thread and return once it has run there.
    // On the UI thread itself the batch runs at once.
    virtual void Synchronize(const std::function<void()>& batch) = 0;
    // On the UI thread: run every batch handed over so far.
    virtual void HandlePending() = 0;
    // On the UI thread: run batches as they are handed over, blocking between them, and
    // nothing else, until done() holds. done is checked before each block, so it must turn
    // true inside a batch (e.g. a thread's last batch), or be true already.
    virtual void HandlePendingUntil(const std::function<bool()>& done) = 0;
    // On the UI thread: keep handling messages (ticks, clicks, batches) for up to ms
    // milliseconds, blocking while there is nothing to do; returns early on quit.
    virtual void PumpFor(int ms) = 0;
};

} // namespace zt
