#pragma once

#include "ui/Control.h"

#include <vector>

namespace zt {

class TabSheet;

// Pages on tabs; its tab sheets fill it and only the active one shows.
class PageControl : public Container {
public:
    explicit PageControl(Container& parent);
    const std::vector<TabSheet*>& Pages() const { return pages_; }
    // -1 before any page exists.
    int ActivePageIndex() const { return activePage_; }
    void SetActivePageIndex(int index);
    // The user chose a tab.
    void SelectPage(int index);
    NotifyEvent OnChange;

private:
    friend class TabSheet;
    std::vector<TabSheet*> pages_;
    int activePage_ = -1;
};

class TabSheet : public Container {
public:
    explicit TabSheet(PageControl& pages);
    ~TabSheet() override;
    PageControl& Pages() const { return pages_; }
    int PageIndex() const;
    bool ShownInParent() const override;

private:
    PageControl& pages_;
};

} // namespace zt
