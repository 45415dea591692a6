#pragma once

#include "ui/Button.h"
#include "ui/CheckBox.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/Form.h"
#include "ui/IUiHost.h"
#include "ui/Label.h"
#include "ui/PageControl.h"
#include "ui/Panel.h"
#include "ui/Picture.h"
#include "ui/RadioGroup.h"
#include "ui/SpeedButton.h"

#include <deque>
#include <functional>
#include <stdexcept>
#include <string_view>

namespace zt {

// A headless host: no windows; text measures a fixed width per character; modal loops
// and the main loop run the steps a test scripted, one step per "user action".
class FakeUiHost : public IUiHost {
public:
    // Each step acts on the form that is shown (sets fields, clicks OK, ...).
    using Step = std::function<void(Form& shown)>;
    void Script(Step step) { steps.push_back(std::move(step)); }

    std::unique_ptr<IPeer> CreatePeer(Form&) override { return nullptr; }
    std::unique_ptr<IPeer> CreatePeer(Timer&) override { return nullptr; }
    // Every kind of control comes here; a test host may mirror them all alike.
    virtual std::unique_ptr<IPeer> CreatePeer(Control&) { return nullptr; }
    std::unique_ptr<IPeer> CreatePeer(Label& c) override { return CreatePeer(AsControl(c)); }
    std::unique_ptr<IPeer> CreatePeer(Button& c) override { return CreatePeer(AsControl(c)); }
    std::unique_ptr<IPeer> CreatePeer(SpeedButton& c) override { return CreatePeer(AsControl(c)); }
    std::unique_ptr<IPeer> CreatePeer(CheckBox& c) override { return CreatePeer(AsControl(c)); }
    std::unique_ptr<IPeer> CreatePeer(Edit& c) override { return CreatePeer(AsControl(c)); }
    std::unique_ptr<IPeer> CreatePeer(ComboBox& c) override { return CreatePeer(AsControl(c)); }
    std::unique_ptr<IPeer> CreatePeer(RadioGroup& c) override { return CreatePeer(AsControl(c)); }
    std::unique_ptr<IPeer> CreatePeer(Panel& c) override { return CreatePeer(AsControl(c)); }
    std::unique_ptr<IPeer> CreatePeer(GroupBox& c) override { return CreatePeer(AsControl(c)); }
    std::unique_ptr<IPeer> CreatePeer(PageControl& c) override { return CreatePeer(AsControl(c)); }
    std::unique_ptr<IPeer> CreatePeer(TabSheet& c) override { return CreatePeer(AsControl(c)); }
    std::unique_ptr<IPeer> CreatePeer(Picture& c) override { return CreatePeer(AsControl(c)); }

private:
    static Control& AsControl(Control& c) { return c; }

public:
    void RunModal(Form& form) override {
        ++modalShown;
        form.Activate();
        RunSteps(form, [&] { return form.ModalDone(); });
    }
    void Run(Form& main) override {
        main.Activate();
        RunSteps(main, [&] { return !main.Visible(); });
    }

    // Width: charWidth per code point; height: the font's height.
    Size MeasureText(const Font& font, std::string_view text) override {
        int chars = 0;
        for (unsigned char c : text)
            if ((c & 0xC0) != 0x80)
                ++chars;
        return {chars * charWidth, font.height};
    }
    Size ScreenSize() override { return screen; }
    Size FrameSize(BorderStyle style) override {
        switch (style) {
        case BorderStyle::ThinLine:
            return {2, 2};
        case BorderStyle::Dialog:
            return {6, 29};
        default:
            return {16, 39};
        }
    }

    std::deque<Step> steps;
    int charWidth = 8;
    Size screen{1280, 1024};
    int modalShown = 0;

private:
    // A form left open when the script has run out would wait forever: fail the test.
    void RunSteps(Form& form, const std::function<bool()>& done) {
        while (!done()) {
            if (steps.empty())
                throw std::logic_error("FakeUiHost: form left open with no scripted step");
            Step step = std::move(steps.front());
            steps.pop_front();
            step(form);
        }
    }
};

} // namespace zt
