#include "tests/ui/UiFixture.h"
#include "ui/Action.h"
#include "ui/Button.h"
#include "ui/Timer.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace zt {
namespace {

struct Failing : Form {
    explicit Failing(Application& app) : Form(app) {
        OnCreate = [this] {
            steps.push_back("create");
            throw std::runtime_error("情報の取得に失敗しました");
        };
        inner.OnClick = [] { throw std::invalid_argument("''x'' は整数ではありません"); };
        outer.OnClick = [this] {
            steps.push_back("outer");
            inner.Click(); // a click made by code: its error stops this handler too
            steps.push_back("after inner");
        };
        timer.OnTimer = [] { throw std::runtime_error("tick"); };
    }
    Button outer{*this}, inner{*this};
    Timer timer{*this};
    std::vector<std::string> steps;
};

TEST(EventDispatch, AnEscapingErrorIsShownOnceAndTheProgramGoesOn) {
    UiFixture ui;
    auto f = ui.app.CreateForm<Failing>(); // the creation error does not stop creation
    f->outer.Click();
    f->timer.Fire();
    f->inner.Click();
    EXPECT_EQ(f->steps, (std::vector<std::string>{"create", "outer"}));
    EXPECT_EQ(ui.messages.texts(),
              (std::vector<std::string>{"情報の取得に失敗しました", "''x'' は整数ではありません",
                                        "tick", "''x'' は整数ではありません"}));
    for (const auto& shown : ui.messages.shown)
        EXPECT_EQ(shown.kind, MessageKind::Error);
}

TEST(EventDispatch, EventsInsideAModalLoopAreFreshEvents) {
    UiFixture ui;
    auto main = ui.app.CreateForm<Failing>();
    auto dialog = ui.app.CreateForm<Failing>();
    Button ok{*dialog};
    ok.SetModalResult(ModalResult::Ok);
    ModalResult result = ModalResult::None;
    Action options{*main};
    options.OnExecute = [&] {
        result = dialog->ShowModal();
        main->steps.push_back("options done");
    };
    ui.host.Script([&](Form&) { dialog->inner.Click(); }); // error shown, dialog stays
    ui.host.Script([&](Form&) { ok.Click(); });
    ui.messages.shown.clear();
    options.Execute();
    EXPECT_EQ(result, ModalResult::Ok);
    EXPECT_EQ(main->steps.back(), "options done");
    EXPECT_EQ(ui.messages.texts(), std::vector<std::string>{"''x'' は整数ではありません"});
}

} // namespace
} // namespace zt
