#include "ui/Dispatcher.h"

#include <exception>
#include <string>

namespace zt {

void Dispatcher::Run(const std::function<void()>& handler) {
    if (!handler)
        return;
    if (depth_ > 0) {
        ++depth_;
        struct Leave {
            int& depth;
            ~Leave() { --depth; }
        } leave{depth_};
        handler();
        return;
    }
    std::string error;
    depth_ = 1;
    try {
        handler();
    } catch (const std::exception& e) {
        error = e.what();
        if (error.empty())
            error = "Error";
    } catch (...) {
        error = "Unknown error";
    }
    depth_ = 0;
    // Shown at depth 0, so events handled while the box is open are fresh events.
    if (!error.empty())
        messages_.Show(error, MessageKind::Error);
}

} // namespace zt
