#include "ui/Edit.h"

#include "ui/Application.h"

namespace zt {

Edit::Edit(Container& parent) : Control(parent) {
    Realize(App().Host().CreatePeer(*this));
}

void Edit::SetText(const std::string& text) {
    if (text == caption_)
        return;
    caption_ = text;
    Changed();
    Fire(OnChange);
}

void Edit::SetAlignment(Alignment alignment) {
    alignment_ = alignment;
    Changed();
}

void Edit::SetNumbersOnly(bool numbersOnly) {
    numbersOnly_ = numbersOnly;
    Changed();
}

void Edit::SetMaxLength(int maxLength) {
    maxLength_ = maxLength;
    Changed();
}

void Edit::SetImeOff(bool off) {
    imeOff_ = off;
    Changed();
}

} // namespace zt
