#include "ui/SpeedButton.h"

#include "ui/Application.h"

namespace zt {

SpeedButton::SpeedButton(Container& parent) : ButtonControl(parent) {
    Realize(App().Host().CreatePeer(*this));
}

void SpeedButton::Click() {
    if (groupIndex_ != 0)
        SetDown(down_ ? !allowAllUp_ : true);
    ButtonControl::Click();
}

void SpeedButton::SetDown(bool down) {
    if (down == down_)
        return;
    down_ = down;
    if (down_ && groupIndex_ != 0)
        for (Control* sibling : Parent()->Controls()) {
            auto* other = dynamic_cast<SpeedButton*>(sibling);
            if (other && other != this && other->groupIndex_ == groupIndex_)
                other->SetDown(false);
        }
    Changed();
}

void SpeedButton::SetGlyph(zt::Glyph glyph) {
    glyph_ = glyph;
    Changed();
}

} // namespace zt
