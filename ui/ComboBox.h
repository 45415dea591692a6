#pragma once

#include "ui/Control.h"

#include <string>
#include <vector>

namespace zt {

enum class ComboStyle {
    DropDown,     // editable text with a list
    DropDownList, // choose from the list only
};

// A combo box. OnChange runs when the user picks an item (SelectItem) or edits the text
// (EnterText), not when code sets the text or the index.
class ComboBox : public Control {
public:
    explicit ComboBox(Container& parent);
    ComboStyle Style() const { return style_; }
    void SetStyle(ComboStyle style);

    const std::vector<std::string>& Items() const { return items_; }
    void SetItems(std::vector<std::string> items);
    // Adds an item (in place when the list is sorted); returns its index.
    int AddItem(const std::string& item);
    // Sorted lists keep their items ordered as text ignoring case; duplicates stay.
    bool Sorted() const { return sorted_; }
    void SetSorted(bool sorted);

    // -1 when no item is selected.
    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int index);
    const std::string& Text() const { return caption_; }
    // The item whose text matches exactly becomes selected; a drop-down list that has no
    // such item shows no selection and an empty text.
    void SetText(const std::string& text);
    void SetCaption(const std::string& caption) override { SetText(caption); }
    bool WantsChars() const override { return style_ == ComboStyle::DropDown; }

    // The user picked the item at index.
    void SelectItem(int index);
    // The user typed: the text becomes this (editable boxes only).
    void EnterText(const std::string& text);
    NotifyEvent OnChange;

private:
    void SortItems();
    ComboStyle style_ = ComboStyle::DropDown;
    std::vector<std::string> items_;
    bool sorted_ = false;
    int itemIndex_ = -1;
};

} // namespace zt
