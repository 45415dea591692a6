#include "tests/ui/UiFixture.h"
#include "ui/Action.h"
#include "ui/Button.h"
#include "ui/Edit.h"
#include "ui/Label.h"
#include "ui/PageControl.h"
#include "ui/Panel.h"
#include "ui/SpeedButton.h"
#include "ui/Timer.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace zt {
namespace {

// A strip with a command (Ctrl+D), a disabled command (Ctrl+T, like a greyed menu item)
// and a key handler that records what reaches it.
struct StripForm : Form {
    explicit StripForm(Application& app) : Form(app) {
        debug.shortCut = CtrlKey('D');
        debug.OnExecute = [this] { log.push_back("debug"); };
        terminal.shortCut = CtrlKey('T');
        terminal.enabled = false;
        tracking.SetCaption("&Tracking On");
        tracking.OnClick = [this] { log.push_back("tracking"); };
        OnKeyDown = [this](Key& key, ShiftState shift) {
            log.push_back(ShortCut{key, shift}.Text());
            if (key == 'Q')
                key = vkNone;
        };
    }
    Action debug{*this};
    Action terminal{*this};
    Panel panel{*this};
    SpeedButton tracking{panel};
    Edit edit{panel};
    std::vector<std::string> log;
};

TEST(FormKeys, ShortcutsComeBeforeTheKeyHandlerAndAccessKeysAfterIt) {
    struct Case {
        Key key;
        ShiftState shift;
        bool editFocused;
        std::vector<std::string> log;
        bool used;
    };
    const ShiftState ctrlShift{.shift = true, .ctrl = true};
    const Case cases[] = {
        {'D', ssCtrl, false, {"debug"}, true},            // the command only
        {'D', ctrlShift, false, {"Shift+Ctrl+D"}, false}, // not the exact shortcut
        {'T', ssCtrl, false, {"Ctrl+T"}, false},          // disabled: the handler's
        {'T', ssNone, false, {"T", "tracking"}, true},    // access key
        {'T', ssNone, true, {"T"}, false},                // typing into the edit box
        {'T', ssAlt, true, {"Alt+T", "tracking"}, true},  // Alt+T always
        {'Q', ssNone, false, {"Q"}, true},                // handler used it
        {'X', ssNone, false, {"X"}, false},
    };
    for (const Case& c : cases) {
        UiFixture ui;
        auto form = ui.app.CreateForm<StripForm>();
        if (c.editFocused)
            form->edit.SetFocus();
        EXPECT_EQ(form->KeyDown(c.key, c.shift), c.used) << ShortCut{c.key, c.shift}.Text();
        EXPECT_EQ(form->log, c.log) << ShortCut{c.key, c.shift}.Text();
    }
}

TEST(FormKeys, HiddenOrDisabledButtonsTakeNoAccessKey) {
    UiFixture ui;
    auto form = ui.app.CreateForm<StripForm>();
    form->tracking.SetEnabled(false);
    EXPECT_FALSE(form->KeyDown('T', ssAlt));
    form->tracking.SetEnabled(true);
    form->panel.SetVisible(false);
    EXPECT_FALSE(form->KeyDown('T', ssAlt));
    EXPECT_EQ(form->log, (std::vector<std::string>{"Alt+T", "Alt+T"}));
}

// A dialog with two pages, each with its own OK (default) and Cancel buttons, like the
// settings dialog; the close is granted only while `valid`.
struct Dialog : Form {
    explicit Dialog(Application& app) : Form(app) {
        SetBorderStyle(BorderStyle::Dialog);
        for (Button* b : {&ok0, &ok1}) {
            b->SetDefault(true);
            b->SetModalResult(ModalResult::Ok);
            b->OnClick = [this, b] {
                seenResult = GetModalResult();
                clicked = b;
            };
        }
        for (Button* b : {&cancel0, &cancel1}) {
            b->SetCancel(true);
            b->SetModalResult(ModalResult::Cancel);
            b->OnClick = [this, b] { clicked = b; };
        }
        OnCloseQuery = [this](bool& canClose) {
            ++queries;
            canClose = valid;
        };
        OnClose = [this] { ++closes; };
    }
    PageControl pages{*this};
    TabSheet page0{pages}, page1{pages};
    Button ok0{page0}, cancel0{page0}, ok1{page1}, cancel1{page1};
    Edit edit{page1};
    bool valid = true;
    int queries = 0, closes = 0;
    ModalResult seenResult = ModalResult::None;
    Button* clicked = nullptr;
};

TEST(ModalForm, EnterAndEscClickTheButtonsOfTheOpenPage) {
    UiFixture ui;
    auto d = ui.app.CreateForm<Dialog>();
    d->pages.SetActivePageIndex(1);
    d->edit.SetFocus();
    EXPECT_TRUE(d->KeyDown(vkReturn, ssNone));
    EXPECT_EQ(d->clicked, &d->ok1);
    EXPECT_TRUE(d->KeyDown(vkEscape, ssNone));
    EXPECT_EQ(d->clicked, &d->cancel1);
    d->pages.SelectPage(0);
    EXPECT_TRUE(d->KeyDown(vkReturn, ssNone));
    EXPECT_EQ(d->clicked, &d->ok0);
    // A focused button takes Enter itself.
    d->cancel0.SetFocus();
    EXPECT_TRUE(d->KeyDown(vkReturn, ssNone));
    EXPECT_EQ(d->clicked, &d->cancel0);
}

TEST(ModalForm, ResultIsSetBeforeTheHandlerAndARefusedCloseKeepsTheFormOpen) {
    UiFixture ui;
    auto d = ui.app.CreateForm<Dialog>();
    d->valid = false;
    ui.host.Script([&](Form&) { d->KeyDown(vkReturn, ssNone); });
    ui.host.Script([&](Form& shown) {
        EXPECT_EQ(&shown, d.get());
        EXPECT_TRUE(shown.Visible());
        EXPECT_EQ(shown.GetModalResult(), ModalResult::None); // cleared by the refusal
        d->valid = true;
        d->cancel0.Click();
    });
    EXPECT_EQ(d->ShowModal(), ModalResult::Cancel);
    EXPECT_EQ(d->seenResult, ModalResult::Ok);
    EXPECT_EQ(d->queries, 2);
    EXPECT_EQ(d->closes, 1);
    EXPECT_FALSE(d->Visible());
    EXPECT_TRUE(ui.host.steps.empty());

    // Shown again: a fresh result, and Close() means Cancel.
    ui.host.Script([&](Form&) { d->ok1.Click(); });
    EXPECT_EQ(d->ShowModal(), ModalResult::Ok);
    ui.host.Script([&](Form& shown) { shown.Close(); });
    EXPECT_EQ(d->ShowModal(), ModalResult::Cancel);
}

TEST(ModalForm, AFailingCloseQueryIsShownAndRefusesTheClose) {
    UiFixture ui;
    auto d = ui.app.CreateForm<Dialog>();
    d->OnCloseQuery = [](bool&) { throw std::runtime_error("check failed"); };
    ui.host.Script([&](Form&) { d->ok0.Click(); });
    ui.host.Script([&](Form&) {
        d->OnCloseQuery = nullptr;
        d->ok0.Click();
    });
    EXPECT_EQ(d->ShowModal(), ModalResult::Ok);
    EXPECT_EQ(ui.messages.texts(), std::vector<std::string>{"check failed"});
}

TEST(ModalForm, AFormLeftOpenFailsInsteadOfHanging) {
    UiFixture ui;
    auto d = ui.app.CreateForm<Dialog>();
    ui.host.Script([](Form&) {});
    EXPECT_THROW(d->ShowModal(), std::logic_error);
    EXPECT_FALSE(d->Visible());
    EXPECT_FALSE(d->Modal());
}

TEST(FormGeometry, ClientSizeFrameAndCentring) {
    UiFixture ui;
    ui.host.screen = {1025, 769};
    auto f = ui.app.CreateForm<Form>();
    f->SetBorderStyle(BorderStyle::ThinLine);
    f->SetClientWidth(636);
    f->SetHeight(90);
    EXPECT_EQ(f->Width(), 638);
    EXPECT_EQ(f->ClientHeight(), 88);
    f->CenterOnScreen();
    EXPECT_EQ(f->Left(), 193); // (1025 - 638) / 2, truncated
    EXPECT_EQ(f->Top(), 339);  // (769 - 90) / 2

    // A dialog centred on the screen is centred each time it is shown.
    f->SetPosition(FormPosition::ScreenCenter);
    f->SetBounds(0, 0, 101, 51);
    f->Show();
    EXPECT_EQ(f->Left(), 462);
    EXPECT_EQ(f->Top(), 359);
}

struct TimerForm : Form {
    explicit TimerForm(Application& app) : Form(app) {
        timer.SetEnabled(false);
        timer.OnTimer = [this] { ++ticks; };
    }
    Timer timer{*this};
    int ticks = 0;
};

TEST(TimerTicks, OnlyWhileEnabled) {
    UiFixture ui;
    auto f = ui.app.CreateForm<TimerForm>();
    f->timer.Fire();
    EXPECT_EQ(f->ticks, 0);
    f->timer.SetEnabled(true);
    f->timer.Fire();
    f->timer.Fire();
    EXPECT_EQ(f->ticks, 2);
}

} // namespace
} // namespace zt
