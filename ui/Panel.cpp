#include "ui/Panel.h"

#include "ui/Application.h"

namespace zt {

Panel::Panel(Container& parent) : Container(parent) {
    Realize(App().Host().CreatePeer(*this));
}

void Panel::SetBevels(Bevel outer, Bevel inner) {
    bevelOuter_ = outer;
    bevelInner_ = inner;
    Changed();
}

GroupBox::GroupBox(Container& parent) : Container(parent) {
    Realize(App().Host().CreatePeer(*this));
}

} // namespace zt
