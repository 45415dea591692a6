#include "serial/CPortX.h"
#include "tests/fakes/FakeSerialDevice.h"
#include "tests/fakes/FakeUiThread.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace zt {
namespace {

struct Arrival {
    int ms;
    std::string bytes;
};

// A port on the fake line, with the bytes scheduled relative to the read's start.
struct Line {
    FakeSerialDevice device;
    FakeUiThread ui;
    TCPortX port{device, ui};

    explicit Line(const std::string& baudRate = "9600") {
        port.SetEvents({});
        port.SetBaudRate(baudRate);
        port.Open();
    }
    // Runs the read and returns how long it took on the line's clock.
    long long Read(const std::vector<Arrival>& arrivals,
                   const std::function<void(std::string&)>& read, std::string& text) {
        for (const auto& a : arrivals)
            device.QueueInputAt(a.ms, a.bytes);
        const auto start = device.NowMs();
        read(text);
        return device.NowMs() - start;
    }
};

// RecvLine's reads end 1 ms after the last byte that came (their interval), so its times
// are one more than the arrival that ended them.
TEST(RecvLine, EndsAtTheReplysLineEndWithRecvStrsText) {
    struct Case {
        const char* name;
        std::vector<Arrival> arrivals;
        std::string text;
        long long recvStrMs, recvLineMs;
    } cases[] = {
        {"CR LF after 20 ms", {{20, "+0123+0045\r\n"}}, "+0123+0045\r\n", 520, 21},
        {"LF one transfer behind its CR",
         {{20, "+0123+0045\r"}, {36, "\n"}},
         "+0123+0045\r\n",
         536,
         37},
        {"CR alone: waits briefly for an LF",
         {{20, "AZ=123  EL=045\r"}},
         "AZ=123  EL=045\r",
         520,
         124},
        {"late reply", {{300, "+0123+0045\r\n"}}, "+0123+0045\r\n", 700, 301},
        {"no reply", {}, "", 700, 700},
        {"no line end", {{20, "+0123+0045"}}, "+0123+0045", 520, 521},
        {"garbage", {{20, "\x01\xFEzz?"}}, "\x01\xC3\xBEzz?", 520, 521},
        {"echoed line end before the reply",
         {{5, "\r\n"}, {20, "+0123+0045\r\n"}},
         "\r\n+0123+0045\r\n",
         520,
         21},
        {"pieces within the interval",
         {{20, "+0123"}, {400, "+0045\r\n"}},
         "+0123+0045\r\n",
         700,
         401},
        {"a CR inside the text is no end",
         {{20, "+0123\r+0045"}, {60, "\r\n"}},
         "+0123\r+0045\r\n",
         560,
         61},
        {"more than asked for",
         {{20, "+0123+0045+0123+0045+0123"}},
         "+0123+0045+0123+0045",
         20,
         20},
    };
    for (const auto& c : cases) {
        std::string text = "old";
        Line old;
        EXPECT_EQ(old.Read(
                      c.arrivals, [&](std::string& t) { old.port.RecvStr(20, t); }, text),
                  c.recvStrMs)
            << c.name << " (RecvStr)";
        EXPECT_EQ(text, c.text) << c.name << " (RecvStr)";
        text = "old";
        Line line;
        EXPECT_EQ(line.Read(
                      c.arrivals, [&](std::string& t) { line.port.RecvLine(20, t); }, text),
                  c.recvLineMs)
            << c.name;
        EXPECT_EQ(text, c.text) << c.name;
        EXPECT_EQ(line.device.timeouts, (SerialTimeouts{500, 10, 500, 10, 100}))
            << c.name << ": the port's own limits are back";
    }
}

TEST(RecvLine, TheLfMayLagItsCrByMoreCharacterTimesOnASlowLine) {
    const std::vector<Arrival> lagging = {{20, "+0123\r"}, {170, "\n"}};
    std::string text;
    Line slow("110");
    EXPECT_EQ(slow.Read(
                  lagging, [&](std::string& t) { slow.port.RecvLine(20, t); }, text),
              171);
    EXPECT_EQ(text, "+0123\r\n");
    // At 9600 bit/s an LF that far behind is no longer this reply's.
    Line fast;
    EXPECT_EQ(fast.Read(
                  lagging, [&](std::string& t) { fast.port.RecvLine(20, t); }, text),
              124);
    EXPECT_EQ(text, "+0123\r");
}

TEST(RecvLine, FailuresAreTheCoresAndLeaveThePortsLimits) {
    struct Case {
        const char* name;
        FakeSerialDevice::Op op;
        int code;
        int comErr;
        bool deviceLost;
    } cases[] = {
        {"read, device gone", FakeSerialDevice::Op::Read, FakeSerialDevice::kDeviceGone, 3, true},
        {"read, other error", FakeSerialDevice::Op::Read, 31, 3, false},
        {"limits, device gone", FakeSerialDevice::Op::Timeouts, FakeSerialDevice::kDeviceGone, 8,
         true},
    };
    for (const auto& c : cases) {
        Line line;
        line.device.QueueInputAt(20, "+0123");
        line.device.Fail(c.op, c.code);
        std::string text = "old";
        try {
            line.port.RecvLine(20, text);
            ADD_FAILURE() << c.name << ": nothing raised";
        } catch (const EComPort& e) {
            EXPECT_EQ(e.Code(), c.comErr) << c.name;
            EXPECT_EQ(e.DeviceLost(), c.deviceLost) << c.name;
        }
        EXPECT_EQ(text, "") << c.name;
        if (c.op != FakeSerialDevice::Op::Timeouts) {
            EXPECT_EQ(line.device.timeouts, (SerialTimeouts{500, 10, 500, 10, 100})) << c.name;
        }
    }
    Line closed;
    closed.port.Close();
    std::string text;
    try {
        closed.port.RecvLine(20, text);
        ADD_FAILURE() << "read on a closed port";
    } catch (const EComPort& e) {
        EXPECT_EQ(e.Code(), 24);
        EXPECT_FALSE(e.DeviceLost());
    }
}

} // namespace
} // namespace zt
