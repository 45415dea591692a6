#include "ui/Panel.h"

namespace zt {

Panel::Panel(Container& parent) : Container(parent) {
    Realize();
}

void Panel::SetBevels(Bevel outer, Bevel inner) {
    bevelOuter_ = outer;
    bevelInner_ = inner;
    Changed();
}

GroupBox::GroupBox(Container& parent) : Container(parent) {
    Realize();
}

} // namespace zt
