#pragma once

#include "platform/IMessageBox.h"

#include <functional>

namespace zt {

// Runs event handlers. An error that escapes the outermost handler of an event is shown in
// an error box and the program goes on; a handler run from inside another one (a click
// made by code) lets it pass to its caller, which stops at that step. A modal loop starts
// a new level of events.
class Dispatcher {
public:
    explicit Dispatcher(IMessageBox& messages) : messages_(messages) {}
    void Run(const std::function<void()>& handler);
    // Keeps the caller's nesting while the loop inside the scope handles fresh events.
    class ModalScope {
    public:
        explicit ModalScope(Dispatcher& d) : d_(d), saved_(d.depth_) { d_.depth_ = 0; }
        ~ModalScope() { d_.depth_ = saved_; }
        ModalScope(const ModalScope&) = delete;
        ModalScope& operator=(const ModalScope&) = delete;

    private:
        Dispatcher& d_;
        int saved_;
    };

private:
    IMessageBox& messages_;
    int depth_ = 0;
};

} // namespace zt
