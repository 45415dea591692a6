#pragma once

#include "platform/IMessageBox.h"
#include "platform/ScopeGuard.h"

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
        explicit EventScope(Dispatcher& d) : fresh_(d.depth_, 0) {}

    private:
        TemporaryChange<int> fresh_;
    };

private:
    IMessageBox& messages_;
    int depth_ = 0;
};

} // namespace zt
