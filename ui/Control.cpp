#include "ui/Control.h"

#include "ui/Application.h"
#include "ui/Form.h"

#include <algorithm>

namespace zt {

Control::Control() = default;

Control::Control(Container& parent) : parent_(&parent) {
    parent.children_.push_back(this);
}

Control::~Control() {
    peer_.reset();
    if (parent_) {
        auto& siblings = parent_->children_;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
        Form& form = OwnerForm();
        if (form.activeControl_ == this)
            form.activeControl_ = nullptr;
    }
}

Form& Control::OwnerForm() {
    Control* c = this;
    while (c->parent_)
        c = c->parent_;
    return static_cast<Form&>(*c);
}

Application& Control::App() {
    return OwnerForm().App();
}

void Control::SetBounds(int left, int top, int width, int height) {
    if (left == left_ && top == top_ && width == width_ && height == height_)
        return;
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    Changed();
}

void Control::SetCaption(const std::string& caption) {
    if (caption == caption_)
        return;
    caption_ = caption;
    Changed();
}

void Control::SetVisible(bool visible) {
    if (visible == visible_)
        return;
    visible_ = visible;
    Changed();
}

bool Control::Showing() const {
    return ShownInParent() && (!parent_ || parent_->Showing());
}

bool Control::Usable() const {
    for (const Control* c = this; c->parent_; c = c->parent_)
        if (!c->ShownInParent() || !c->enabled_)
            return false;
    return true;
}

void Control::SetEnabled(bool enabled) {
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    Changed();
}

const zt::Font& Control::GetFont() const {
    static const zt::Font fallback;
    for (const Control* c = this; c; c = c->parent_)
        if (c->font_)
            return *c->font_;
    return fallback;
}

void Control::SetFont(const zt::Font& font) {
    font_ = font;
    AppearanceChanged();
}

Color Control::GetColor() const {
    for (const Control* c = this; c; c = c->parent_)
        if (c->color_)
            return *c->color_;
    return clBtnFace;
}

void Control::SetColor(Color color) {
    color_ = color;
    AppearanceChanged();
}

void Control::SetFocus() {
    OwnerForm().SetActiveControl(this);
    if (peer_)
        peer_->Focus();
}

bool Control::Focused() {
    return OwnerForm().ActiveControl() == this;
}

void Control::Realize(std::unique_ptr<IPeer> peer) {
    peer_ = std::move(peer);
    Changed();
}

void Control::Changed() {
    if (peer_)
        peer_->Sync();
}

void Control::AppearanceChanged() {
    Changed();
}

void Control::Fire(const NotifyEvent& handler) {
    App().Dispatch(handler);
}

void Container::ForEachDescendant(const std::function<void(Control&)>& visit) const {
    for (Control* child : children_) {
        visit(*child);
        if (auto* container = dynamic_cast<Container*>(child))
            container->ForEachDescendant(visit);
    }
}

void Container::AppearanceChanged() {
    Control::AppearanceChanged();
    for (Control* child : children_)
        child->AppearanceChanged();
}

} // namespace zt
