#pragma once

#include "ui/ButtonControl.h"
#include "ui/ModalResult.h"

namespace zt {

// A push button. A click first sets the form's modal result to the button's (when it has
// one), then runs OnClick. Enter clicks the default button, Esc the cancel button.
class Button : public ButtonControl {
public:
    explicit Button(Container& parent);
    void Click() override;
    ModalResult GetModalResult() const { return modalResult_; }
    void SetModalResult(ModalResult result) { modalResult_ = result; }
    bool Default() const { return default_; }
    void SetDefault(bool isDefault);
    bool Cancel() const { return cancel_; }
    void SetCancel(bool isCancel) { cancel_ = isCancel; }

private:
    ModalResult modalResult_ = ModalResult::None;
    bool default_ = false;
    bool cancel_ = false;
};

} // namespace zt
