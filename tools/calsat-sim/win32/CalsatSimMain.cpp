// calsat-sim: a stand-in for CALSAT32 that plays a scenario.
#include "platform/win32/Utf16.h"
#include "platform/win32/Win32Locale.h"
#include "tools/calsat-sim/SimOptions.h"
#include "tools/calsat-sim/Sky.h"
#include "tools/calsat-sim/win32/SimPublisher.h"
#include "tools/calsat-sim/win32/SimWindow.h"

#include <windows.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

using namespace zt;
using namespace zt::sim;

namespace {

constexpr UINT RefreshMs = 200;

TDateTime UtcNow() {
    FILETIME ft;
    GetSystemTimeAsFileTime(&ft);
    const double ticks =
        static_cast<double>((static_cast<ULONGLONG>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime);
    // 100 ns ticks since 1601-01-01.
    return EncodeDate(1601, 1, 1) + ticks / 1e7 / SecondsPerDay;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(std::filesystem::path(ToUtf16(path)), std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read the scenario " + path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string Utc(TDateTime t) {
    const TDateTimeParts p = DecodeDateTime(t);
    char s[32];
    std::snprintf(s, sizeof s, "%04d-%02d-%02d %02d:%02d:%02d", p.Year, p.Month, p.Day, p.Hour,
                  p.Minute, p.Second);
    return s;
}

void Say(const std::string& line) {
    std::fputs((line + "\n").c_str(), stdout);
    std::fflush(stdout);
}

Sky LoadSky(const SimOptions& options) {
    Scenario scenario = ParseScenario(ReadFile(options.ScenarioPath));
    for (const std::string& fault : options.Faults)
        scenario.Faults.push_back(ParseFault(fault));
    TDateTime start = scenario.Start.value_or(UtcNow());
    if (options.Start)
        start = *options.Start == "now" ? UtcNow() : ParseUtc(*options.Start);
    return Sky(std::move(scenario), start);
}

int Play(const SimOptions& options) {
    const Sky sky = LoadSky(options);
    const LocaleFormats formats = ReadUserLocaleFormats();
    SimPublisher::WriteIni(options.IniPath, sky.Setup().TimeOffset, sky.Setup().ChrLst);
    SimPublisher::WriteElementsFile(options.IniPath);
    SimPublisher publisher(options.RegKey);

    Say("calsat-sim: start " + Utc(sky.Start()) + " UTC, time scale " +
        std::to_string(options.TimeScale));
    for (const Pass& p : sky.PassesNear(sky.Start()))
        if (p.Los >= sky.Start())
            Say("pass AOS " + Utc(p.Aos) + " az " + FormatFixed(p.AosAz, 1, {}) + "  MAX " +
                Utc(p.Max) + " el " + FormatFixed(p.MaxEl, 1, {}) + " az " +
                FormatFixed(p.MaxAz, 1, {}) + "  LOS " + Utc(p.Los) + " az " +
                FormatFixed(p.LosAz, 1, {}));

    const auto wallStart = std::chrono::steady_clock::now();
    const auto simNow = [&] {
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - wallStart;
        return sky.Start() + elapsed.count() * options.TimeScale / SecondsPerDay;
    };
    std::ofstream truth;
    if (!options.TruthPath.empty()) {
        truth.open(std::filesystem::path(ToUtf16(options.TruthPath)));
        if (!truth)
            throw std::runtime_error("cannot write the truth log " + options.TruthPath);
        truth << std::fixed;
        truth.precision(3);
    }
    SimWindow* window = nullptr;
    TDateTime previous = sky.Start();
    const auto tick = [&] {
        TDateTime t = simNow();
        if (sky.WindowClosed(t)) {
            Say("calsat-sim: window closed at " + Utc(t) + " UTC");
            window->Close();
            return;
        }
        publisher.Publish(sky.RegistryValues(t, formats));
        // Busy on the window's own thread, so no message is answered meanwhile; the
        // registry already shows what comes after the hang (a new satellite, say).
        if (const double hang = sky.HangSeconds(previous, t); hang > 0) {
            Say("calsat-sim: hangs for " + FormatFixed(hang, 1, {}) + " s at " + Utc(t) + " UTC");
            Sleep(static_cast<DWORD>(hang * 1000));
            Say("calsat-sim: answers again");
            t = simNow();
        }
        previous = t;
        window->SetPassTable(sky.PassTableText(t, formats));
        const Look look = sky.At(t);
        if (truth.is_open())
            truth << (UtcNow() - EncodeDate(1970, 1, 1)) * SecondsPerDay << '\t' << Utc(t) << '\t'
                  << look.Azimuth << '\t' << look.Elevation << std::endl;
        window->SetStatus(Utc(t) + " UTC   " + sky.Satellite(t) + "   Rev " +
                          std::to_string(sky.Revolution(t)) + "   Az " +
                          FormatFixed(look.Azimuth, 1, formats) + "   El " +
                          FormatFixed(look.Elevation, 1, formats));
    };
    SimWindow simWindow(GetModuleHandleW(nullptr), tick, RefreshMs);
    window = &simWindow;
    tick();
    return simWindow.Run();
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i)
        args.push_back(ToUtf8(argv[i]));
    try {
        const SimOptions options = ParseSimOptions(args);
        if (options.Help) {
            std::fputs(SimUsage, stdout);
            return 0;
        }
        return Play(options);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "calsat-sim: %s\n\n%s", e.what(), SimUsage);
        return 2;
    }
}
