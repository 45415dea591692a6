#pragma once

#include "platform/IMessageBox.h"

#include <functional>

namespace zt {

// Runs event handlers. An error that escapes the outermost handler of an event is shown in
// an error box and the program goes on; a handler run from inside another one (a click
// made by code) lets it pass to its caller, which stops at that step. A modal loop, and
// every message a window procedure receives, starts a new level of events (EventScope).
class Dispatcher {
public:
    explicit Dispatcher(IMessageBox& messages) : messages_(messages) {}
    void Run(const std::function<void()>& handler);
    // Inside the scope, handlers run as fresh events; the caller's nesting is restored after.
    class EventScope {
    public:
        explicit EventScope(Dispatcher& d) : d_(d), saved_(d.depth_) { d_.depth_ = 0; }
        ~EventScope() { d_.depth_ = saved_; }
        EventScope(const EventScope&) = delete;
        EventScope& operator=(const EventScope&) = delete;

    private:
        Dispatcher& d_;
        int saved_;
    };

private:
    IMessageBox& messages_;
    int depth_ = 0;
};

} // namespace zt
