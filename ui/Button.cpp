#include "ui/Button.h"

#include "ui/Application.h"
#include "ui/Form.h"

namespace zt {

Button::Button(Container& parent) : ButtonControl(parent) {
    Realize(App().Host().CreatePeer(*this));
}

void Button::Click() {
    if (modalResult_ != ModalResult::None)
        OwnerForm().SetModalResult(modalResult_);
    ButtonControl::Click();
}

void Button::SetDefault(bool isDefault) {
    default_ = isDefault;
    Changed();
}

} // namespace zt
