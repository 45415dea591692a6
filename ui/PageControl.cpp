#include "ui/PageControl.h"

#include "ui/Application.h"

#include <algorithm>

namespace zt {

PageControl::PageControl(Container& parent) : Container(parent) {
    Realize(App().Host().CreatePeer(*this));
}

void PageControl::SetActivePageIndex(int index) {
    if (index < 0 || index >= static_cast<int>(pages_.size()) || index == activePage_)
        return;
    activePage_ = index;
    Changed();
    for (TabSheet* page : pages_)
        if (page->Peer())
            page->Peer()->Sync();
}

void PageControl::SelectPage(int index) {
    const int before = activePage_;
    SetActivePageIndex(index);
    if (activePage_ != before)
        Fire(OnChange);
}

TabSheet::TabSheet(PageControl& pages) : Container(pages), pages_(pages) {
    pages_.pages_.push_back(this);
    if (pages_.activePage_ < 0)
        pages_.activePage_ = 0;
    Realize(App().Host().CreatePeer(*this));
}

TabSheet::~TabSheet() {
    auto& list = pages_.pages_;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    if (pages_.activePage_ >= static_cast<int>(list.size()))
        pages_.activePage_ = static_cast<int>(list.size()) - 1;
}

int TabSheet::PageIndex() const {
    const auto& list = pages_.pages_;
    return static_cast<int>(std::find(list.begin(), list.end(), this) - list.begin());
}

bool TabSheet::ShownInParent() const {
    return pages_.ActivePageIndex() == PageIndex() && Visible();
}

} // namespace zt
