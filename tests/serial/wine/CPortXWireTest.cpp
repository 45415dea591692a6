#include "tests/serial/wine/CpuTime.h"
#include "tests/serial/wine/WireFixture.h"

#include <windows.h>

#include <thread>

namespace zt {
namespace {

using namespace std::chrono_literals;

using WireTest = WireFixture;

TEST_F(WireTest, RecvStrEndsByTheIntervalAfterTheLastByteOrByTheTotalLimit) {
    port.Open();
    // 12 bytes 100 ms after the call, then silence: the 500 ms gap ends the read at ~600 ms,
    // well before the 700 ms total limit.
    std::thread peerThread([&] {
        std::this_thread::sleep_for(100ms);
        PeerSends("+0123+0045\r\n");
    });
    std::string text;
    auto start = Clock::now();
    port.RecvStr(20, text);
    long long elapsed = MsSince(start);
    peerThread.join();
    EXPECT_EQ(text, "+0123+0045\r\n");
    EXPECT_GE(elapsed, 560);
    EXPECT_LE(elapsed, 680);

    // Nothing at all: the total limit of 10 * 20 + 500 ms, and an empty text, not an error.
    start = Clock::now();
    port.RecvStr(20, text);
    elapsed = MsSince(start);
    EXPECT_EQ(text, "");
    EXPECT_GE(elapsed, 660);
    EXPECT_LE(elapsed, 900);
}

TEST_F(WireTest, RecvLineEndsAtTheReplysLineEndOrByRecvStrsLimits) {
    struct Case {
        const char* name;
        std::string reply; // sent 20 ms after the call; empty: nothing
        long long minMs, maxMs;
    } cases[] = {
        {"CR LF", "+0123+0045\r\n", 15, 120},
        {"CR alone, then a wait for an LF", "AZ=123  EL=045\r", 110, 260},
        {"no line end: the 500 ms interval", "+0123+0045", 500, 680},
        {"nothing: the 700 ms total", "", 660, 900},
    };
    port.Open();
    for (const auto& c : cases) {
        std::thread peerThread([&] {
            std::this_thread::sleep_for(20ms);
            if (!c.reply.empty())
                PeerSends(c.reply);
        });
        std::string text;
        const auto start = Clock::now();
        port.RecvLine(20, text);
        const long long elapsed = MsSince(start);
        peerThread.join();
        EXPECT_EQ(text, c.reply) << c.name;
        EXPECT_GE(elapsed, c.minMs) << c.name;
        EXPECT_LE(elapsed, c.maxMs) << c.name;
    }
    // The port's own limits are back: RecvStr still waits out the interval.
    PeerSends("+0123+0045\r\n");
    std::string text;
    const auto start = Clock::now();
    port.RecvStr(20, text);
    EXPECT_EQ(text, "+0123+0045\r\n");
    EXPECT_GE(MsSince(start), 450);
}

TEST_F(WireTest, RecvStrTakesWhatItAskedForAndLeavesTheRest) {
    port.Open();
    PeerSends("ABCDEFGHIJKL");
    std::this_thread::sleep_for(150ms);
    std::string text;
    const auto start = Clock::now();
    port.RecvStr(5, text);
    EXPECT_LT(MsSince(start), 150);
    EXPECT_EQ(text, "ABCDE");
    EXPECT_EQ(port.InputCount(), 7);
}

TEST_F(WireTest, SendStrSendsTheLowByteOfEachCharacter) {
    port.Open();
    port.SendStr("W\xC5\x81\xC3\xA9\r"); // W, U+0141, U+00E9, CR
    EXPECT_EQ(PeerReceives(4, 2000), "W\x41\xE9\r");
}

TEST_F(WireTest, MissingPortRaisesError1WithThePlatformCode) {
    port.SetPort("COM42");
    try {
        port.Open();
        FAIL() << "opened a missing port";
    } catch (const EComPort& e) {
        EXPECT_EQ(e.Code(), 1);
        EXPECT_EQ(e.WinCode(), ERROR_FILE_NOT_FOUND);
        EXPECT_STREQ(e.what(), "Unable to open com port (Error: 2)");
    }
    EXPECT_FALSE(port.Connected());
    EXPECT_TRUE(port.Active());
}

TEST_F(WireTest, BytesBetweenReadsAreGoneOnceTheUiThreadHandledItsBatches) {
    port.Open();
    PeerSends("12345");
    std::this_thread::sleep_for(200ms);
    std::string text;
    port.RecvStr(5, text);
    EXPECT_EQ(text, "12345") << "a read before the batch is handled sees the bytes";

    PeerSends("67890");
    std::this_thread::sleep_for(200ms);
    EXPECT_EQ(port.InputCount(), 5);
    ui.PumpFor(200);
    EXPECT_EQ(port.InputCount(), 0);
    EXPECT_TRUE(errors.shown.empty());
}

TEST_F(WireTest, CloseWhileTheEventThreadWaitsForItsBatchEndsNormally) {
    port.Open();
    PeerSends("late reply");
    std::this_thread::sleep_for(200ms); // the batch is handed over and waits
    const auto start = Clock::now();
    port.Close();
    EXPECT_LT(MsSince(start), 1000);
    EXPECT_FALSE(port.Connected());
    EXPECT_FALSE(port.Active());
    port.Open(); // and the port opens again
    EXPECT_TRUE(port.Connected());
}

TEST_F(WireTest, AnIdleOpenPortCostsNoCpu) {
    struct Case {
        const char* name;
        TComEvents events;
    } cases[] = {
        {"all events (the platform may refuse the modem lines)", TComEvents::All()},
        {"only modem-line events", {evCTS, evDSR, evRing, evRLSD}},
        {"received characters", {evRxChar}},
    };
    for (const auto& c : cases) {
        port.SetEvents(c.events);
        port.Open();
        std::this_thread::sleep_for(100ms);
        const long long before = CpuMs(true);
        std::this_thread::sleep_for(1000ms);
        const long long used = CpuMs(true) - before;
        // Measured here: about 10 ms; an event thread that re-arms its wait at once burns
        // 200 ms and more.
        EXPECT_LT(used, 100) << c.name;
        port.Close();
    }
    // The thread still reports what arrives.
    port.SetEvents(TComEvents::All());
    port.Open();
    PeerSends("x");
    std::this_thread::sleep_for(200ms);
    ui.PumpFor(100);
    EXPECT_EQ(port.InputCount(), 0);
}

} // namespace
} // namespace zt
