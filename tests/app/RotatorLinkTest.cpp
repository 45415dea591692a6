// The rotator link as the main window lives with it: commands on a dead link, and a link
// that was lost coming back by itself.
#include "tests/app/MainRig.h"

#include <gtest/gtest.h>

namespace zt {
namespace {

using Op = FakeSerialDevice::Op;

// A pulled adapter fails every call on its handle, and opening it; plugged back in, none.
void SetAdapterPulled(FakeSerialDevice& device, bool pulled) {
    for (Op op : {Op::Write, Op::Read, Op::Purge, Op::ClearErrors, Op::ModemStatus, Op::Open})
        device.Fail(op, pulled ? FakeSerialDevice::kDeviceGone : 0);
}

TEST(RotatorLink, UserCommandsOnADeadLinkReportEachFailureTheTicksOnlyOnce) {
    MainRig rig;
    rig.Start();
    rig.TickAt(9, 50);
    rig.device.Fail(Op::Write, 5); // refused, but the device is still there
    rig.main->SetAutoTracking(true);
    for (int second : {0, 2, 4})
        rig.TickAt(10, 5, second);
    const size_t byTicks = rig.messages.texts().size();
    EXPECT_EQ(byTicks, 1u) << "the tick's repeated queries and moves: once";
    EXPECT_EQ(rig.messages.texts()[0], "Send Error");
    rig.main->KeyDown('P', ssCtrl);
    rig.main->KeyDown('P', ssCtrl);
    rig.main->bbLeft.Click();
    rig.main->bbLeft.Click();
    EXPECT_EQ(rig.messages.texts().size(), byTicks + 4) << "every command the user gave";
}

TEST(RotatorLink, ALostLinkIsTriedAgainQuietlyAndTrackingGoesOn) {
    MainRig rig;
    rig.Start();
    rig.TickAt(9, 50);
    TMain& m = *rig.main;
    m.SetAutoTracking(true);
    rig.SetDirection("210", "20");
    rig.TickAt(10, 5);
    ASSERT_EQ(m.lblRotateModeName.Caption(), "Mode : Normal");

    SetAdapterPulled(rig.device, true);
    rig.TickAt(10, 5, 2);
    EXPECT_EQ(m.lblRotateModeName.Caption(), "Rotator not connected");
    const size_t boxes = rig.messages.texts().size();
    EXPECT_LE(boxes, 1u);
    const int opensBefore = rig.device.openAttempts;

    // One try per period by the tick clock, each quiet.
    for (int i = 0; i < 12; ++i) {
        rig.now += std::chrono::milliseconds(1000);
        rig.TickAt(10, 5, 4 + 2 * i);
    }
    const int tries = rig.device.openAttempts - opensBefore;
    EXPECT_GE(tries, 2);
    EXPECT_LE(tries, 3) << "12 s at one try per " << ReconnectPeriodMs << " ms";
    EXPECT_EQ(rig.messages.texts().size(), boxes) << "no box per try";
    EXPECT_EQ(m.lblRotateModeName.Caption(), "Rotator not connected");

    SetAdapterPulled(rig.device, false);
    rig.trace.clear();
    rig.SetDirection("215", "22");
    for (int i = 0; i < 6 && m.lblRotateModeName.Caption() != "Mode : Normal"; ++i) {
        rig.now += std::chrono::milliseconds(1000);
        rig.TickAt(10, 6, 2 * i);
    }
    EXPECT_EQ(m.lblRotateModeName.Caption(), "Mode : Normal") << "shown connected again";
    EXPECT_TRUE(m.AutoTracking) << "the pass is still up";
    EXPECT_EQ(rig.trace, (Trace{"", "S", "X2", "C2", "W215 022"}))
        << "the opening sequence, then the position query and the move";
    EXPECT_EQ(rig.messages.texts().size(), boxes);
}

TEST(RotatorLink, WithTheAdapterPulledExitEndsTheProgramWithOneBoxAtMost) {
    for (bool lostFirst : {true, false}) {
        MainRig rig;
        rig.Start();
        rig.main->Show();
        rig.main->SetAutoTracking(true);
        rig.TickAt(10, 5);
        SetAdapterPulled(rig.device, true);
        if (lostFirst)
            rig.TickAt(10, 5, 2);
        rig.main->KeyDown('X', ssCtrl);
        EXPECT_FALSE(rig.main->Visible()) << "lost first: " << lostFirst;
        EXPECT_LE(rig.messages.texts().size(), 1u) << "lost first: " << lostFirst;
        EXPECT_FALSE(rig.main->Gs232->Opend());
        EXPECT_EQ(rig.Stored(SectionAlert, KeyAlert), "1000,2000,750,500,500,500");
    }
}

TEST(RotatorLink, PluggedBackInOptionsOkReopensThePort) {
    MainRig rig;
    rig.Start();
    rig.TickAt(10, 5);
    SetAdapterPulled(rig.device, true);
    rig.TickAt(10, 5, 2);
    SetAdapterPulled(rig.device, false);
    rig.trace.clear();
    rig.dialogs.optionsAnswers = {true};
    rig.dialogs.onOptionsOk = [&](const std::string&) { rig.StoreOptions(); };
    rig.main->KeyDown('Z', ssCtrl);
    EXPECT_TRUE(rig.main->Gs232->Opend());
    EXPECT_TRUE(rig.main->Timer1.Enabled());
    EXPECT_EQ(rig.Commands(), (Trace{"", "S", "X2", "S"})) << "opened, then tracking off";
}

} // namespace
} // namespace zt
