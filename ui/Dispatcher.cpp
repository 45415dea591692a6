#include "ui/Dispatcher.h"

#include "platform/ScopeGuard.h"

#include <exception>
#include <string>

namespace zt {

void Dispatcher::Run(const std::function<void()>& handler) {
    if (!handler)
        return;
    if (depth_ > 0) {
        TemporaryChange nested(depth_, depth_ + 1);
        handler();
        return;
    }
    std::string error;
    try {
        TemporaryChange outermost(depth_, 1);
        handler();
    } catch (const std::exception& e) {
        error = e.what();
        if (error.empty())
            error = "Error";
    } catch (...) {
        error = "Unknown error";
    }
    // Shown at depth 0, so events handled while the box is open are fresh events.
    if (!error.empty())
        messages_.Show(error, MessageKind::Error);
}

} // namespace zt
