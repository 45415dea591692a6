// The direction buttons, their release at a mechanical limit, and the Ctrl keys.
#include "tests/app/MainRig.h"

#include <gtest/gtest.h>

namespace zt {
namespace {

struct ManualRig {
    void Start(const std::string& azRotator = "0", const std::string& elRotator = "0") {
        rig.Start({{KeyAzRotator, azRotator}, {KeyElRotator, elRotator}});
        rig.TickAt(9, 50);
        rig.trace.clear();
    }
    std::vector<bool> Enabled() const {
        const TMain& m = *rig.main;
        return {m.bbLeft.Enabled(), m.bbRight.Enabled(), m.bbDown.Enabled(), m.bbUp.Enabled()};
    }
    MainRig rig;
};

struct ManualControl : ManualRig, ::testing::Test {};

TEST_F(ManualControl, PressAndReleaseAButton) {
    Start();
    TMain& m = *rig.main;
    m.bbDown.Click();
    EXPECT_TRUE(m.bbDown.Down());
    EXPECT_EQ(m.ControlMode, ctManual);
    EXPECT_EQ(Enabled(), (std::vector<bool>{false, false, true, false}));
    m.bbDown.Click();
    EXPECT_FALSE(m.bbDown.Down());
    EXPECT_EQ(m.ControlMode, ctNone);
    EXPECT_EQ(Enabled(), (std::vector<bool>{true, true, true, true}));
    EXPECT_EQ(rig.Commands(), (Trace{"D", "E"}));
}

TEST_F(ManualControl, LimitReleaseTable) {
    struct Case {
        const char* name;
        const char* azRotator;
        const char* elRotator;
        int tag;
        int az1, el1; // reading before the limit
        int az2, el2; // reading at the limit (or where an elevation-less rotator stops)
        Trace commands;
        bool downAtEnd;
    };
    const Case cases[] = {
        // Short of the limit a tick sends nothing: the movement goes on by itself.
        {"right, 450", "0", "0", 1, 440, 0, 450, 0, {"R", "A"}, false},
        {"right, 360", "1", "0", 1, 359, 0, 360, 0, {"R", "A"}, false},
        {"left", "0", "0", 0, 5, 0, 0, 0, {"L", "A"}, false},
        {"down", "0", "0", 2, 0, 5, 0, 0, {"D", "E"}, false},
        {"up, 180", "0", "0", 3, 0, 179, 0, 180, {"U", "E"}, false},
        {"up, 90", "0", "1", 3, 0, 89, 0, 90, {"U", "E"}, false},
        {"up, none", "0", "2", 3, 0, 89, 0, 180, {"U"}, true},
    };
    for (const auto& c : cases) {
        ManualRig t;
        t.Start(c.azRotator, c.elRotator);
        TMain& m = *t.rig.main;
        SpeedButton* buttons[] = {&m.bbLeft, &m.bbRight, &m.bbDown, &m.bbUp};
        SpeedButton& button = *buttons[c.tag];
        button.SetEnabled(true); // up is disabled without an elevation rotator
        button.Click();
        t.rig.controller.az = c.az1;
        t.rig.controller.el = c.el1;
        t.rig.Tick();
        t.rig.controller.az = c.az2;
        t.rig.controller.el = c.el2;
        t.rig.Tick();
        EXPECT_EQ(t.rig.Commands(), c.commands) << c.name;
        EXPECT_EQ(button.Down(), c.downAtEnd) << c.name;
        EXPECT_EQ(m.ControlMode, c.downAtEnd ? ctManual : ctNone) << c.name;
    }
}

// A press of a window that is disabled meanwhile is cancelled (so Wine drops the click that
// should release the held button): a tick must leave the held button's state alone.
TEST_F(ManualControl, ATickDuringAPressOfTheHeldButtonLeavesItToTheClick) {
    Start();
    TMain& m = *rig.main;
    for (SpeedButton* held : {&m.bbLeft, &m.bbRight, &m.bbDown, &m.bbUp}) {
        SCOPED_TRACE(held == &m.bbLeft    ? "left"
                     : held == &m.bbRight ? "right"
                     : held == &m.bbDown  ? "down"
                                          : "up");
        held->Click();
        rig.controller.az = rig.controller.el = 45;
        rig.trace.clear();
        int heldDisabled = 0;
        rig.host.onSync = [&](Control& c) {
            if (&c == held && !c.Enabled())
                ++heldDisabled;
        };
        rig.Tick();
        held->Click(); // the press that began before the tick ends
        rig.host.onSync = nullptr;
        EXPECT_EQ(heldDisabled, 0);
        EXPECT_FALSE(held->Down());
        EXPECT_EQ(m.ControlMode, ctNone);
        const Trace stop{held == &m.bbLeft || held == &m.bbRight ? "A" : "E"};
        EXPECT_EQ(rig.Commands(), stop) << "the tick sent nothing, the click stopped";
    }
}

TEST_F(ManualControl, CtrlKeysClickWithoutChangingThePressedState) {
    Start();
    TMain& m = *rig.main;
    m.SetAutoTracking(true);
    rig.trace.clear();
    EXPECT_TRUE(m.KeyDown('U', ssCtrl));
    EXPECT_EQ(rig.Commands(), Trace{"E"});
    EXPECT_EQ(Enabled(), (std::vector<bool>{true, true, true, true}));
    EXPECT_EQ(m.ControlMode, ctNone);
    EXPECT_TRUE(m.AutoTracking) << "tracking stays on";
    rig.SetDirection("210", "5");
    rig.TickAt(10, 1);
    EXPECT_EQ(rig.Commands(), (Trace{"E", "W210 005"})) << "and the next cycle moves again";

    rig.trace.clear();
    m.KeyDown('L', ssCtrl);
    m.KeyDown('R', ssCtrl);
    EXPECT_EQ(rig.Commands(), (Trace{"A", "A"}));
    m.SetAutoTracking(false);

    m.bbRight.Click();
    rig.trace.clear();
    m.KeyDown('R', ssCtrl);
    EXPECT_EQ(rig.Commands(), Trace{"R"}) << "a held button repeats its movement";
}

TEST_F(ManualControl, OnlyExactlyCtrlCounts) {
    Start();
    TMain& m = *rig.main;
    const ShiftState others[] = {{.shift = true, .ctrl = true}, {.ctrl = true, .alt = true}, ssAlt};
    for (const ShiftState& s : others)
        for (Key k : {'L', 'R', 'U'})
            m.KeyDown(k, s);
    m.KeyDown('L', ssNone);
    EXPECT_TRUE(rig.trace.empty());
    EXPECT_EQ(m.ControlMode, ctNone);
    EXPECT_FALSE(m.AutoTracking);
}

TEST_F(ManualControl, TrackingSwitchByButtonCtrlTAndAccessKey) {
    Start();
    TMain& m = *rig.main;
    m.bbLeft.Click();
    m.KeyDown('T', ssCtrl);
    EXPECT_TRUE(m.AutoTracking);
    EXPECT_EQ(m.ControlMode, ctTracking);
    EXPECT_EQ(m.btnTracking.Caption(), "&Tracking Off");
    EXPECT_EQ(Enabled(), (std::vector<bool>{false, false, false, false}));
    EXPECT_TRUE(m.bbLeft.Down()) << "a held button stays shown pressed";

    m.KeyDown('T', ssNone); // the access key
    EXPECT_FALSE(m.AutoTracking);
    EXPECT_EQ(m.btnTracking.Caption(), "&Tracking On");
    m.KeyDown('T', ssAlt);
    EXPECT_TRUE(m.AutoTracking);
    m.btnTracking.Click();
    EXPECT_FALSE(m.AutoTracking);
    EXPECT_TRUE(m.btnTracking.Down()) << "always shown pressed";
    EXPECT_EQ(rig.Commands(), (Trace{"L", "S", "S"})) << "each switch-off stops the rotator";
}

TEST_F(ManualControl, WithoutElevationRotatorUpAndDownStayDisabled) {
    Start("0", "2");
    rig.main->SetAutoTracking(true);
    rig.main->SetAutoTracking(false);
    EXPECT_EQ(Enabled(), (std::vector<bool>{true, true, false, false}));
}

TEST_F(ManualControl, DebugKeyTakesPrecedenceAndRestartsTheTimer) {
    Start();
    rig.main->Timer1.SetEnabled(false);
    rig.main->KeyDown('D', ssCtrl);
    EXPECT_TRUE(rig.main->Timer1.Enabled());
    EXPECT_TRUE(rig.trace.empty()) << "Ctrl+D is not a direction key";
}

} // namespace
} // namespace zt
