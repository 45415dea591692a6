#pragma once

#include "ui/ButtonControl.h"

namespace zt {

// A click toggles the check, then runs OnClick. SetChecked from code runs no handler.
class CheckBox : public ButtonControl {
public:
    explicit CheckBox(Container& parent);
    void Click() override;
    bool Checked() const { return checked_; }
    void SetChecked(bool checked);

private:
    bool checked_ = false;
};

} // namespace zt
