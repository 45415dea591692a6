#include "serial/CPortX.h"
#include "tests/fakes/FakeSerialDevice.h"
#include "tests/fakes/FakeUiThread.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <thread>
#include <vector>

namespace zt {
namespace {

struct EventFixture : testing::Test {
    FakeSerialDevice device;
    FakeUiThread ui;
    TCPortX port{device, ui};

    // Handles the batches the event thread hands over until done() holds, for at most 5 s;
    // a batch's failure passes through.
    testing::AssertionResult HandleUntil(const std::function<bool()>& done, const char* what) {
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        for (;;) {
            ui.HandlePending();
            if (done())
                return testing::AssertionSuccess();
            if (std::chrono::steady_clock::now() >= end)
                return testing::AssertionFailure() << "waited 5 s for " << what;
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }
    static bool Never() { return false; }
};

TEST_F(EventFixture, WithoutDelimiterBytesBetweenReadsAreDroppedByTheNextBatch) {
    std::vector<std::string> messages;
    port.SetOnRecvMsg([&](TCPortX&, const std::string& s) { messages.push_back(s); });
    port.Open();
    device.QueueInput("+0123+0045\r\n");
    ASSERT_TRUE(
        HandleUntil([&] { return device.InputWaiting() == 0; }, "the batch that drops the bytes"));
    std::string text = "old";
    port.RecvStr(20, text);
    EXPECT_EQ(text, "");
    EXPECT_TRUE(messages.empty());
}

TEST_F(EventFixture, ReadStartedBeforeTheBatchIsHandledGetsTheBytes) {
    port.Open();
    device.QueueInput("+0123+0045\r\n");
    std::string text;
    port.RecvStr(5, text);
    EXPECT_EQ(text, "+0123");
    port.RecvStr(20, text);
    EXPECT_EQ(text, "+0045\r\n");
    ui.HandlePending(); // the batch finds nothing waiting
}

TEST_F(EventFixture, MessageModePassesEachReceivedRunToOnRecvMsg) {
    std::vector<std::string> messages;
    port.SetOnRecvMsg([&](TCPortX& sender, const std::string& s) {
        EXPECT_EQ(&sender, &port);
        messages.push_back(s);
    });
    port.SetDelimiter("\r\n");
    EXPECT_TRUE(port.TriggersOnRxChar());
    port.Open();
    EXPECT_EQ(device.line.eventChar, '\r');
    device.QueueInput("AZ=123\r");
    ASSERT_TRUE(HandleUntil([&] { return messages.size() == 1; }, "the first message"));
    device.QueueInput("EL=045");
    ASSERT_TRUE(HandleUntil([&] { return messages.size() == 2; }, "the second message"));
    EXPECT_EQ(messages, (std::vector<std::string>{"AZ=123\r", "EL=045"}));
    EXPECT_EQ(port.RecvMsg(), "EL=045");

    port.SetDelimiter("");
    EXPECT_FALSE(port.TriggersOnRxChar());
}

TEST_F(EventFixture, CloseOfAGoneDeviceReleasesItAndClearsActive) {
    port.Open();
    device.Fail(FakeSerialDevice::Op::Purge, FakeSerialDevice::kDeviceGone);
    try {
        port.Close();
        ADD_FAILURE() << "the failed abort was not reported";
    } catch (const EComPort& e) {
        EXPECT_TRUE(e.DeviceLost());
    }
    EXPECT_FALSE(device.IsOpen());
    EXPECT_FALSE(port.Connected());
    EXPECT_FALSE(port.Active());
    device.Fail(FakeSerialDevice::Op::Purge, 0);
    port.Open();
    EXPECT_TRUE(port.Connected()) << "and it opens again";
}

TEST_F(EventFixture, OpenTakesTriggersOnRxCharFromTheDelimiter) {
    port.SetTriggersOnRxChar(true);
    port.Open();
    EXPECT_FALSE(port.TriggersOnRxChar());
    EXPECT_TRUE(port.Active());
    port.Close();
    EXPECT_FALSE(port.Active());
}

TEST_F(EventFixture, ActiveMirrorsTheRequestNotTheOutcome) {
    device.Fail(FakeSerialDevice::Op::Open, 2);
    EXPECT_THROW(port.SetActive(true), EComPort);
    EXPECT_TRUE(port.Active());
    EXPECT_FALSE(port.Connected());
    port.SetActive(false);
    EXPECT_FALSE(port.Active());
}

TEST_F(EventFixture, LineErrorAndSignalEventsReachTheirHandlers) {
    TComErrors errors = 0;
    std::vector<std::string> seen;
    port.OnError = [&](TCustomComPort&, TComErrors e) { errors = e; };
    port.OnCTSChange = [&](TCustomComPort&, bool on) { seen.push_back(on ? "cts on" : "cts off"); };
    port.OnRing = [&](TCustomComPort&, bool on) { seen.push_back(on ? "ring on" : "ring off"); };
    port.OnTxEmpty = [&](TCustomComPort&) { seen.push_back("txempty"); };
    port.Open();
    device.lineErrors = SerialLineError::Frame | SerialLineError::Overrun;
    device.modemLines = SerialModem::Cts;
    device.RaiseEvents(SerialEvent::Error | SerialEvent::Cts | SerialEvent::Ring |
                       SerialEvent::TxEmpty);
    ASSERT_TRUE(HandleUntil([&] { return !seen.empty(); }, "the batch of line events"));
    EXPECT_EQ(errors, SerialLineError::Frame | SerialLineError::Overrun);
    EXPECT_EQ(seen, (std::vector<std::string>{"txempty", "ring off", "cts on"}));
}

TEST_F(EventFixture, FailureInsideABatchSurfacesOnTheUiThread) {
    port.Open();
    device.Fail(FakeSerialDevice::Op::ModemStatus, 50);
    device.RaiseEvents(SerialEvent::Dsr);
    try {
        EXPECT_TRUE(HandleUntil(Never, "the failing batch"));
        FAIL() << "no error surfaced";
    } catch (const EComPort& e) {
        EXPECT_EQ(e.Code(), 11);
        EXPECT_EQ(e.WinCode(), 50);
    }
    // The event thread was released and goes on watching.
    device.Fail(FakeSerialDevice::Op::ModemStatus, 0);
    device.Fail(FakeSerialDevice::Op::ClearErrors, 6);
    device.RaiseEvents(SerialEvent::Error);
    EXPECT_THROW(EXPECT_TRUE(HandleUntil(Never, "the second failing batch")), EComPort);
    port.Close();
}

TEST_F(EventFixture, CloseWhileTheThreadWaitsForItsBatchEndsNormally) {
    port.Open();
    device.QueueInput("late reply");
    // Give the event thread time to hand its batch over and block on it.
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    port.Close();
    EXPECT_FALSE(port.Connected());
    EXPECT_EQ(device.InputWaiting(), 0u) << "handled during Close, or purged by the thread";
    EXPECT_EQ(device.Purges().back(), SerialPurge::RxClear | SerialPurge::TxClear);
}

TEST_F(EventFixture, CloseEndsAThreadWhoseWaitThePlatformRefuses) {
    device.refuseEventWait = true;
    port.Open();
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(device.EventWaits(), 1) << "a refused wait is not retried";
    port.Close();
    EXPECT_FALSE(port.Connected());
}

TEST_F(EventFixture, DestroyingAnOpenPortEndsItsThread) {
    std::vector<std::string> messages;
    {
        TCPortX p{device, ui};
        p.SetDelimiter("\r");
        p.SetOnRecvMsg([&](TCPortX&, const std::string& s) { messages.push_back(s); });
        p.Open();
        device.QueueInput("x\r");
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    EXPECT_FALSE(device.IsOpen());
    EXPECT_LE(messages.size(), 1u);
}

} // namespace
} // namespace zt
