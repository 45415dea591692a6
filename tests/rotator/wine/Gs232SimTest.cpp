// The controller against gs232sim on the far end of a null-modem pair: what a user sees
// when trying the program without a rotator (run by tests/rotator/with-gs232sim).
#include "app/uConstant.h"
#include "platform/win32/Win32SerialDevice.h"
#include "platform/win32/Win32UiThread.h"
#include "rotator/GS232.h"
#include "settings/XMLInifile.h"
#include "tests/fakes/FakeMessageBox.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

namespace zt {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// The settings file of a link to the simulator's port, or empty when not run by
// tests/rotator/with-gs232sim.
std::string SimSettings(const std::filesystem::path& dir) {
    const char* port = std::getenv("ZT_NULL_MODEM_A");
    if (!port || !std::getenv("ZT_GS232SIM_SCALE"))
        return {};
    std::filesystem::create_directories(dir);
    const std::string settings = (dir / "zenitrack.xml").string();
    TXMLIniFile ini(settings, LocaleFormats{});
    ini.OpenNode(SectionOptionsCom, true);
    ini.WriteString(KeyComPort, port);
    ini.UpdateFile();
    return settings;
}

TEST(Gs232Sim, TurnsToMoveTargetsAndByHand) {
    const auto dir = std::filesystem::temp_directory_path() / "zt-rotator-sim";
    const std::string settings = SimSettings(dir);
    if (settings.empty())
        GTEST_SKIP() << "run under tests/rotator/with-gs232sim";
    const double scale = std::atof(std::getenv("ZT_GS232SIM_SCALE"));
    FakeMessageBox messages;
    Win32UiThread ui{messages};
    Win32SerialDevice device;
    TGS232 gs{device, ui, messages, LocaleFormats{}};
    gs.SetRotateSpeed(3); // X4: 6 deg/s azimuth, 3 deg/s elevation in rotator time
    ASSERT_TRUE(gs.Open(settings));

    int az = -1, el = -1;
    ASSERT_TRUE(gs.GetPos(az, el));
    EXPECT_EQ(az, 0);
    EXPECT_EQ(el, 0);

    // 90 degrees of azimuth take 15 s of rotator time; a query ends with its reply.
    gs.JudgeRotatorMode(0, 60, 90, 120);
    const auto start = Clock::now();
    ASSERT_TRUE(gs.Move(90, 30));
    std::vector<int> seen;
    while (!(az == 90 && el == 30) && Clock::now() - start < 10s) {
        ASSERT_TRUE(gs.GetPos(az, el));
        seen.push_back(az);
    }
    const double took = std::chrono::duration<double>(Clock::now() - start).count() * scale;
    EXPECT_EQ(az, 90);
    EXPECT_EQ(el, 30);
    EXPECT_TRUE(std::any_of(seen.begin(), seen.end(), [](int a) { return a > 0 && a < 90; }))
        << "seen on its way";
    EXPECT_GE(took, 15.0);
    EXPECT_LT(took, 15.0 + 1.2 * scale) << "reached within about two queries of its time";

    // Held to the right for 0.5 s of wall clock (5 s of rotator time: 30 degrees), released.
    gs.DoCmd("R");
    std::this_thread::sleep_for(std::chrono::milliseconds(static_cast<int>(5000 / scale)));
    gs.DoCmd("A");
    ASSERT_TRUE(gs.GetPos(az, el));
    EXPECT_NEAR(az, 120, 8);
    const int stopped = az;
    ASSERT_TRUE(gs.GetPos(az, el));
    EXPECT_EQ(az, stopped);
    EXPECT_EQ(el, 30);

    gs.Close(true);
    EXPECT_TRUE(messages.shown.empty());
    std::filesystem::remove_all(dir);
}

// The simulator answers as a GS-232B ("AZ=aaa  EL=eee"): read with the setting, and not
// without it.
TEST(Gs232SimB, PositionRepliesOfAGs232B) {
    const auto dir = std::filesystem::temp_directory_path() / "zt-rotator-sim-b";
    const std::string settings = SimSettings(dir);
    if (settings.empty())
        GTEST_SKIP() << "run under tests/rotator/with-gs232sim --reply-style b";
    FakeMessageBox messages;
    Win32UiThread ui{messages};
    Win32SerialDevice device;
    TGS232 gs{device, ui, messages, LocaleFormats{}};
    gs.SetRotateSpeed(3);
    ASSERT_TRUE(gs.Open(settings));
    int az = -1, el = -1;
    EXPECT_FALSE(gs.GetPos(az, el)) << "without the setting";
    gs.SetGs232BReplies(true);
    ASSERT_TRUE(gs.GetPos(az, el));
    EXPECT_EQ(az, 0);
    EXPECT_EQ(el, 0);
    gs.JudgeRotatorMode(0, 10, 20, 30);
    ASSERT_TRUE(gs.Move(12, 6));
    const auto start = Clock::now();
    while (!(az == 12 && el == 6) && Clock::now() - start < 10s)
        ASSERT_TRUE(gs.GetPos(az, el));
    EXPECT_EQ(az, 12);
    EXPECT_EQ(el, 6);
    gs.SetElRotator(elNone);
    ASSERT_TRUE(gs.GetPos(az, el)) << "\"C\" answered with AZ=aaa";
    EXPECT_EQ(az, 12);
    EXPECT_EQ(el, 0);
    gs.Close(false);
    EXPECT_TRUE(messages.shown.empty());
    std::filesystem::remove_all(dir);
}

// The Windows path of a file the Unix side names.
std::string WindowsPath(std::string path) {
    std::replace(path.begin(), path.end(), '/', '\\');
    return "Z:" + path;
}

// The adapter pulled at the operating system's boundary: the link is given up without a word
// to the user, and comes back with the adapter.
TEST(Gs232SimPulled, ALostLinkIsQuietAndComesBackWithTheAdapter) {
    const auto dir = std::filesystem::temp_directory_path() / "zt-rotator-pulled";
    const std::string settings = SimSettings(dir);
    const char* trigger = std::getenv("ZT_TTY_FAULT_TRIGGER");
    if (settings.empty() || !trigger)
        GTEST_SKIP() << "run under tests/rotator/with-gs232sim and with-tty-fault";
    const std::filesystem::path pulled = WindowsPath(trigger);
    FakeMessageBox messages;
    Win32UiThread ui{messages};
    Win32SerialDevice device;
    TGS232 gs{device, ui, messages, LocaleFormats{}};
    ASSERT_TRUE(gs.Open(settings));
    int az = -1, el = -1;
    ASSERT_TRUE(gs.GetPos(az, el));

    std::ofstream(pulled).put('1');
    ASSERT_TRUE(std::filesystem::exists(pulled));
    EXPECT_FALSE(gs.GetPos(az, el));
    EXPECT_TRUE(gs.LinkLost());
    EXPECT_FALSE(gs.Opend());
    EXPECT_FALSE(device.IsOpen());
    EXPECT_FALSE(gs.Reconnect(settings)) << "still pulled";
    EXPECT_TRUE(gs.LinkLost());
    EXPECT_TRUE(messages.shown.empty());

    std::filesystem::remove(pulled);
    EXPECT_TRUE(gs.Reconnect(settings));
    EXPECT_FALSE(gs.LinkLost());
    EXPECT_TRUE(gs.GetPos(az, el));
    gs.Close(true);
    EXPECT_TRUE(messages.shown.empty());
    std::filesystem::remove_all(dir);
}

} // namespace
} // namespace zt
