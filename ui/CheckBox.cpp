#include "ui/CheckBox.h"

#include "ui/Application.h"

namespace zt {

CheckBox::CheckBox(Container& parent) : ButtonControl(parent) {
    Realize(App().Host().CreatePeer(*this));
}

void CheckBox::Click() {
    SetChecked(!checked_);
    ButtonControl::Click();
}

void CheckBox::SetChecked(bool checked) {
    if (checked == checked_)
        return;
    checked_ = checked;
    Changed();
}

} // namespace zt
