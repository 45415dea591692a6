#include "tests/ui/UiFixture.h"
#include "ui/Panel.h"
#include "ui/SpeedButton.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zt {
namespace {

// Four direction buttons in one group in which all may be up, plus a button of another
// group on the same panel and one of the same group index on another panel.
struct DirectionForm : Form {
    explicit DirectionForm(Application& app) : Form(app) {
        for (SpeedButton* b : {&left, &right, &down, &up}) {
            b->SetGroupIndex(1);
            b->SetAllowAllUp(true);
        }
        other.SetGroupIndex(2);
        elsewhere.SetGroupIndex(1);
        elsewhere.SetDown(true);
    }
    Panel panel{*this};
    SpeedButton left{panel}, right{panel}, down{panel}, up{panel}, other{panel};
    Panel panel2{*this};
    Panel inner{panel2}; // a panel in a panel is a child, not a copy
    SpeedButton elsewhere{inner};

    std::string Pressed() const {
        std::string s;
        for (const SpeedButton* b : {&left, &right, &down, &up, &other, &elsewhere})
            s += b->Down() ? '1' : '0';
        return s;
    }
};

TEST(SpeedButtonGroup, ClicksLatchOneButtonAndReleaseTheOthers) {
    UiFixture ui;
    auto form = ui.app.CreateForm<DirectionForm>();
    std::vector<bool> seenDown;
    form->right.OnClick = [&] { seenDown.push_back(form->right.Down()); };
    form->other.SetDown(true);

    struct Step {
        SpeedButton DirectionForm::*button;
        const char* pressed; // left right down up other elsewhere
    };
    const Step steps[] = {
        {&DirectionForm::left, "100011"},  // press left
        {&DirectionForm::right, "010011"}, // right releases left
        {&DirectionForm::right, "000011"}, // right again: all up
        {&DirectionForm::up, "000111"},
    };
    for (const Step& s : steps) {
        ((*form).*s.button).Click();
        EXPECT_EQ(form->Pressed(), s.pressed);
    }
    // The handler sees the state the click produced.
    EXPECT_EQ(seenDown, (std::vector<bool>{true, false}));

    // Set by code: releases the group as well, without running a handler.
    form->down.SetDown(true);
    EXPECT_EQ(form->Pressed(), "001011");
    EXPECT_EQ(seenDown.size(), 2u);
    EXPECT_EQ(form->inner.Parent(), &form->panel2);
}

TEST(SpeedButtonGroup, WithoutAllUpTheDownButtonStaysDownAndStillClicks) {
    UiFixture ui;
    auto form = ui.app.CreateForm<DirectionForm>();
    SpeedButton& tracking = form->other; // alone in its group, as a latching switch
    tracking.SetDown(true);
    int clicks = 0;
    tracking.OnClick = [&] { ++clicks; };
    tracking.Click();
    tracking.Click();
    EXPECT_TRUE(tracking.Down());
    EXPECT_EQ(clicks, 2);
}

} // namespace
} // namespace zt
