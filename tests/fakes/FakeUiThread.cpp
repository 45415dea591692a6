#include "tests/fakes/FakeUiThread.h"

#include <stdexcept>

namespace zt {

void FakeUiThread::Synchronize(const std::function<void()>& batch) {
    if (std::this_thread::get_id() == owner_)
        batch();
    else
        queue_.Hand(batch);
}

void FakeUiThread::HandlePending() {
    queue_.RunPending();
}

void FakeUiThread::HandlePendingUntil(const std::function<bool()>& done) {
    // A serial thread that never finishes would otherwise hang the test without a word.
    if (!queue_.RunUntil(done, std::chrono::seconds(5)))
        throw std::runtime_error("HandlePendingUntil: waited 5 s for the batches that end the "
                                 "wait (the port's serial thread did not finish)");
}

void FakeUiThread::PumpFor(int ms) {
    queue_.RunPending();
    pumpedMs += ms;
    if (onPump)
        onPump(ms);
}

} // namespace zt
