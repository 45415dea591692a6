#pragma once

#include "ui/Control.h"

#include <string>
#include <vector>

namespace zt {

// A framed group of radio buttons, laid out in columns. OnClick runs when the selection
// changes, whether the user clicked (ClickItem) or code set the index.
class RadioGroup : public Control {
public:
    explicit RadioGroup(Container& parent);
    const std::vector<std::string>& Items() const { return items_; }
    void SetItems(std::vector<std::string> items);
    int Columns() const { return columns_; }
    void SetColumns(int columns);
    // -1 when none is selected.
    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int index);
    // The user clicked the item at index.
    void ClickItem(int index) { SetItemIndex(index); }
    NotifyEvent OnClick;

private:
    std::vector<std::string> items_;
    int columns_ = 1;
    int itemIndex_ = -1;
};

} // namespace zt
