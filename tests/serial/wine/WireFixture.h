#pragma once

#include "platform/win32/Win32SerialDevice.h"
#include "platform/win32/Win32UiThread.h"
#include "serial/CPortX.h"
#include "tests/fakes/FakeMessageBox.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>

namespace zt {

// A TCPortX on one end of the null-modem pair (scripts/lib/null-modem) and the test's own
// device on the other end, through which it plays the peer.
struct WireFixture : testing::Test {
    using Clock = std::chrono::steady_clock;

    static std::string PortName(const char* variable) {
        const char* name = std::getenv(variable);
        return name ? name : "";
    }

    void SetUp() override {
        portName = PortName("ZT_NULL_MODEM_A");
        ASSERT_FALSE(portName.empty()) << "run under scripts/lib/null-modem";
        ASSERT_EQ(peer.Open(PortName("ZT_NULL_MODEM_B")), 0);
        ASSERT_EQ(peer.SetTimeouts({0xFFFFFFFFu, 0, 0, 0, 1000}), 0);
        port.SetPort(portName);
    }

    void PeerSends(const std::string& bytes) {
        const auto sent =
            peer.Write(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
        ASSERT_EQ(sent.error, 0);
        ASSERT_EQ(sent.count, bytes.size());
    }

    // What the peer has received within ms milliseconds.
    std::string PeerReceives(std::size_t count, int ms) {
        std::string got;
        const auto end = Clock::now() + std::chrono::milliseconds(ms);
        while (got.size() < count && Clock::now() < end) {
            std::uint8_t buffer[64];
            const auto r = peer.Read(buffer, sizeof buffer);
            if (r.error != 0)
                break;
            got.append(reinterpret_cast<const char*>(buffer), r.count);
            if (r.count == 0)
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return got;
    }

    static long long MsSince(Clock::time_point start) {
        return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
    }

    FakeMessageBox errors;
    Win32UiThread ui{errors};
    Win32SerialDevice device;
    Win32SerialDevice peer;
    TCPortX port{device, ui};
    std::string portName;
};

} // namespace zt
