#include "ui/ComboBox.h"

#include "ui/Application.h"

#include <algorithm>
#include <cctype>

namespace zt {

namespace {

bool LessIgnoringCase(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(
        a.begin(), a.end(), b.begin(), b.end(),
        [](unsigned char x, unsigned char y) { return std::tolower(x) < std::tolower(y); });
}

} // namespace

ComboBox::ComboBox(Container& parent) : Control(parent) {
    Realize(App().Host().CreatePeer(*this));
}

void ComboBox::SetStyle(ComboStyle style) {
    style_ = style;
    if (style_ == ComboStyle::DropDownList)
        SetText(caption_);
    Changed();
}

void ComboBox::SetItems(std::vector<std::string> items) {
    items_ = std::move(items);
    itemIndex_ = -1;
    SortItems();
    SetText(caption_);
    Changed();
}

int ComboBox::AddItem(const std::string& item) {
    auto at = items_.end();
    if (sorted_)
        at = std::upper_bound(items_.begin(), items_.end(), item, LessIgnoringCase);
    const int index = static_cast<int>(at - items_.begin());
    items_.insert(at, item);
    if (itemIndex_ >= index)
        ++itemIndex_;
    Changed();
    return index;
}

void ComboBox::SetSorted(bool sorted) {
    sorted_ = sorted;
    SortItems();
    Changed();
}

void ComboBox::SortItems() {
    if (!sorted_)
        return;
    const std::string selected = itemIndex_ >= 0 ? items_[itemIndex_] : std::string();
    std::stable_sort(items_.begin(), items_.end(), LessIgnoringCase);
    if (itemIndex_ >= 0)
        itemIndex_ =
            static_cast<int>(std::find(items_.begin(), items_.end(), selected) - items_.begin());
}

void ComboBox::SetItemIndex(int index) {
    if (index < 0 || index >= static_cast<int>(items_.size())) {
        itemIndex_ = -1;
        if (style_ == ComboStyle::DropDownList)
            caption_.clear();
    } else {
        itemIndex_ = index;
        caption_ = items_[index];
    }
    Changed();
}

void ComboBox::SetText(const std::string& text) {
    const auto found = std::find(items_.begin(), items_.end(), text);
    itemIndex_ = found == items_.end() ? -1 : static_cast<int>(found - items_.begin());
    caption_ = itemIndex_ < 0 && style_ == ComboStyle::DropDownList ? std::string() : text;
    Changed();
}

void ComboBox::SelectItem(int index) {
    if (index < 0 || index >= static_cast<int>(items_.size()))
        return;
    SetItemIndex(index);
    Fire(OnChange);
}

void ComboBox::EnterText(const std::string& text) {
    if (style_ != ComboStyle::DropDown || text == caption_)
        return;
    SetText(text);
    Fire(OnChange);
}

} // namespace zt
