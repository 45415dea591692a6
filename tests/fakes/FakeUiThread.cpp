#include "tests/fakes/FakeUiThread.h"

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
    queue_.RunUntil(done);
}

void FakeUiThread::PumpFor(int ms) {
    queue_.RunPending();
    pumpedMs += ms;
    if (onPump)
        onPump(ms);
}

} // namespace zt
