#pragma once

#include "ui/Color.h"
#include "ui/Font.h"
#include "ui/IPeer.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace zt {

class Application;
class Container;
class Form;

using NotifyEvent = std::function<void()>;

// A retained control: it keeps its state itself; a host mirrors it (IUiHost).
// Controls are members of their form, declared after their parent, and live as long as it.
class Control {
public:
    explicit Control(Container& parent);
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control();

    Container* Parent() const { return parent_; }
    Form& OwnerForm();
    Application& App();

    // Position within the parent's client area (a form: on the screen), in pixels.
    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    virtual void SetBounds(int left, int top, int width, int height);
    void SetLeft(int left) { SetBounds(left, top_, width_, height_); }
    void SetTop(int top) { SetBounds(left_, top, width_, height_); }
    void SetWidth(int width) { SetBounds(left_, top_, width, height_); }
    void SetHeight(int height) { SetBounds(left_, top_, width_, height); }

    const std::string& Caption() const { return caption_; }
    virtual void SetCaption(const std::string& caption);

    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    // Visible within its parent (a tab sheet: only while it is the active page).
    virtual bool ShownInParent() const { return visible_; }
    // Shown in its parent, and so are all its parents up to the form, which is visible.
    bool Showing() const;
    // Shown and enabled up to the form, whether or not the form is visible yet.
    bool Usable() const;
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);

    // Font and background colour are the parent's until set on the control.
    const zt::Font& GetFont() const;
    void SetFont(const zt::Font& font);
    Color GetColor() const;
    void SetColor(Color color);
    bool HasOwnColor() const { return color_.has_value(); }

    int Tag() const { return tag_; }
    void SetTag(int tag) { tag_ = tag; }

    // Keyboard focus within the form.
    void SetFocus();
    bool Focused();

    // Whether the control takes typed characters (then plain letters are not access keys).
    virtual bool WantsChars() const { return false; }

    IPeer* Peer() const { return peer_.get(); }
    // The native window mirroring the control; 0 when there is none (yet).
    WindowHandle Handle() const { return peer_ ? peer_->Handle() : 0; }

protected:
    // The form's root constructor.
    Control();
    // Called at the end of each concrete control's constructor with the mirror the host
    // made for it: Realize(App().Host().CreatePeer(*this)).
    void Realize(std::unique_ptr<IPeer> peer);
    // State changed: bring the mirror up to date.
    void Changed();
    // Font or colour of this control or an ancestor changed.
    virtual void AppearanceChanged();
    // Runs a handler of this control under the dispatch rule.
    void Fire(const NotifyEvent& handler);

    std::string caption_;
    std::unique_ptr<IPeer> peer_;

private:
    friend class Container;
    Container* parent_ = nullptr;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool visible_ = true;
    bool enabled_ = true;
    std::optional<zt::Font> font_;
    std::optional<Color> color_;
    int tag_ = 0;
};

// A control that holds others: forms, panels, group boxes, tab sheets, the page control.
class Container : public Control {
public:
    // A child container of parent (not a copy: controls are never copied).
    explicit Container(Container& parent) : Control(parent) {}
    Container(const Container&) = delete;
    // In creation order, which is also the tab order.
    const std::vector<Control*>& Controls() const { return children_; }
    // Calls visit for every descendant, parents before their children.
    void ForEachDescendant(const std::function<void(Control&)>& visit) const;

protected:
    Container() = default;
    void AppearanceChanged() override;

private:
    friend class Control;
    std::vector<Control*> children_;
};

} // namespace zt
