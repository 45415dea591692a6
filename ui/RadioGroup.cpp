#include "ui/RadioGroup.h"

#include "ui/Application.h"

namespace zt {

RadioGroup::RadioGroup(Container& parent) : Control(parent) {
    Realize(App().Host().CreatePeer(*this));
}

void RadioGroup::SetItems(std::vector<std::string> items) {
    items_ = std::move(items);
    if (itemIndex_ >= static_cast<int>(items_.size()))
        itemIndex_ = -1;
    Changed();
}

void RadioGroup::SetColumns(int columns) {
    columns_ = columns < 1 ? 1 : columns;
    Changed();
}

void RadioGroup::SetItemIndex(int index) {
    if (index < -1 || index >= static_cast<int>(items_.size()))
        index = -1;
    if (index == itemIndex_)
        return;
    itemIndex_ = index;
    Changed();
    Fire(OnClick);
}

} // namespace zt
