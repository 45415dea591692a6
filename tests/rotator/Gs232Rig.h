// A controller wired to fakes: a serial device that keeps one ordered trace of what the
// controller did to it (opens, clears, writes, closes) and of the UI thread's pumps, on a
// clock that only the pumps advance.
#pragma once

#include "app/uConstant.h"
#include "rotator/GS232.h"
#include "settings/XMLInifile.h"
#include "tests/fakes/FakeMessageBox.h"
#include "tests/fakes/FakeSerialDevice.h"
#include "tests/fakes/FakeUiThread.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace zt {

class TracingDevice : public FakeSerialDevice {
public:
    int Open(const std::string& port) override {
        const int error = FakeSerialDevice::Open(port);
        Note(error ? "open failed" : "open " + port);
        return error;
    }
    void Close() override {
        Note("close");
        FakeSerialDevice::Close();
    }
    SerialTransfer Write(const std::uint8_t* data, std::size_t count) override {
        Note(std::string(data, data + count));
        return FakeSerialDevice::Write(data, count);
    }
    int Purge(unsigned flags) override {
        // The event thread's own clear at its end is the port's business, not the controller's.
        if (std::this_thread::get_id() == owner &&
            flags == (SerialPurge::RxClear | SerialPurge::TxClear))
            Note("clear");
        return FakeSerialDevice::Purge(flags);
    }
    void Note(const std::string& what) {
        std::lock_guard lock(traceMutex);
        trace.push_back(what);
    }
    std::vector<std::string> TakeTrace() {
        std::lock_guard lock(traceMutex);
        return std::exchange(trace, {});
    }

private:
    std::thread::id owner = std::this_thread::get_id();
    std::mutex traceMutex;
    std::vector<std::string> trace;
};

struct Gs232Rig {
    Gs232Rig() {
        ui.onPump = [this](int ms) {
            device.Note("pump " + std::to_string(ms));
            now += std::chrono::milliseconds(ms);
        };
        std::filesystem::create_directories(dir);
    }
    ~Gs232Rig() { std::filesystem::remove_all(dir); }

    void StoreCom(const std::map<std::string, std::string>& keys) {
        TXMLIniFile ini(settings, LocaleFormats{});
        ini.OpenNode(SectionOptionsCom, true);
        for (const auto& [key, value] : keys)
            ini.WriteString(key, value);
        ini.UpdateFile();
    }

    // Opens on defaults and forgets what opening did.
    void OpenQuietly() {
        ASSERT_TRUE(gs.Open(settings));
        device.TakeTrace();
        device.TakeWritten();
    }

    // Answers each query ("C2\r" or "C\r") with the reply.
    void AnswerQueries(const std::string& reply) {
        device.reply = [reply](const std::string& written) {
            return written == "C2\r" || written == "C\r" ? reply : std::string();
        };
    }

    TracingDevice device;
    FakeUiThread ui;
    FakeMessageBox messages;
    std::chrono::steady_clock::time_point now{};
    TGS232 gs{device, ui, messages, LocaleFormats{}, [this] { return now; }};
    std::filesystem::path dir =
        std::filesystem::temp_directory_path() /
        ("zt-rotator-" +
         std::to_string(std::chrono::system_clock::now().time_since_epoch().count()));
    std::string settings = (dir / "zenitrack.xml").string();
};

} // namespace zt
