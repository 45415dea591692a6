#pragma once

#include "ui/Control.h"

namespace zt {

class PopupMenu;

enum class Bevel { None, Raised, Lowered };

// A plain container with an optional caption and bevels; a right click opens its menu.
class Panel : public Container {
public:
    explicit Panel(Container& parent);
    // A panel inside a panel (not a copy: controls are never copied).
    explicit Panel(Panel& parent) : Panel(static_cast<Container&>(parent)) {}
    Bevel BevelOuter() const { return bevelOuter_; }
    Bevel BevelInner() const { return bevelInner_; }
    void SetBevels(Bevel outer, Bevel inner);
    zt::PopupMenu* GetPopupMenu() const { return popupMenu_; }
    void SetPopupMenu(zt::PopupMenu* menu) { popupMenu_ = menu; }

private:
    Bevel bevelOuter_ = Bevel::Raised;
    Bevel bevelInner_ = Bevel::None;
    zt::PopupMenu* popupMenu_ = nullptr;
};

// A container framed with its caption.
class GroupBox : public Container {
public:
    explicit GroupBox(Container& parent);
    explicit GroupBox(GroupBox& parent) : GroupBox(static_cast<Container&>(parent)) {}
};

} // namespace zt
