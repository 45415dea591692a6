#pragma once

#include "ui/BorderStyle.h"
#include "ui/Font.h"
#include "ui/IPeer.h"

#include <memory>
#include <string_view>

namespace zt {

class Button;
class CheckBox;
class ComboBox;
class Edit;
class Form;
class GroupBox;
class Label;
class PageControl;
class Panel;
class Picture;
class RadioGroup;
class SpeedButton;
class TabSheet;
class Timer;

struct Size {
    int width = 0;
    int height = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

// The seam between the retained controls and what shows them: the Win32 renderer, or a
// headless host in tests. Forms and controls never see more of the platform than this.
class IUiHost {
public:
    virtual ~IUiHost() = default;
    // A mirror of the object, created when the object is; nullptr when the host keeps none.
    // One overload per kind of control, so a control no host can show does not compile.
    virtual std::unique_ptr<IPeer> CreatePeer(Form& form) = 0;
    virtual std::unique_ptr<IPeer> CreatePeer(Timer& timer) = 0;
    virtual std::unique_ptr<IPeer> CreatePeer(Label& control) = 0;
    virtual std::unique_ptr<IPeer> CreatePeer(Button& control) = 0;
    virtual std::unique_ptr<IPeer> CreatePeer(SpeedButton& control) = 0;
    virtual std::unique_ptr<IPeer> CreatePeer(CheckBox& control) = 0;
    virtual std::unique_ptr<IPeer> CreatePeer(Edit& control) = 0;
    virtual std::unique_ptr<IPeer> CreatePeer(ComboBox& control) = 0;
    virtual std::unique_ptr<IPeer> CreatePeer(RadioGroup& control) = 0;
    virtual std::unique_ptr<IPeer> CreatePeer(Panel& control) = 0;
    virtual std::unique_ptr<IPeer> CreatePeer(GroupBox& control) = 0;
    virtual std::unique_ptr<IPeer> CreatePeer(PageControl& control) = 0;
    virtual std::unique_ptr<IPeer> CreatePeer(TabSheet& control) = 0;
    virtual std::unique_ptr<IPeer> CreatePeer(Picture& control) = 0;
    // Handles user input until the form's modal loop ends (Form::ModalDone returns true).
    virtual void RunModal(Form& form) = 0;
    // Handles user input until the main form has closed.
    virtual void Run(Form& main) = 0;
    virtual Size MeasureText(const Font& font, std::string_view text) = 0;
    virtual Size ScreenSize() = 0;
    // What a frame of this style adds to the client area's width and height.
    virtual Size FrameSize(BorderStyle style) = 0;
};

} // namespace zt
