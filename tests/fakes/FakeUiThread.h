#pragma once

#include "platform/IUiThread.h"
#include "platform/UiBatchQueue.h"

#include <functional>
#include <thread>

namespace zt {

// The UI thread of a native test: the thread that created it. Batches handed over by other
// threads run when the test calls HandlePending, HandlePendingUntil or PumpFor.
class FakeUiThread : public IUiThread {
public:
    void Synchronize(const std::function<void()>& batch) override;
    void HandlePending() override;
    void HandlePendingUntil(const std::function<bool()>& done) override;
    // Handles pending batches, adds ms to pumpedMs and calls onPump (if set) with ms, so a
    // test can act "during" the pump. Does not sleep.
    void PumpFor(int ms) override;

    int pumpedMs = 0;
    std::function<void(int)> onPump;

private:
    std::thread::id owner_ = std::this_thread::get_id();
    UiBatchQueue queue_;
};

} // namespace zt
