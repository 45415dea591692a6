// The controller's link: opening with the stored settings, closing with and without parking,
// and what the user sees when the link fails.
#include "serial/EComPort.h"
#include "tests/rotator/Gs232Rig.h"

#include <gtest/gtest.h>

#include <functional>

namespace zt {
namespace {

using Trace = std::vector<std::string>;

TEST(Gs232Link, OpenWithDefaultsClearsAroundALoneCrThenStopsAndSetsSpeed) {
    Gs232Rig rig;
    ASSERT_TRUE(rig.gs.Open(rig.settings));
    EXPECT_TRUE(rig.gs.Opend());
    EXPECT_EQ(rig.device.TakeTrace(), (Trace{"open COM3", "clear", "\r", "clear", "S\r", "X2\r"}));
    EXPECT_EQ(rig.device.line.baudRate, 9600u);
    EXPECT_EQ(rig.device.line.byteSize, 8);
    EXPECT_EQ(rig.device.line.parity, SerialParity::None);
    EXPECT_EQ(rig.device.line.stopBits, SerialStopBits::One);
    EXPECT_FALSE(rig.device.line.outCtsFlow || rig.device.line.outXonXoff);
    EXPECT_TRUE(rig.messages.shown.empty());
}

TEST(Gs232Link, OpenTakesTheStoredSettingsAndTheCurrentSpeed) {
    Gs232Rig rig;
    rig.StoreCom({{KeyComPort, "COM7"},
                  {KeyBaudRate, "4800"},
                  {KeyDataBits, "7"},
                  {KeyParity, "even"},
                  {KeyStopBits, "2"},
                  {KeyFlowControl, "Hardware"}});
    rig.gs.SetRotateSpeed(3);
    ASSERT_TRUE(rig.gs.Open(rig.settings));
    const Trace trace = rig.device.TakeTrace();
    EXPECT_EQ(trace.front(), "open COM7");
    EXPECT_EQ(trace.back(), "X4\r");
    EXPECT_EQ(rig.device.line.baudRate, 4800u);
    EXPECT_EQ(rig.device.line.byteSize, 7);
    EXPECT_EQ(rig.device.line.parity, SerialParity::Even);
    EXPECT_EQ(rig.device.line.stopBits, SerialStopBits::Two);
    EXPECT_TRUE(rig.device.line.outCtsFlow);
}

TEST(Gs232Link, PortThatCannotOpenIsReportedByNameAndStaysClosed) {
    Gs232Rig rig;
    rig.StoreCom({{KeyComPort, "COM9"}});
    rig.device.Fail(FakeSerialDevice::Op::Open, 2);
    EXPECT_FALSE(rig.gs.Open(rig.settings));
    EXPECT_FALSE(rig.gs.Opend());
    EXPECT_EQ(rig.messages.texts(), (Trace{"COM9をOpenできません"}));
    EXPECT_EQ(rig.messages.shown[0].kind, MessageKind::Information);
    EXPECT_EQ(rig.device.Written(), "");
    // Opening again once the port is there works: each opening makes a fresh link.
    rig.device.Fail(FakeSerialDevice::Op::Open, 0);
    EXPECT_TRUE(rig.gs.Open(rig.settings));
}

TEST(Gs232Link, CloseWithParkingSendsParkWaitsWithMessagesFlowingThenCrAndCloses) {
    Gs232Rig rig;
    rig.OpenQuietly();
    rig.gs.SetParkingAz(180);
    rig.gs.SetParkingEl(90);
    rig.gs.SetAzOffset(10);
    rig.gs.Close(true);
    EXPECT_EQ(rig.device.TakeTrace(), (Trace{"W170 090\r", "pump 500", "\r", "clear", "close"}));
    EXPECT_FALSE(rig.gs.Opend());
    EXPECT_FALSE(rig.device.IsOpen());
    EXPECT_TRUE(rig.messages.shown.empty());
}

TEST(Gs232Link, CloseWithoutParkingAndCloseWhenNotOpen) {
    Gs232Rig rig;
    rig.OpenQuietly();
    rig.gs.Close(false);
    EXPECT_EQ(rig.device.TakeTrace(), (Trace{"\r", "clear", "close"}));
    rig.gs.Close(true);
    EXPECT_TRUE(rig.device.TakeTrace().empty());
    EXPECT_EQ(rig.ui.pumpedMs, 0);
    EXPECT_TRUE(rig.messages.shown.empty());
}

TEST(Gs232Link, CommandsOnAClosedLinkReportSendErrorAndCarryOn) {
    Gs232Rig rig;
    // Never opened, then opened and closed (the link object is gone): both refuse alike.
    for (bool wasOpened : {false, true}) {
        if (wasOpened) {
            rig.OpenQuietly();
            rig.gs.Close(false);
            rig.device.TakeTrace();
        }
        rig.messages.shown.clear();
        rig.gs.Stop();
        rig.gs.DoCmd("L");
        rig.gs.SetParkingAz(-5);
        rig.gs.GotoParking();
        EXPECT_EQ(rig.gs.ParkingAz(), 0);
        rig.gs.JudgeRotatorMode(0, 200, 270, 340);
        EXPECT_TRUE(rig.gs.Move(200 + wasOpened, 10));
        EXPECT_EQ(rig.gs.Az_p, 200 + wasOpened) << "the direction counts as sent";
        int az = 7, el = 8;
        EXPECT_FALSE(rig.gs.GetPos(az, el));
        EXPECT_EQ(az, 7);
        EXPECT_EQ(el, 8);
        // The user's three commands each; the timer's move and query once.
        EXPECT_EQ(rig.messages.texts(),
                  (Trace{"Send Error", "Send Error", "Send Error", "Recv Error"}))
            << "wasOpened " << wasOpened;
        EXPECT_TRUE(rig.device.TakeTrace().empty());
    }
}

TEST(Gs232Link, DirectCommandsAndRawReceive) {
    Gs232Rig rig;
    rig.OpenQuietly();
    rig.device.reply = [](const std::string& w) {
        return w == "R\r" ? std::string(" ok\r\n") : "";
    };
    rig.gs.DoCmd("R");
    rig.gs.Stop();
    EXPECT_EQ(rig.device.TakeWritten(), "R\rS\r");
    std::string reply = "old";
    rig.gs.DoRecv(20, reply);
    EXPECT_EQ(reply, " ok\r\n") << "exactly as received";
    rig.gs.DoRecv(20, reply);
    EXPECT_EQ(reply, "");
    EXPECT_TRUE(rig.messages.shown.empty());
}

// One call on a link whose writes and reads fail, and the boxes it shows.
struct DeadLinkStep {
    const char* call;
    std::function<void(TGS232&)> run;
    Trace shown;
};

TEST(Gs232Link, TheTimerReportsADeadLinkOnceTheUserEveryTime) {
    Gs232Rig rig;
    rig.OpenQuietly();
    const auto timerQuery = [](TGS232& gs) {
        int az = 1, el = 2;
        EXPECT_FALSE(gs.GetPos(az, el));
    };
    const auto userQuery = [](TGS232& gs) {
        int az = 1, el = 2;
        EXPECT_FALSE(gs.GetPos(az, el, TCaller::User));
    };
    const DeadLinkStep steps[] = {
        {"timer's query", timerQuery, {"Send Error", "Recv Error"}},
        {"timer's query again", timerQuery, {}},
        {"move", [](TGS232& gs) { gs.Move(123, 45); }, {}},
        {"stop for the timer", [](TGS232& gs) { gs.Stop(TCaller::Timer); }, {}},
        {"direction button", [](TGS232& gs) { gs.DoCmd("L"); }, {"Send Error"}},
        {"go to parking", [](TGS232& gs) { gs.GotoParking(); }, {"Send Error"}},
        {"stop", [](TGS232& gs) { gs.Stop(); }, {"Send Error"}},
        {"Get Position", userQuery, {"Send Error", "Recv Error"}},
        {"raw receive",
         [](TGS232& gs) {
             std::string r;
             gs.DoRecv(20, r);
         },
         {"Recv Error"}},
        {"timer's query after the user's", timerQuery, {}},
    };
    rig.device.Fail(FakeSerialDevice::Op::Write, 1117);
    rig.device.Fail(FakeSerialDevice::Op::Read, 1117);
    for (const auto& step : steps) {
        rig.messages.shown.clear();
        step.run(rig.gs);
        EXPECT_EQ(rig.messages.texts(), step.shown) << step.call;
        for (const auto& box : rig.messages.shown)
            EXPECT_EQ(box.kind, MessageKind::Plain) << step.call << ": no icon";
    }
    // Once the link works again, the timer's next failure is reported again.
    rig.device.Fail(FakeSerialDevice::Op::Write, 0);
    rig.device.Fail(FakeSerialDevice::Op::Read, 0);
    rig.messages.shown.clear();
    timerQuery(rig.gs); // no answer: not a failure of the link
    rig.device.Fail(FakeSerialDevice::Op::Write, 1117);
    rig.device.Fail(FakeSerialDevice::Op::Read, 1117);
    timerQuery(rig.gs);
    EXPECT_EQ(rig.messages.texts(), (Trace{"Send Error", "Recv Error"}));
}

TEST(Gs232Link, ADeadLinkIsReportedAgainAfterAReopen) {
    for (const auto op : {FakeSerialDevice::Op::Write, FakeSerialDevice::Op::Read}) {
        Gs232Rig rig;
        rig.OpenQuietly();
        rig.device.Fail(op, 1117);
        int az = 1, el = 2;
        rig.gs.GetPos(az, el);
        rig.gs.Close(false);
        rig.messages.shown.clear();
        ASSERT_TRUE(rig.gs.Open(rig.settings));
        rig.gs.GetPos(az, el);
        EXPECT_EQ(rig.messages.texts(),
                  (Trace{op == FakeSerialDevice::Op::Write ? "Send Error" : "Recv Error"}));
    }
}

struct CloseFailure {
    const char* name;
    FakeSerialDevice::Op op;
    int code;
    bool park;
    Trace shown;
};

TEST(Gs232Link, CloseEndsClosedWhateverFailsAndTheLinkOpensAgain) {
    const int gone = FakeSerialDevice::kDeviceGone;
    const CloseFailure cases[] = {
        {"clear and close fail", FakeSerialDevice::Op::Purge, 1117, true, {}},
        {"clear and close fail, no parking", FakeSerialDevice::Op::Purge, 1117, false, {}},
        {"clear and close find the device gone", FakeSerialDevice::Op::Purge, gone, true, {}},
        {"parking fails", FakeSerialDevice::Op::Write, 1117, true, {"Send Error"}},
        {"the lone CR fails", FakeSerialDevice::Op::Write, 1117, false, {"Send Error"}},
        {"parking finds the device gone", FakeSerialDevice::Op::Write, gone, true, {"Send Error"}},
        {"the lone CR finds the device gone", FakeSerialDevice::Op::Write, gone, false, {}},
    };
    for (const auto& c : cases) {
        Gs232Rig rig;
        rig.OpenQuietly();
        rig.device.Fail(c.op, c.code);
        EXPECT_NO_THROW(rig.gs.Close(c.park)) << c.name;
        EXPECT_FALSE(rig.gs.Opend()) << c.name;
        EXPECT_FALSE(rig.gs.LinkLost()) << c.name << ": closing ends an outage";
        EXPECT_FALSE(rig.device.IsOpen()) << c.name;
        EXPECT_EQ(rig.messages.texts(), c.shown) << c.name;
        // Options' OK: the device is back, and the port opens again.
        rig.device.Fail(c.op, 0);
        rig.device.TakeTrace();
        EXPECT_TRUE(rig.gs.Open(rig.settings)) << c.name;
        EXPECT_TRUE(rig.gs.Opend()) << c.name;
        EXPECT_EQ(rig.device.TakeTrace(),
                  (Trace{"open COM3", "clear", "\r", "clear", "S\r", "X2\r"}))
            << c.name;
        EXPECT_EQ(rig.messages.texts(), c.shown) << c.name;
    }
}

TEST(Gs232Link, AFailingClearWhileOpeningIsThePortsError) {
    Gs232Rig rig;
    rig.device.Fail(FakeSerialDevice::Op::Purge, 1117);
    EXPECT_THROW(rig.gs.Open(rig.settings), EComPort);
    EXPECT_FALSE(rig.gs.Opend());
    rig.device.Fail(FakeSerialDevice::Op::Purge, 0);
    rig.gs.Close(false);
    EXPECT_FALSE(rig.device.IsOpen()) << "the half-opened link goes at Close";
    EXPECT_TRUE(rig.gs.Open(rig.settings));
}

} // namespace
} // namespace zt
