#pragma once

#include "ui/Control.h"
#include "ui/IPeer.h"

#include <memory>

namespace zt {

class Form;

// Fires OnTimer every Interval milliseconds while enabled; ticks come through the host's
// message loop. Starts enabled with an interval of 1000 ms.
class Timer {
public:
    explicit Timer(Form& owner);
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;
    ~Timer();

    int Interval() const { return interval_; }
    void SetInterval(int ms);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    NotifyEvent OnTimer;

    Form& Owner() const { return owner_; }
    // One tick: runs OnTimer under the dispatch rule when enabled.
    void Fire();

private:
    void Changed();
    Form& owner_;
    int interval_ = 1000;
    bool enabled_ = true;
    std::unique_ptr<IPeer> peer_;
};

} // namespace zt
