// The controller's link: opening with the stored settings, closing with and without parking,
// and what the user sees when the link fails.
#include "serial/EComPort.h"
#include "tests/rotator/Gs232Rig.h"

#include <gtest/gtest.h>

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
        EXPECT_EQ(rig.messages.texts(), (Trace{"Send Error", "Recv Error"}))
            << "each failure once, wasOpened " << wasOpened;
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

TEST(Gs232Link, FailuresOfTheLinkWhileOpen) {
    Gs232Rig rig;
    rig.OpenQuietly();
    rig.device.Fail(FakeSerialDevice::Op::Write, 1117);
    rig.device.Fail(FakeSerialDevice::Op::Read, 1117);
    int az = 1, el = 2;
    EXPECT_FALSE(rig.gs.GetPos(az, el));
    std::string reply = "x";
    rig.gs.DoRecv(20, reply);
    EXPECT_EQ(reply, "");
    EXPECT_EQ(rig.messages.texts(), (Trace{"Send Error", "Recv Error"}));
    // Once the link works again, the next failure is reported again.
    rig.device.Fail(FakeSerialDevice::Op::Write, 0);
    rig.device.Fail(FakeSerialDevice::Op::Read, 0);
    EXPECT_FALSE(rig.gs.GetPos(az, el)) << "no answer";
    rig.device.Fail(FakeSerialDevice::Op::Write, 1117);
    rig.device.Fail(FakeSerialDevice::Op::Read, 1117);
    EXPECT_FALSE(rig.gs.GetPos(az, el));
    EXPECT_EQ(rig.messages.texts(),
              (Trace{"Send Error", "Recv Error", "Send Error", "Recv Error"}));
    // A failing clear is the port's own error and stops Close at that step.
    rig.device.Fail(FakeSerialDevice::Op::Write, 0);
    rig.device.Fail(FakeSerialDevice::Op::Purge, 1117);
    EXPECT_THROW(rig.gs.Close(false), EComPort);
    EXPECT_TRUE(rig.gs.Opend());
}

} // namespace
} // namespace zt
