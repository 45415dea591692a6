#pragma once

#include "ui/Alignment.h"
#include "ui/Control.h"

namespace zt {

// A one-line edit box. OnChange runs whenever its text changes: typed by the user
// (EnterText) or set by code (SetText).
class Edit : public Control {
public:
    explicit Edit(Container& parent);
    const std::string& Text() const { return caption_; }
    void SetText(const std::string& text);
    // The user changed the text to this (a keystroke, a paste).
    void EnterText(const std::string& text) { SetText(text); }
    NotifyEvent OnChange;

    Alignment GetAlignment() const { return alignment_; }
    void SetAlignment(Alignment alignment);
    bool NumbersOnly() const { return numbersOnly_; }
    void SetNumbersOnly(bool numbersOnly);
    // 0: no limit.
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int maxLength);
    // Keep the input method off (Japanese conversion) while the box has the focus.
    bool ImeOff() const { return imeOff_; }
    void SetImeOff(bool off);

    void SetCaption(const std::string& caption) override { SetText(caption); }
    bool WantsChars() const override { return true; }

private:
    Alignment alignment_ = Alignment::Left;
    bool numbersOnly_ = false;
    int maxLength_ = 0;
    bool imeOff_ = false;
};

} // namespace zt
