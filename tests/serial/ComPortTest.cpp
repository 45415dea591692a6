#include "serial/ComPort.h"
#include "serial/EComPort.h"
#include "tests/fakes/FakeSerialDevice.h"
#include "tests/fakes/FakeUiThread.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace zt {
namespace {

using Strings = std::vector<std::string>;

struct ComPortFixture : testing::Test {
    FakeSerialDevice device;
    FakeUiThread ui;
    TComPort port{device, ui};

    // The calls made on the device by f alone.
    Strings CallsOf(const std::function<void()>& f) {
        device.calls.clear();
        f();
        return device.calls;
    }
    // Runs f, which must raise EComPort, and returns the error.
    static EComPort Raised(const std::function<void()>& f) {
        try {
            f();
        } catch (const EComPort& e) {
            return e;
        }
        ADD_FAILURE() << "no EComPort raised";
        return EComPort::CreateNoWinCode(0);
    }
};

TEST(EComPortTest, MessageCarriesThePlatformCodeOnlyWhenThereIsOne) {
    struct Case {
        int code, platformCode;
        std::string message;
        int winCode;
    } cases[] = {
        {1, 5, "Unable to open com port (Error: 5)", 5},
        {1, 0, "Unable to open com port", -1},
        {24, -3, "Port Not Open", -1},
        {14, 2, "Cannot set property while connected (Error: 2)", 2},
        {18, 1, "Link (un)registration failed (Error: 1)", 1},
    };
    for (const auto& c : cases) {
        try {
            RaisePortError(c.code, c.platformCode);
            ADD_FAILURE() << "nothing raised";
        } catch (const EComPort& e) {
            EXPECT_EQ(e.what(), c.message);
            EXPECT_EQ(e.Code(), c.code);
            EXPECT_EQ(e.WinCode(), c.winCode);
        }
    }
    for (int code = 1; code <= 24; ++code)
        EXPECT_FALSE(ComErrorText(code).empty()) << code;
    EXPECT_EQ(ComErrorText(23), "Registry error");
    EXPECT_EQ(ComErrorText(25), "");
}

TEST_F(ComPortFixture, NewPortOpensWithTheDefaults) {
    EXPECT_EQ(CallsOf([&] { port.Open(); }),
              (Strings{"open COM1", "queues", "line", "timeouts", "watch"}));
    EXPECT_TRUE(port.Connected());
    SerialLineSettings expected;
    expected.xonLimit = expected.xoffLimit = 256;
    EXPECT_EQ(device.line, expected);
    EXPECT_EQ(device.inputQueueSize, 1024u);
    EXPECT_EQ(device.outputQueueSize, 1024u);
    EXPECT_EQ(device.timeouts, (SerialTimeouts{0xFFFFFFFFu, 0, 0, 100, 1000}));
    port.Open();
    EXPECT_EQ(device.calls.size(), 5u) << "a second Open does nothing";
}

TEST_F(ComPortFixture, LineSettingsBlockFollowsTheProperties) {
    port.SetBaudRate(br115200);
    port.SetDataBits(dbSeven);
    port.SetStopBits(sbTwoStopBits);
    port.SetDiscardNull(true);
    port.SetEventChar('\r');
    port.Parity().SetBits(prEven);
    port.Parity().SetReplace(true); // no effect without Check
    port.FlowControl().SetFlowControl(fcSoftware);
    port.Buffer().SetInputSize(4096);
    port.Open();
    EXPECT_EQ(device.line.baudRate, 115200u);
    EXPECT_EQ(device.line.byteSize, 7);
    EXPECT_EQ(device.line.stopBits, SerialStopBits::Two);
    EXPECT_EQ(device.line.parity, SerialParity::Even);
    EXPECT_TRUE(device.line.discardNull);
    EXPECT_EQ(device.line.eventChar, '\r');
    EXPECT_FALSE(device.line.parityCheck);
    EXPECT_FALSE(device.line.errorReplace);
    EXPECT_TRUE(device.line.inXonXoff && device.line.outXonXoff);
    EXPECT_EQ(device.line.xonLimit, 1024);
    EXPECT_EQ(device.line.xoffLimit, 1024);
    port.Parity().SetCheck(true);
    EXPECT_TRUE(device.line.parityCheck);
    EXPECT_TRUE(device.line.errorReplace);
}

TEST_F(ComPortFixture, EachSetterReappliesItsGroupWhileOpenOnly) {
    struct Case {
        const char* name;
        std::function<void(TComPort&)> set;
        const char* group;
    } cases[] = {
        {"BaudRate", [](TComPort& p) { p.SetBaudRate(br4800); }, "line"},
        {"DataBits", [](TComPort& p) { p.SetDataBits(dbSeven); }, "line"},
        {"StopBits", [](TComPort& p) { p.SetStopBits(sbTwoStopBits); }, "line"},
        {"DiscardNull", [](TComPort& p) { p.SetDiscardNull(true); }, "line"},
        {"EventChar", [](TComPort& p) { p.SetEventChar('x'); }, "line"},
        {"Parity.Bits", [](TComPort& p) { p.Parity().SetBits(prOdd); }, "line"},
        {"Parity.ReplaceChar", [](TComPort& p) { p.Parity().SetReplaceChar('?'); }, "line"},
        {"FlowControl.ControlDTR", [](TComPort& p) { p.FlowControl().SetControlDTR(dtrEnable); },
         "line"},
        {"FlowControl.XoffChar", [](TComPort& p) { p.FlowControl().SetXoffChar(1); }, "line"},
        {"FlowControl fcCustom", [](TComPort& p) { p.FlowControl().SetFlowControl(fcCustom); },
         "line"},
        {"Timeouts.ReadInterval", [](TComPort& p) { p.Timeouts().SetReadInterval(20); },
         "timeouts"},
        {"Timeouts.WriteTotalConstant", [](TComPort& p) { p.Timeouts().SetWriteTotalConstant(5); },
         "timeouts"},
        {"Buffer.InputSize", [](TComPort& p) { p.Buffer().SetInputSize(2048); }, "queues"},
        {"Buffer.OutputSize", [](TComPort& p) { p.Buffer().SetOutputSize(512); }, "queues"},
    };
    for (const auto& c : cases) {
        FakeSerialDevice d;
        TComPort p{d, ui};
        d.calls.clear();
        c.set(p);
        EXPECT_EQ(d.calls, Strings{}) << c.name << " while closed";
        p.Open();
        d.calls.clear();
        c.set(p);
        EXPECT_EQ(d.calls, Strings{c.group}) << c.name;
        p.BeginUpdate();
        d.calls.clear();
        c.set(p);
        EXPECT_EQ(d.calls, Strings{}) << c.name << " inside BeginUpdate";
    }
}

TEST_F(ComPortFixture, ChangesWhileClosedApplyAtOpen) {
    port.SetBaudRate(br2400);
    port.Timeouts().SetReadTotalConstant(77);
    port.Open();
    EXPECT_EQ(device.line.baudRate, 2400u);
    EXPECT_EQ(device.timeouts.readTotalConstant, 77u);
}

TEST_F(ComPortFixture, EndUpdateAppliesAllGroupsOnceWhenTheCountReturnsToZero) {
    port.Open();
    port.BeginUpdate();
    port.BeginUpdate();
    EXPECT_EQ(CallsOf([&] {
                  port.SetBaudRate(br1200);
                  port.Buffer().SetOutputSize(64);
                  port.EndUpdate();
              }),
              Strings{});
    EXPECT_EQ(CallsOf([&] { port.EndUpdate(); }), (Strings{"queues", "line", "timeouts"}));
    EXPECT_EQ(device.line.baudRate, 1200u);
    // An unmatched EndUpdate must not leave the count below zero and block later changes.
    port.EndUpdate();
    EXPECT_EQ(CallsOf([&] { port.SetDataBits(dbSix); }), Strings{"line"});
}

TEST_F(ComPortFixture, FlowControlShortcutLeavesDtrAlone) {
    TComFlowControl& flow = port.FlowControl();
    flow.SetFlowControl(fcHardware);
    flow.SetControlDTR(dtrEnable);
    flow.SetFlowControl(fcNone);
    EXPECT_EQ(flow.ControlDTR(), dtrEnable);
    EXPECT_EQ(flow.ControlRTS(), rtsDisable);
    EXPECT_FALSE(flow.OutCTSFlow());
    EXPECT_EQ(flow.FlowControl(), fcNone);

    flow.SetOutDSRFlow(true);
    flow.SetDSRSensitivity(true);
    flow.SetTxContinueOnXoff(true);
    flow.SetFlowControl(fcSoftware);
    EXPECT_TRUE(flow.OutDSRFlow() && flow.DSRSensitivity() && flow.TxContinueOnXoff());
    EXPECT_EQ(flow.FlowControl(), fcSoftware);

    // Mixed flags read as custom.
    flow.SetXonXoffIn(false);
    EXPECT_EQ(flow.FlowControl(), fcCustom);
    flow.SetFlowControl(fcHardware);
    flow.SetXonXoffOut(true);
    EXPECT_EQ(flow.FlowControl(), fcCustom);
}

TEST_F(ComPortFixture, FailingGroupDuringOpenClosesTheHandle) {
    struct Case {
        FakeSerialDevice::Op op;
        int code;
        Strings calls;
    } cases[] = {
        {FakeSerialDevice::Op::QueueSizes, 9, {"open COM1", "close"}},
        {FakeSerialDevice::Op::LineSettings, 7, {"open COM1", "queues", "close"}},
        {FakeSerialDevice::Op::Timeouts, 8, {"open COM1", "queues", "line", "close"}},
    };
    for (const auto& c : cases) {
        FakeSerialDevice d;
        TComPort p{d, ui};
        d.Fail(c.op, 87);
        const EComPort e = Raised([&] { p.Open(); });
        EXPECT_EQ(e.Code(), c.code);
        EXPECT_EQ(e.WinCode(), 87);
        EXPECT_EQ(d.calls, c.calls);
        EXPECT_FALSE(p.Connected());
        EXPECT_FALSE(d.IsOpen());
    }
}

TEST_F(ComPortFixture, OpenFailureRaisesError1WithThePlatformCode) {
    device.Fail(FakeSerialDevice::Op::Open, 5);
    port.SetPort("COM7");
    const EComPort e = Raised([&] { port.Open(); });
    EXPECT_EQ(e.Code(), 1);
    EXPECT_EQ(e.WinCode(), 5);
    EXPECT_STREQ(e.what(), "Unable to open com port (Error: 5)");
    EXPECT_FALSE(port.Connected());
    EXPECT_EQ(device.calls, Strings{}) << "no thread, no settings";
}

TEST_F(ComPortFixture, TransfersOnAClosedPortRaisePortNotOpen) {
    char buffer[4];
    std::string text;
    const std::function<void()> transfers[] = {
        [&] { port.Read(buffer, 4); },
        [&] { port.ReadStr(text, 4); },
        [&] { port.WriteStr("S\r"); },
    };
    for (const auto& transfer : transfers) {
        const EComPort e = Raised(transfer);
        EXPECT_EQ(e.Code(), 24);
        EXPECT_EQ(e.WinCode(), -1);
        EXPECT_STREQ(e.what(), "Port Not Open");
    }
}

TEST_F(ComPortFixture, PlatformFailuresMapToTheirErrorNumbers) {
    port.Open();
    std::string text;
    struct Case {
        FakeSerialDevice::Op op;
        std::function<void()> call;
        int code;
    } cases[] = {
        {FakeSerialDevice::Op::Read, [&] { port.ReadStr(text, 3); }, 3},
        {FakeSerialDevice::Op::Write, [&] { port.WriteStr("C2\r"); }, 2},
        {FakeSerialDevice::Op::Purge, [&] { port.ClearBuffer(true, false); }, 5},
        {FakeSerialDevice::Op::ClearErrors, [&] { port.InputCount(); }, 10},
        {FakeSerialDevice::Op::ClearErrors, [&] { port.ReadStr(text, 3); }, 10},
    };
    for (const auto& c : cases) {
        device.Fail(c.op, 31);
        const EComPort e = Raised(c.call);
        EXPECT_EQ(e.Code(), c.code);
        EXPECT_EQ(e.WinCode(), 31);
        device.Fail(c.op, 0);
    }
}

TEST_F(ComPortFixture, ReadStrGivesOneCharacterPerByteAndWriteStrTheLowByte) {
    port.Open();
    device.QueueInput(std::string("+0\xB0\x01", 4));
    std::string text;
    EXPECT_EQ(port.ReadStr(text, 10), 4);
    EXPECT_EQ(text, "+0\xC2\xB0\x01"); // byte 0xB0 is the character U+00B0

    // U+0141 goes out as 0x41, U+00E9 as 0xE9, U+1F600 as 0x00.
    EXPECT_EQ(port.WriteStr("\xC5\x81\xC3\xA9\xF0\x9F\x98\x80"), 3);
    EXPECT_EQ(device.Written(), std::string("\x41\xE9\x00", 3));
    EXPECT_EQ(port.WriteStr(""), 0);
    EXPECT_EQ(device.Written().size(), 3u);
}

TEST_F(ComPortFixture, ClearBufferPurgesTheChosenQueuesInOneCall) {
    port.Open();
    device.QueueInput("junk");
    port.ClearBuffer(true, true);
    port.ClearBuffer(false, true);
    port.ClearBuffer(false, false);
    EXPECT_EQ(device.Purges(), (std::vector<unsigned>{SerialPurge::RxClear | SerialPurge::TxClear,
                                                      SerialPurge::TxClear}));
    EXPECT_EQ(port.InputCount(), 0);
}

TEST_F(ComPortFixture, NewPortNameWhileOpenReopensUnderIt) {
    port.Open();
    EXPECT_EQ(CallsOf([&] { port.SetPort("COM4"); }),
              (Strings{"close", "open COM4", "queues", "line", "timeouts", "watch"}));
    EXPECT_TRUE(port.Connected());
    EXPECT_EQ(CallsOf([&] { port.SetPort("COM4"); }), Strings{});
}

TEST_F(ComPortFixture, FailedAbortStillClosesThePort) {
    port.Open();
    device.Fail(FakeSerialDevice::Op::Purge, 1);
    const EComPort e = Raised([&] { port.Close(); });
    EXPECT_EQ(e.Code(), 5);
    EXPECT_FALSE(port.Connected());
    EXPECT_FALSE(device.IsOpen());
}

TEST_F(ComPortFixture, CloseAbortsPendingReadsAndWritesTogetherInItsFirstPurge) {
    port.Open();
    port.Close();
    ASSERT_FALSE(device.Purges().empty());
    EXPECT_EQ(device.Purges().front(), SerialPurge::RxAbort | SerialPurge::TxAbort);
}

TEST_F(ComPortFixture, DeviceLostOnlyWhenACallOnTheOpenPortFailsAsAGoneDevicesDoes) {
    constexpr int gone = FakeSerialDevice::kDeviceGone;
    std::string text;
    struct Case {
        const char* name;
        FakeSerialDevice::Op op;
        int code;
        std::function<void(TComPort&)> call;
        bool lost;
    } cases[] = {
        {"read", FakeSerialDevice::Op::Read, gone, [&](TComPort& p) { p.ReadStr(text, 3); }, true},
        {"write", FakeSerialDevice::Op::Write, gone, [](TComPort& p) { p.WriteStr("C2\r"); }, true},
        {"purge", FakeSerialDevice::Op::Purge, gone, [](TComPort& p) { p.ClearBuffer(true, true); },
         true},
        {"line status", FakeSerialDevice::Op::ClearErrors, gone,
         [](TComPort& p) { p.InputCount(); }, true},
        {"line settings", FakeSerialDevice::Op::LineSettings, gone,
         [](TComPort& p) { p.SetBaudRate(br4800); }, true},
        {"the close's abort", FakeSerialDevice::Op::Purge, gone, [](TComPort& p) { p.Close(); },
         true},
        {"a setting refused", FakeSerialDevice::Op::LineSettings, 87,
         [](TComPort& p) { p.SetBaudRate(br4800); }, false},
        {"another read error", FakeSerialDevice::Op::Read, 31,
         [&](TComPort& p) { p.ReadStr(text, 3); }, false},
    };
    for (const auto& c : cases) {
        FakeSerialDevice d;
        TComPort p{d, ui};
        p.Open();
        d.Fail(c.op, c.code);
        const EComPort e = Raised([&] { c.call(p); });
        EXPECT_EQ(e.DeviceLost(), c.lost) << c.name;
    }
    // Not open, or not opening, is never a lost device.
    device.Fail(FakeSerialDevice::Op::Open, gone);
    EXPECT_FALSE(Raised([&] { port.Open(); }).DeviceLost());
    EXPECT_FALSE(Raised([&] { port.ReadStr(text, 3); }).DeviceLost());
    EXPECT_FALSE(Raised([&] { port.ClearBuffer(true, false); }).DeviceLost())
        << "the fake's closed device answers 6";
}

TEST_F(ComPortFixture, NoEventThreadWithoutEvents) {
    port.SetEvents({});
    EXPECT_EQ(CallsOf([&] { port.Open(); }), (Strings{"open COM1", "queues", "line", "timeouts"}));
    EXPECT_EQ(CallsOf([&] { port.Close(); }), Strings{"close"});
}

} // namespace
} // namespace zt
