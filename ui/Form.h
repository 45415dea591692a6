#pragma once

#include "ui/BorderStyle.h"
#include "ui/Control.h"
#include "ui/Keys.h"
#include "ui/ModalResult.h"

#include <functional>
#include <vector>

namespace zt {

class Action;
class Application;

enum class FormPosition {
    Designed,     // where SetBounds put it
    ScreenCenter, // centred on the screen each time it is shown
};

// A top-level window. Forms derive from it, declare their controls as members (parents
// before children) and set the handlers in their constructor; Application::CreateForm
// then runs OnCreate.
class Form : public Container {
public:
    explicit Form(Application& app);
    ~Form() override;

    Application& App() { return app_; }

    BorderStyle GetBorderStyle() const { return borderStyle_; }
    void SetBorderStyle(BorderStyle style);
    // Whether a Dialog or Sizeable frame has its caption buttons (close, system menu).
    bool CaptionButtons() const { return captionButtons_; }
    void SetCaptionButtons(bool shown);
    FormPosition Position() const { return position_; }
    void SetPosition(FormPosition position) { position_ = position; }
    int ClientWidth() const;
    int ClientHeight() const;
    void SetClientWidth(int width);
    void SetClientHeight(int height);
    // Places the form in the middle of the screen; left and top truncated toward zero.
    void CenterOnScreen();

    // Events. OnCloseQuery may set its argument to false to keep the form open; OnKeyDown
    // may set the key to vkNone to stop any further handling of it.
    NotifyEvent OnCreate;
    NotifyEvent OnActivate;
    NotifyEvent OnDeactivate;
    std::function<void(bool& canClose)> OnCloseQuery;
    NotifyEvent OnClose;
    std::function<void(Key& key, ShiftState shift)> OnKeyDown;

    // Runs OnCreate (Application::CreateForm calls it once).
    void DoCreate();
    void Show();
    void Hide() { SetVisible(false); }
    // Shows the form modally and returns how it was left.
    ModalResult ShowModal();
    bool Modal() const { return modal_; }
    ModalResult GetModalResult() const { return modalResult_; }
    void SetModalResult(ModalResult result) { modalResult_ = result; }
    // Asks to close: a modal form ends with Cancel; others close if OnCloseQuery allows.
    void Close();
    // The modal loop's check after each event: a modal result ends the loop when
    // OnCloseQuery allows it (then OnClose runs); otherwise the result is cleared.
    bool ModalDone();

    // A key pressed while the form has the keyboard: enabled actions' shortcuts first, then
    // OnKeyDown, then Enter/Esc for the default/cancel button and access keys ("&T").
    // Returns whether something used the key.
    bool KeyDown(Key key, ShiftState shift);
    // The host calls these when the form gains or loses activation.
    void Activate();
    void Deactivate();
    bool Active() const { return active_; }

    Control* ActiveControl() const { return activeControl_; }
    void SetActiveControl(Control* control) { activeControl_ = control; }

    void BringToFront();

    const std::vector<Action*>& Actions() const { return actions_; }

private:
    friend class Action;
    friend class Control;
    bool CloseQuery();
    bool DialogKey(Key key, ShiftState shift);

    Application& app_;
    BorderStyle borderStyle_ = BorderStyle::Sizeable;
    bool captionButtons_ = true;
    FormPosition position_ = FormPosition::Designed;
    ModalResult modalResult_ = ModalResult::None;
    bool modal_ = false;
    bool active_ = false;
    Control* activeControl_ = nullptr;
    std::vector<Action*> actions_;
};

} // namespace zt
