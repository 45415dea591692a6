#pragma once

#include "ui/ButtonControl.h"
#include "ui/Glyph.h"

namespace zt {

// A latching button. Buttons of one parent with the same group index (above 0) form a
// group in which at most one is down: a click puts it down and releases the others; a
// click on the down one releases it only when the group allows all up. Group index 0: a
// plain button that never stays down (unless set down by code).
class SpeedButton : public ButtonControl {
public:
    explicit SpeedButton(Container& parent);
    void Click() override;
    bool Down() const { return down_; }
    // Setting a grouped button down releases the others of its group.
    void SetDown(bool down);
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int index) { groupIndex_ = index; }
    bool AllowAllUp() const { return allowAllUp_; }
    void SetAllowAllUp(bool allow) { allowAllUp_ = allow; }
    zt::Glyph GetGlyph() const { return glyph_; }
    void SetGlyph(zt::Glyph glyph);

private:
    bool down_ = false;
    int groupIndex_ = 0;
    bool allowAllUp_ = false;
    zt::Glyph glyph_ = zt::Glyph::None;
};

} // namespace zt
