#pragma once

#include "ui/Control.h"
#include "ui/Keys.h"

namespace zt {

// What buttons and check boxes share: a click and an access key ("&T" in the caption).
class ButtonControl : public Control {
public:
    using Control::Control;
    NotifyEvent OnClick;
    // A click by the user (or a test): the control's own reaction, then OnClick.
    virtual void Click();
    // The key after the caption's "&", or vkNone.
    Key AccessKey() const;
};

} // namespace zt
