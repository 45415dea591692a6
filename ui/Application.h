#pragma once

#include "platform/IMessageBox.h"
#include "ui/Dispatcher.h"
#include "ui/IUiHost.h"

#include <functional>
#include <memory>
#include <utility>

namespace zt {

class Form;

// The running GUI: the host that shows the forms, the message boxes and the event dispatch.
class Application {
public:
    Application(IUiHost& host, IMessageBox& messages)
        : host_(host), messages_(messages), dispatcher_(messages) {}
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Makes a form and runs its creation handler (Form::OnCreate), as the only way forms
    // come to life: T's constructor takes Application& first.
    template <class T, class... Args> std::unique_ptr<T> CreateForm(Args&&... args) {
        auto form = std::make_unique<T>(*this, std::forward<Args>(args)...);
        form->DoCreate();
        return form;
    }
    // Shows the main form and handles user input until it closes.
    void Run(Form& main);

    // Runs an event handler under the dispatch rule (Dispatcher).
    void Dispatch(const std::function<void()>& handler) { dispatcher_.Run(handler); }
    Dispatcher& EventDispatcher() { return dispatcher_; }
    IUiHost& Host() { return host_; }
    IMessageBox& Messages() { return messages_; }
    Size ScreenSize() { return host_.ScreenSize(); }

private:
    IUiHost& host_;
    IMessageBox& messages_;
    Dispatcher dispatcher_;
};

} // namespace zt
