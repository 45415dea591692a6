#pragma once

#include "ui/Control.h"
#include "ui/Keys.h"

#include <string>

namespace zt {

class Form;

// A command of a form: menus show it, its shortcut runs it.
class Action {
public:
    explicit Action(Form& owner);
    Action(const Action&) = delete;
    Action& operator=(const Action&) = delete;
    ~Action();

    std::string caption;
    // Dispatched by the form's KeyDown while the action is enabled.
    ShortCut shortCut;
    bool enabled = true;
    // Whether menus holding the action show it.
    bool visible = true;
    NotifyEvent OnExecute;

    // Runs OnExecute when enabled; returns whether it ran.
    bool Execute();

private:
    Form& owner_;
};

} // namespace zt
