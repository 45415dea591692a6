#pragma once

#include <vector>

namespace zt {

class Action;

// A context menu: actions in order, nullptr standing for a separator.
class PopupMenu {
public:
    void Add(Action& action) { items_.push_back(&action); }
    void AddSeparator() { items_.push_back(nullptr); }
    const std::vector<Action*>& Items() const { return items_; }

private:
    std::vector<Action*> items_;
};

} // namespace zt
