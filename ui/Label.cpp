#include "ui/Label.h"

#include "ui/Application.h"

namespace zt {

Label::Label(Container& parent) : Control(parent) {
    Realize(App().Host().CreatePeer(*this));
}

void Label::SetCaption(const std::string& caption) {
    caption_ = caption;
    Fit();
    Changed();
}

void Label::SetAlignment(Alignment alignment) {
    alignment_ = alignment;
    Changed();
}

void Label::SetAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    Fit();
    Changed();
}

void Label::SetWordWrap(bool wordWrap) {
    wordWrap_ = wordWrap;
    Fit();
    Changed();
}

void Label::AppearanceChanged() {
    Fit();
    Control::AppearanceChanged();
}

void Label::Fit() {
    // A wrapped label keeps its width and wraps inside it.
    if (!autoSize_ || wordWrap_)
        return;
    const Size size = App().Host().MeasureText(GetFont(), caption_);
    const int left = alignment_ == Alignment::Right ? RightEdge() - size.width : Left();
    SetBounds(left, Top(), size.width, size.height);
}

} // namespace zt
