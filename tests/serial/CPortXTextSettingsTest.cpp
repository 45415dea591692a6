#include "serial/CPortX.h"
#include "tests/fakes/FakeSerialDevice.h"
#include "tests/fakes/FakeUiThread.h"

#include <gtest/gtest.h>

namespace zt {
namespace {

struct PortFixture : testing::Test {
    FakeSerialDevice device;
    FakeUiThread ui;
    TCPortX port{device, ui};
    TComPort& core = port;
};

struct TextCase {
    std::string text;
    int value;
    std::string readBack;
};

using TextSettings = PortFixture;

TEST_F(TextSettings, BaudRateMatchesItsTableOrFallsBackTo9600) {
    const TextCase cases[] = {
        {"115200", br115200, "115200"}, {"4800", br4800, "4800"},       {"110", br110, "110"},
        {"custom", brCustom, "Custom"}, {"256000", br256000, "256000"}, {"", br9600, "9600"},
        {"fast", br9600, "9600"},       {"115,200", br9600, "9600"},    {" 4800", br9600, "9600"},
    };
    for (const auto& c : cases) {
        port.SetBaudRate("300");
        port.SetBaudRate(c.text);
        EXPECT_EQ(core.BaudRate(), c.value) << c.text;
        EXPECT_EQ(port.BaudRate(), c.readBack) << c.text;
    }
}

TEST_F(TextSettings, DataStopBitsAndParityMatchIgnoringCaseOrFallBack) {
    const TextCase data[] = {{"5", dbFive, "5"}, {"7", dbSeven, "7"}, {"9", dbEight, "8"}};
    for (const auto& c : data) {
        port.SetDataBits("6");
        port.SetDataBits(c.text);
        EXPECT_EQ(core.DataBits(), c.value) << c.text;
        EXPECT_EQ(port.DataBits(), c.readBack) << c.text;
    }
    const TextCase stop[] = {
        {"1.5", sbOne5StopBits, "1.5"}, {"2", sbTwoStopBits, "2"}, {"1,5", sbOneStopBit, "1"}};
    for (const auto& c : stop) {
        port.SetStopBits("2");
        port.SetStopBits(c.text);
        EXPECT_EQ(core.StopBits(), c.value) << c.text;
        EXPECT_EQ(port.StopBits(), c.readBack) << c.text;
    }
    const TextCase parity[] = {{"NONE", prNone, "None"},
                               {"none", prNone, "None"},
                               {"even", prEven, "Even"},
                               {"sPaCe", prSpace, "Space"},
                               {"Oddly", prNone, "None"}};
    for (const auto& c : parity) {
        port.SetParity("Mark");
        port.SetParity(c.text);
        EXPECT_EQ(core.Parity().Bits(), c.value) << c.text;
        EXPECT_EQ(port.Parity(), c.readBack) << c.text;
    }
}

TEST_F(TextSettings, FlowControlTextsDriveTheShortcut) {
    port.SetFlowControl("hardware");
    EXPECT_EQ(core.FlowControl().ControlRTS(), rtsHandshake);
    EXPECT_TRUE(core.FlowControl().OutCTSFlow());
    EXPECT_EQ(port.FlowControl(), "Hardware");

    port.SetFlowControl("software");
    EXPECT_EQ(core.FlowControl().ControlRTS(), rtsDisable);
    EXPECT_FALSE(core.FlowControl().OutCTSFlow());
    EXPECT_TRUE(core.FlowControl().XonXoffIn());
    EXPECT_TRUE(core.FlowControl().XonXoffOut());
    EXPECT_EQ(port.FlowControl(), "Software");

    port.SetFlowControl("NONE");
    EXPECT_EQ(port.FlowControl(), "None");
    port.SetFlowControl("HARDWARE");
    EXPECT_EQ(port.FlowControl(), "Hardware");
}

TEST_F(TextSettings, UnknownFlowControlTextLeavesEveryFlagAsItWas) {
    core.FlowControl().SetFlowControl(fcHardware);
    core.FlowControl().SetOutDSRFlow(true);
    core.FlowControl().SetControlDTR(dtrHandshake);
    for (const char* text : {"Custom", "XON/XOFF", ""}) {
        port.SetFlowControl(text);
        EXPECT_EQ(core.FlowControl().ControlRTS(), rtsHandshake) << text;
        EXPECT_TRUE(core.FlowControl().OutCTSFlow()) << text;
        EXPECT_TRUE(core.FlowControl().OutDSRFlow()) << text;
        EXPECT_EQ(core.FlowControl().ControlDTR(), dtrHandshake) << text;
        EXPECT_FALSE(core.FlowControl().XonXoffIn()) << text;
    }
    // The getter derives its text from the flags: DSR flow does not count, RTS on does.
    EXPECT_EQ(port.FlowControl(), "Hardware");
    core.FlowControl().SetControlRTS(rtsEnable);
    EXPECT_EQ(port.FlowControl(), "Custom");
}

TEST_F(TextSettings, CustomBaudRateUsesTheCoreCustomSpeed) {
    port.SetBaudRate("Custom");
    port.Open();
    EXPECT_EQ(device.line.baudRate, 9600u);
    core.SetCustomBaudRate(31250);
    EXPECT_EQ(device.line.baudRate, 31250u);
    port.SetBaudRate("57600");
    EXPECT_EQ(device.line.baudRate, 57600u);
}

TEST_F(TextSettings, FreshPortHasPresetLimitsAndKeepsDtrAndRtsOff) {
    for (const char* flow : {"None", "Software", "Custom", "junk"}) {
        FakeSerialDevice d;
        TCPortX p{d, ui};
        p.SetFlowControl(flow);
        p.Open();
        EXPECT_EQ(d.line.dtr, SerialDtr::Disable) << flow;
        EXPECT_EQ(d.line.rts, SerialRts::Disable) << flow;
        EXPECT_EQ(d.timeouts, (SerialTimeouts{500, 10, 500, 10, 100})) << flow;
    }
    FakeSerialDevice d;
    TCPortX p{d, ui};
    p.SetFlowControl("Hardware");
    p.Open();
    EXPECT_EQ(d.line.dtr, SerialDtr::Disable);
    EXPECT_EQ(d.line.rts, SerialRts::Handshake);
    EXPECT_TRUE(d.line.outCtsFlow);
}

} // namespace
} // namespace zt
