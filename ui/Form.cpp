#include "ui/Form.h"

#include "platform/ScopeGuard.h"
#include "ui/Action.h"
#include "ui/Application.h"
#include "ui/Button.h"

namespace zt {

Form::Form(Application& app) : app_(app) {
    SetVisible(false);
    SetFont(zt::Font{});
    SetColor(clBtnFace);
    peer_ = app_.Host().CreatePeer(*this);
    Changed();
}

Form::~Form() {
    peer_.reset();
}

void Form::SetBorderStyle(BorderStyle style) {
    if (style == borderStyle_)
        return;
    // Keep the client area when the frame changes.
    const int cw = ClientWidth(), ch = ClientHeight();
    borderStyle_ = style;
    const Size frame = app_.Host().FrameSize(style);
    SetBounds(Left(), Top(), cw + frame.width, ch + frame.height);
    Changed();
}

void Form::SetCaptionButtons(bool shown) {
    captionButtons_ = shown;
    Changed();
}

int Form::ClientWidth() const {
    return Width() - app_.Host().FrameSize(borderStyle_).width;
}

int Form::ClientHeight() const {
    return Height() - app_.Host().FrameSize(borderStyle_).height;
}

void Form::SetClientWidth(int width) {
    SetWidth(width + app_.Host().FrameSize(borderStyle_).width);
}

void Form::SetClientHeight(int height) {
    SetHeight(height + app_.Host().FrameSize(borderStyle_).height);
}

void Form::CenterOnScreen() {
    const Size screen = app_.Host().ScreenSize();
    SetBounds((screen.width - Width()) / 2, (screen.height - Height()) / 2, Width(), Height());
}

void Form::DoCreate() {
    Fire(OnCreate);
}

void Form::Show() {
    if (position_ == FormPosition::ScreenCenter)
        CenterOnScreen();
    SetVisible(true);
}

ModalResult Form::ShowModal() {
    modalResult_ = ModalResult::None;
    modal_ = true;
    Show();
    {
        auto leave = ScopeExit([this] {
            modal_ = false;
            active_ = false;
            Hide();
        });
        Dispatcher::EventScope scope(app_.EventDispatcher());
        app_.Host().RunModal(*this);
    }
    return modalResult_;
}

void Form::Close() {
    if (modal_) {
        modalResult_ = ModalResult::Cancel;
        return;
    }
    if (!CloseQuery())
        return;
    Fire(OnClose);
    Hide();
}

bool Form::ModalDone() {
    if (modalResult_ == ModalResult::None)
        return false;
    if (!CloseQuery()) {
        modalResult_ = ModalResult::None;
        return false;
    }
    Fire(OnClose);
    return true;
}

bool Form::CloseQuery() {
    bool canClose = true;
    if (OnCloseQuery) {
        bool ran = false;
        Fire([&] {
            OnCloseQuery(canClose);
            ran = true;
        });
        // A close query that failed does not grant the close.
        if (!ran)
            canClose = false;
    }
    return canClose;
}

bool Form::KeyDown(Key key, ShiftState shift) {
    const ShortCut pressed{key, shift};
    for (Action* action : actions_)
        if (action->enabled && action->shortCut == pressed) {
            action->Execute();
            return true;
        }
    if (OnKeyDown) {
        Fire([&] { OnKeyDown(key, shift); });
        if (key == vkNone)
            return true;
    }
    return DialogKey(key, shift);
}

bool Form::DialogKey(Key key, ShiftState shift) {
    Control* found = nullptr;
    if ((key == vkReturn || key == vkEscape) && shift == ssNone) {
        auto* focusedButton = dynamic_cast<Button*>(activeControl_);
        if (key == vkReturn && focusedButton && focusedButton->Usable()) {
            focusedButton->Click();
            return true;
        }
        ForEachDescendant([&](Control& c) {
            auto* b = dynamic_cast<Button*>(&c);
            if (!found && b && b->Usable() && (key == vkReturn ? b->Default() : b->Cancel()))
                found = b;
        });
    } else if (!shift.ctrl && !shift.shift && key != vkNone) {
        // Without Alt an access key works only where typing does not take the key.
        const bool typing = activeControl_ && activeControl_->WantsChars();
        if (!shift.alt && typing)
            return false;
        ForEachDescendant([&](Control& c) {
            auto* b = dynamic_cast<ButtonControl*>(&c);
            if (!found && b && b->Usable() && b->AccessKey() == key)
                found = b;
        });
    }
    if (!found)
        return false;
    static_cast<ButtonControl*>(found)->Click();
    return true;
}

void Form::Activate() {
    active_ = true;
    Fire(OnActivate);
}

void Form::Deactivate() {
    active_ = false;
    Fire(OnDeactivate);
}

void Form::BringToFront() {
    if (peer_)
        peer_->BringToFront();
}

} // namespace zt
