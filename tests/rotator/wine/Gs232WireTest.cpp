// The controller on a real COM port under Wine, against a scripted peer on the other end of
// a null-modem pair: the bytes on the wire and their timing.
#include "app/uConstant.h"
#include "platform/win32/Win32SerialDevice.h"
#include "platform/win32/Win32UiThread.h"
#include "rotator/GS232.h"
#include "settings/XMLInifile.h"
#include "tests/fakes/FakeMessageBox.h"
#include "tests/rotator/wine/ScriptedPeer.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <mutex>

namespace zt {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using Lines = std::vector<std::string>;

long long MsBetween(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(to - from).count();
}

Lines Texts(const std::vector<ScriptedPeer::Arrival>& arrivals) {
    Lines texts;
    for (const auto& a : arrivals)
        texts.push_back(a.line);
    return texts;
}

struct Gs232Wire : testing::Test {
    void SetUp() override {
        const char* a = std::getenv("ZT_NULL_MODEM_A");
        const char* b = std::getenv("ZT_NULL_MODEM_B");
        ASSERT_TRUE(a && b) << "run under scripts/lib/null-modem";
        peerPort = b;
        std::filesystem::create_directories(dir);
        TXMLIniFile ini(settings, LocaleFormats{});
        ini.OpenNode(SectionOptionsCom, true);
        ini.WriteString(KeyComPort, a);
        ini.UpdateFile();
    }
    void TearDown() override {
        gs.Close(false);
        std::filesystem::remove_all(dir);
    }

    std::filesystem::path dir = std::filesystem::temp_directory_path() / "zt-rotator-wire";
    std::string settings = (dir / "zenitrack.xml").string();
    std::string peerPort;
    FakeMessageBox messages;
    Win32UiThread ui{messages};
    Win32SerialDevice device;
    TGS232 gs{device, ui, messages, LocaleFormats{}};
};

// A transmit purge can discard a byte the peer has not read yet (a few per cent of the time
// on Wine's ptys), and the controller clears its buffers right after each lone CR: a lone CR
// missing on the wire is the only deviation allowed below.

TEST_F(Gs232Wire, OpenSendsLoneCrStopAndSpeed) {
    ScriptedPeer peer(peerPort, nullptr);
    ASSERT_TRUE(peer.Opened());
    ASSERT_TRUE(gs.Open(settings));
    // A first run in a new Wine prefix may be slow.
    const Lines lines = Texts(peer.LinesUntil("X2", 5000));
    if (lines.size() == 2)
        EXPECT_EQ(lines, (Lines{"S", "X2"}));
    else
        EXPECT_EQ(lines, (Lines{"", "S", "X2"}));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(Gs232Wire, CloseParksWaitsHalfASecondWithMessagesFlowingThenSendsCr) {
    ScriptedPeer peer(peerPort, nullptr);
    ASSERT_TRUE(peer.Opened());
    ASSERT_TRUE(gs.Open(settings));
    peer.LinesUntil("X2", 5000);
    peer.Take();
    gs.SetParkingAz(180);
    gs.SetParkingEl(90);
    gs.SetAzOffset(10);

    std::atomic<long long> batchAt{-1};
    const auto start = Clock::now();
    std::thread other([&] {
        std::this_thread::sleep_for(150ms);
        ui.Synchronize([&] { batchAt = MsBetween(start, Clock::now()); });
    });
    gs.Close(true);
    const long long closeTook = MsBetween(start, Clock::now());
    other.join();
    EXPECT_FALSE(gs.Opend());
    EXPECT_FALSE(device.IsOpen());
    EXPECT_GE(closeTook, 500);
    EXPECT_LT(closeTook, 900);
    EXPECT_GE(batchAt, 140) << "the batch ran during the wait";
    EXPECT_LT(batchAt, closeTook);

    const auto arrivals = peer.Lines(2, 1500);
    ASSERT_GE(arrivals.size(), 1u);
    ASSERT_LE(arrivals.size(), 2u);
    EXPECT_EQ(arrivals[0].line, "W170 090");
    EXPECT_LT(MsBetween(start, arrivals[0].at), 200);
    if (arrivals.size() == 2) {
        EXPECT_EQ(arrivals[1].line, "");
        EXPECT_GE(MsBetween(arrivals[0].at, arrivals[1].at), 480);
    }
    peer.Take();

    // Not open: nothing on the wire and no wait.
    const auto again = Clock::now();
    gs.Close(true);
    EXPECT_LT(MsBetween(again, Clock::now()), 50);
    EXPECT_TRUE(peer.Lines(1, 300).empty());
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(Gs232Wire, PositionQueryOnTheWire) {
    // A reply ends the read at its line end (a CR alone once no LF has followed it for a
    // moment); no reply at all ends it after 10 * 20 + 500 ms.
    struct Case {
        const char* name;
        TElRotator el;
        std::string reply;
        bool result;
        int az, el_;
        long long minMs, maxMs;
    } cases[] = {
        {"position", el180, "+0123+0045\r\n", true, 123, 45, 0, 200},
        {"azimuth only", elNone, "+0123\r\n", true, 123, 0, 0, 200},
        {"11 characters", el180, "+0123+0045\r", false, -1, -1, 50, 400},
        {"no answer", el180, "", false, -1, -1, 660, 900},
    };
    std::mutex replyMutex;
    std::string reply;
    ScriptedPeer peer(peerPort, [&](const std::string& line) {
        std::lock_guard lock(replyMutex);
        return line == "C2" || line == "C" ? reply : std::string();
    });
    ASSERT_TRUE(peer.Opened());
    ASSERT_TRUE(gs.Open(settings));
    peer.LinesUntil("X2", 5000);
    peer.Take();
    for (const auto& c : cases) {
        {
            std::lock_guard lock(replyMutex);
            reply = c.reply;
        }
        gs.SetElRotator(c.el);
        int az = -1, el = -1;
        const auto start = Clock::now();
        EXPECT_EQ(gs.GetPos(az, el), c.result) << c.name;
        const long long took = MsBetween(start, Clock::now());
        EXPECT_EQ(az, c.az) << c.name;
        EXPECT_EQ(el, c.el_) << c.name;
        EXPECT_GE(took, c.minMs) << c.name;
        EXPECT_LE(took, c.maxMs) << c.name;
        EXPECT_EQ(Texts(peer.Take()), (Lines{c.el == elNone ? "C" : "C2"})) << c.name;
    }
    EXPECT_TRUE(messages.shown.empty());
}

} // namespace
} // namespace zt
