// A link whose device is gone (a pulled adapter): closed at once, quiet for the timer, and
// brought back by Reconnect.
#include "tests/rotator/Gs232Rig.h"

#include <gtest/gtest.h>

namespace zt {
namespace {

using Trace = std::vector<std::string>;
using Op = FakeSerialDevice::Op;
constexpr int kGone = FakeSerialDevice::kDeviceGone;

void TimerTick(TGS232& gs) {
    int az = 1, el = 2;
    EXPECT_FALSE(gs.GetPos(az, el));
    gs.Move(200, 10);
    gs.Stop(TCaller::Timer);
}

// An open link whose op then finds the device gone, at the timer's next tick.
void LoseLinkAtATick(Gs232Rig& rig, Op op) {
    rig.OpenQuietly();
    rig.device.Fail(op, kGone);
    TimerTick(rig.gs);
}

TEST(Gs232Reconnect, ADeviceGoneClosesTheLinkAndTheTimerStaysQuiet) {
    for (const Op op : {Op::Write, Op::Read}) {
        Gs232Rig rig;
        LoseLinkAtATick(rig, op);
        EXPECT_TRUE(rig.gs.LinkLost());
        EXPECT_FALSE(rig.gs.Opend());
        EXPECT_FALSE(rig.device.IsOpen());
        EXPECT_TRUE(rig.messages.shown.empty()) << "a box would hold the ticks that reconnect";
        rig.device.TakeTrace();
        TimerTick(rig.gs);
        EXPECT_TRUE(rig.device.TakeTrace().empty()) << "nothing on the wire while lost";
        EXPECT_TRUE(rig.messages.shown.empty());
        // The user's own command is refused out loud, every time.
        rig.gs.DoCmd("L");
        rig.gs.GotoParking();
        EXPECT_EQ(rig.messages.texts(), (Trace{"Send Error", "Send Error"}));
        EXPECT_TRUE(rig.gs.LinkLost());
    }
}

TEST(Gs232Reconnect, TriesQuietlyUntilThePortIsBackThenSendsTheOpeningSequence) {
    Gs232Rig rig;
    LoseLinkAtATick(rig, Op::Write);
    ASSERT_TRUE(rig.gs.LinkLost());
    rig.device.TakeTrace();
    // Not there yet: the port does not open, and nothing says so.
    rig.device.Fail(Op::Open, 2);
    EXPECT_FALSE(rig.gs.Reconnect(rig.settings));
    // There, but still failing as a removed device does: at the first clear, or at a send.
    rig.device.Fail(Op::Open, 0);
    rig.device.Fail(Op::Purge, kGone);
    EXPECT_FALSE(rig.gs.Reconnect(rig.settings));
    rig.device.Fail(Op::Purge, 0);
    EXPECT_FALSE(rig.gs.Reconnect(rig.settings));
    EXPECT_FALSE(rig.device.IsOpen()) << "a failed attempt leaves the port free";
    EXPECT_TRUE(rig.gs.LinkLost());
    EXPECT_FALSE(rig.gs.Opend());
    EXPECT_TRUE(rig.messages.shown.empty());
    rig.device.TakeTrace();
    // Back.
    rig.device.Fail(Op::Write, 0);
    rig.gs.SetRotateSpeed(3);
    EXPECT_TRUE(rig.gs.Reconnect(rig.settings));
    EXPECT_EQ(rig.device.TakeTrace(), (Trace{"open COM3", "clear", "\r", "clear", "S\r", "X4\r"}));
    EXPECT_FALSE(rig.gs.LinkLost());
    EXPECT_TRUE(rig.gs.Opend());
    rig.AnswerQueries("+0123+0045\r\n");
    int az = 0, el = 0;
    EXPECT_TRUE(rig.gs.GetPos(az, el));
    EXPECT_EQ(az, 123);
    EXPECT_TRUE(rig.messages.shown.empty());
}

TEST(Gs232Reconnect, OpenAndCloseEndAnOutage) {
    Gs232Rig rig;
    LoseLinkAtATick(rig, Op::Read);
    ASSERT_TRUE(rig.gs.LinkLost());
    rig.device.Fail(Op::Read, 0);
    // Options' OK while lost: nothing to close, the port opens again.
    rig.gs.Close(false);
    EXPECT_FALSE(rig.gs.LinkLost());
    EXPECT_TRUE(rig.gs.Open(rig.settings));
    EXPECT_TRUE(rig.gs.Opend());
    // Lost during the opening sequence: the port opened, the link waits for Reconnect.
    rig.gs.Close(false);
    rig.device.Fail(Op::Write, kGone);
    EXPECT_TRUE(rig.gs.Open(rig.settings));
    EXPECT_FALSE(rig.gs.Opend());
    EXPECT_TRUE(rig.gs.LinkLost());
    EXPECT_TRUE(rig.messages.shown.empty());
    // Exit while lost: nothing to park through, nothing shown.
    rig.device.TakeTrace();
    rig.gs.Close(true);
    EXPECT_TRUE(rig.device.TakeTrace().empty());
    EXPECT_FALSE(rig.gs.LinkLost());
}

} // namespace
} // namespace zt
