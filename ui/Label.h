#pragma once

#include "ui/Alignment.h"
#include "ui/Control.h"

namespace zt {

// Static text. With AutoSize (the default) it takes the size of its text, keeping its right
// edge when right-aligned and its left edge otherwise; without it the text is aligned in
// the fixed width.
class Label : public Control {
public:
    explicit Label(Container& parent);

    void SetCaption(const std::string& caption) override;
    Alignment GetAlignment() const { return alignment_; }
    void SetAlignment(Alignment alignment);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool wordWrap);
    // Places the label so that its right edge is at x (for right-aligned labels).
    void SetRightEdge(int x) { SetLeft(x - Width()); }
    int RightEdge() const { return Left() + Width(); }

protected:
    void AppearanceChanged() override;

private:
    void Fit();
    Alignment alignment_ = Alignment::Left;
    bool autoSize_ = true;
    bool wordWrap_ = false;
};

} // namespace zt
