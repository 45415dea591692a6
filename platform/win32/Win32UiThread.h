#pragma once

#include "platform/IUiThread.h"
#include "platform/UiBatchQueue.h"
#include "platform/win32/UniqueHandle.h"

#include <thread>

namespace zt {

class IMessageBox;

// The UI thread is the thread that creates this object. Batches handed over from other
// threads arrive as a message to a message-only window, so they run whenever that thread
// dispatches messages: in the GUI's own GetMessage loop, in PumpFor, or in a modal loop.
// A batch that fails while dispatched that way has its error shown through `errors`.
// Must outlive every port (event thread) that hands batches to it.
class Win32UiThread : public IUiThread {
public:
    explicit Win32UiThread(IMessageBox& errors);
    Win32UiThread(const Win32UiThread&) = delete;
    Win32UiThread& operator=(const Win32UiThread&) = delete;

    void Synchronize(const std::function<void()>& batch) override;
    void HandlePending() override;
    void HandlePendingUntil(const std::function<bool()>& done) override;
    void PumpFor(int ms) override;

    // For the window procedure: runs pending batches, showing a failure instead of letting
    // it cross the dispatcher.
    void DispatchPending();

private:
    IMessageBox& errors_;
    std::thread::id owner_;
    UniqueWindow window_;
    UiBatchQueue queue_;
};

} // namespace zt
