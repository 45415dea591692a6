// The main window wired to fakes: CALSAT32's registry key, window and INI file, a rotator
// controller simulated behind the fake serial device, a tone recorder and scripted dialogs.
// One trace records, in order, what reached the controller and the tone generator.
#pragma once

#include "app/MainDialogs.h"
#include "app/uMain.h"
#include "settings/StdFileSystem.h"
#include "settings/XMLInifile.h"
#include "tests/fakes/FakeFileDialog.h"
#include "tests/fakes/FakeFileSystem.h"
#include "tests/fakes/FakeIniFile.h"
#include "tests/fakes/FakeMessageBox.h"
#include "tests/fakes/FakeRegistry.h"
#include "tests/fakes/FakeSerialDevice.h"
#include "tests/fakes/FakeTone.h"
#include "tests/fakes/FakeUiHost.h"
#include "tests/fakes/FakeUiThread.h"
#include "tests/fakes/FakeVersionInfo.h"
#include "tests/fakes/FakeWindows.h"
#include "ui/Application.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <deque>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace zt {

using Trace = std::vector<std::string>;

// A GS-232 controller: answers the position query with its reading and records every
// command line ("C2", "W120 030", "" for a lone CR) in the trace.
struct SimController {
    explicit SimController(Trace& trace) : trace(trace) {}
    std::string operator()(const std::string& written) {
        for (size_t start = 0, cr; (cr = written.find('\r', start)) != std::string::npos;
             start = cr + 1) {
            const std::string command = written.substr(start, cr - start);
            trace.push_back(command);
            if (onCommand)
                onCommand(command);
        }
        if (gs232b && (written == "C2\r" || written == "C\r")) {
            char reply[32];
            std::snprintf(reply, sizeof reply, "AZ=%03d  EL=%03d\r\n", az, el);
            return written == "C\r" ? std::string(reply, 6) + "\r\n" : reply;
        }
        if (written == "C2\r" || written == "C\r") {
            char reply[32];
            std::snprintf(reply, sizeof reply, "+0%03d+0%03d\r\n", az, el);
            return written == "C\r" ? std::string(reply, 5) + "\r\n" : reply;
        }
        return {};
    }
    Trace& trace;
    int az = 0, el = 0;  // the rotator's own reading
    bool gs232b = false; // answers as a GS-232B: "AZ=aaa  EL=eee"
    std::function<void(const std::string&)> onCommand;
};

struct TracingTone : FakeTone {
    explicit TracingTone(Trace& trace) : trace(trace) {}
    void Beep(int frequencyHz, int durationMs) override {
        FakeTone::Beep(frequencyHz, durationMs);
        trace.push_back("beep " + std::to_string(frequencyHz) + " " + std::to_string(durationMs));
    }
    Trace& trace;
};

// Shows nothing; a test may act while a box "is open".
struct RecordingMessages : FakeMessageBox {
    void Show(const std::string& text, MessageKind kind, bool centred) override {
        FakeMessageBox::Show(text, kind, centred);
        if (whileOpen)
            whileOpen(text);
    }
    std::function<void(const std::string&)> whileOpen;
};

// The Options dialog and About box, scripted: each Options answer is OK or Cancel; OK runs
// onOptionsOk, which stores what the user entered.
struct ScriptedDialogs : IMainDialogs {
    bool ShowOptions(Form&, const std::string& settingsFile, TGS232&) override {
        if (optionsAnswers.empty())
            throw std::logic_error("Options dialog shown without a scripted answer");
        const bool ok = optionsAnswers.front();
        optionsAnswers.pop_front();
        ++optionsShown;
        if (ok && onOptionsOk)
            onOptionsOk(settingsFile);
        return ok;
    }
    void ShowAboutBox(Form&) override { ++aboutShown; }
    std::deque<bool> optionsAnswers;
    std::function<void(const std::string&)> onOptionsOk;
    int optionsShown = 0;
    int aboutShown = 0;
};

// Records which windows were brought to the front, in order.
struct DesktopWindows : FakeWindows {
    bool SetForeground(WindowHandle window) override {
        raised.push_back(window);
        return FakeWindows::SetForeground(window);
    }
    std::vector<WindowHandle> raised;
};

// Gives the main form a window on the fake desktop, for the foreground pairing; each control
// a mirror that reports what it is told to show (onSync).
struct DesktopHost : FakeUiHost {
    explicit DesktopHost(FakeWindows& windows) : windows(windows) {}
    struct Peer : IPeer {
        explicit Peer(WindowHandle handle) : handle(handle) {}
        void Sync() override {}
        WindowHandle Handle() const override { return handle; }
        WindowHandle handle;
    };
    struct ControlPeer : IPeer {
        ControlPeer(DesktopHost& host, Control& control) : host(host), control(control) {}
        void Sync() override {
            if (host.onSync)
                host.onSync(control);
        }
        DesktopHost& host;
        Control& control;
    };
    std::unique_ptr<IPeer> CreatePeer(Form&) override {
        return std::make_unique<Peer>(windows.AddTopLevel("Zenitrack on CALSAT32"));
    }
    std::unique_ptr<IPeer> CreatePeer(Control& control) override {
        return std::make_unique<ControlPeer>(*this, control);
    }
    using FakeUiHost::CreatePeer;
    FakeWindows& windows;
    std::function<void(Control&)> onSync;
};

// 2021-12-02 at the given UTC time, as CALSAT32 publishes it.
inline std::string MjdAt(int hour, int minute, int second = 0) {
    char text[32];
    std::snprintf(text, sizeof text, "%.8f",
                  59550 + (hour * 3600 + minute * 60 + second) / 86400.0);
    return text;
}

struct MainRig {
    static constexpr const char* Key = "Software\\VB and VBA Program Settings\\TAVMIR\\CALSAT32";
    static constexpr const char* Ini = "C:\\Calsat32\\CALSAT32.INI";
    // One pass, local JST times: AOS 19:00 (10:00 UTC) at 200, MAX 19:06 at 45 / 270,
    // LOS 19:12 at 340.
    static constexpr const char* PassTable =
        "2021/12/02 19:00:00 200 0 19:06:00 45 270 19:12:00 340 0 0\r\n";

    MainRig() {
        std::filesystem::create_directories(dir);
        device.reply = [this](const std::string& w) { return controller(w); };
        ui.onPump = [this](int ms) { now += std::chrono::milliseconds(ms); };
        SetLive(MjdAt(9, 50), "ISS [ZARYA]", "100", "200", "-20");
        ini.Set(Ini, "TIMEOFFSET", "TimeOffset", "32400");
        ini.Set(Ini, "TIMEOFFSET", "ChrLST", "JST");
        files.files.insert(Ini);
        files.realDisk = &disk;
        calsat = windows.AddTopLevel("CALSAT32(SGP)", {100, 100, 740, 500});
        passTable = windows.AddChild(calsat, "ThunderRT6TextBox", 84, PassTable);
    }
    ~MainRig() {
        main.reset();
        std::filesystem::remove_all(dir);
    }

    void SetLive(const std::string& mjd, const std::string& sat, const std::string& rev,
                 const std::string& az, const std::string& el) {
        registry.SetString(Key, "MJD", mjd);
        registry.SetString(Key, "Satellite", sat);
        registry.SetString(Key, "Revolution", rev);
        registry.SetString(Key, "Azimuth", az);
        registry.SetString(Key, "Elevation", el);
    }
    void SetDirection(const std::string& az, const std::string& el) {
        registry.SetString(Key, "Azimuth", az);
        registry.SetString(Key, "Elevation", el);
    }

    void Store(const std::string& section, const std::map<std::string, std::string>& keys) {
        TXMLIniFile store(settings, LocaleFormats::Japanese());
        store.OpenNode(section, true);
        for (const auto& [key, value] : keys)
            store.WriteString(key, value);
        store.UpdateFile();
    }
    std::string Stored(const std::string& section, const std::string& key) {
        TXMLIniFile store(settings, LocaleFormats::Japanese());
        if (!store.OpenNode(section, false))
            return "(no section)";
        return store.ReadString(key, "(missing)");
    }
    // What the Options dialog leaves behind when the user confirms it.
    void StoreOptions(const std::map<std::string, std::string>& gs232 = {}) {
        Store(SectionOptionsApp, {{KeyRegKey, std::string("\\") + Key}, {KeyInifile, Ini}});
        Store(SectionOptionsCom, {{KeyComPort, "COM3"}});
        Store(SectionOptionsGS232, gs232);
    }

    void Create() {
        IMainDialogs& shown = realDialogs ? *realDialogs : static_cast<IMainDialogs&>(dialogs);
        main = app.CreateForm<TMain>(TMainServices{registry, windows, files, ini, tone, device, ui,
                                                   shown, LocaleFormats::Japanese(), exe,
                                                   [this] { return now; }});
    }
    // The real Options dialog (driven by host.Script) on a machine where its defaults pass
    // its check, instead of the scripted answers.
    void UseRealDialogs() {
        files.files.insert("C:\\Calsat32\\ELEM.TXT");
        registry.machineStrings["HARDWARE\\DEVICEMAP\\SERIALCOMM"] = {"COM3"};
        realDialogs = std::make_unique<TMainDialogs>(
            TOptionsServices{registry, files, fileDialog, LocaleFormats::Japanese()}, versionInfo,
            exe);
    }
    // A configured program up to its first tick: created, activated, trace forgotten.
    void Start(const std::map<std::string, std::string>& gs232 = {}) {
        StoreOptions(gs232);
        Create();
        main->Activate();
        ASSERT_TRUE(main->Timer1.Enabled())
            << (messages.texts().empty() ? "" : messages.texts()[0]);
        trace.clear();
    }
    void Tick() { main->Timer1.Fire(); }
    void TickAt(int hour, int minute, int second = 0) {
        registry.SetString(Key, "MJD", MjdAt(hour, minute, second));
        Tick();
    }
    // Commands the controller received, without the position queries.
    Trace Commands() const {
        Trace commands;
        for (const auto& t : trace)
            if (t != "C2" && t != "C" && t.rfind("beep", 0) != 0)
                commands.push_back(t);
        return commands;
    }
    std::vector<FakeTone::Tone> Tones() const { return tone.tones; }

    Trace trace;
    SimController controller{trace};
    FakeRegistry registry;
    DesktopWindows windows;
    // The settings file lies on the real disk, in dir; CALSAT32's files are only answered.
    StdFileSystem disk;
    FakeFileSystem files;
    FakeIniFile ini;
    TracingTone tone{trace};
    FakeSerialDevice device;
    FakeUiThread ui;
    ScriptedDialogs dialogs;
    RecordingMessages messages;
    FakeFileDialog fileDialog;
    FakeVersionInfo versionInfo;
    std::unique_ptr<TMainDialogs> realDialogs;
    DesktopHost host{windows};
    Application app{host, messages};
    std::chrono::steady_clock::time_point now{};
    std::filesystem::path dir =
        std::filesystem::temp_directory_path() /
        ("zt-main-" + std::to_string(std::chrono::system_clock::now().time_since_epoch().count()));
    std::string exe = (dir / "zenitrack.exe").string();
    std::string settings = (dir / "zenitrack.xml").string();
    WindowHandle calsat = 0;
    WindowHandle passTable = 0;
    std::unique_ptr<TMain> main;
};

} // namespace zt
