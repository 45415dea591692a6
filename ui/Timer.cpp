#include "ui/Timer.h"

#include "ui/Application.h"
#include "ui/Form.h"

namespace zt {

Timer::Timer(Form& owner) : owner_(owner), peer_(owner.App().Host().CreatePeer(*this)) {
    Changed();
}

Timer::~Timer() {
    peer_.reset();
}

void Timer::SetInterval(int ms) {
    if (ms == interval_)
        return;
    interval_ = ms;
    Changed();
}

void Timer::SetEnabled(bool enabled) {
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    Changed();
}

void Timer::Fire() {
    if (enabled_)
        owner_.App().Dispatch(OnTimer);
}

void Timer::Changed() {
    if (peer_)
        peer_->Sync();
}

} // namespace zt
