// The link against the stand-in running as a program of its own.
#include "app/uRoutine.h"
#include "calsat/LiveState.h"
#include "calsat/TimeOffsetReader.h"
#include "calsat/VisibleTimeReader.h"
#include "platform/win32/Utf16.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32IniFile.h"
#include "platform/win32/Win32Locale.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32Windows.h"
#include "tests/fakes/FakeMessageBox.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

namespace zt {
namespace {

std::wstring DosPath(const char* unixPath) {
    std::wstring path = L"Z:" + ToUtf16(unixPath);
    std::replace(path.begin(), path.end(), L'/', L'\\');
    return path;
}

constexpr double Second = 1.0 / 86400;

bool WaitFor(DWORD ms, const std::function<bool()>& done) {
    for (const DWORD start = GetTickCount(); !done(); Sleep(100))
        if (GetTickCount() - start > ms)
            return false;
    return true;
}

std::string PassTableText(IWindows& windows) {
    const WindowHandle main = windows.FindTopLevel("calsat32(sgp)");
    std::string text;
    if (!main)
        return text;
    TTextBoxSearch search{windows, text};
    windows.EnumDescendants(main, [&](WindowHandle w) { return EnumTextBoxProc(w, search); });
    return text;
}

TEST(CalsatSimLink, ReadsTheStandInsWindowRegistryAndIni) {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring ini = std::wstring(temp) + L"zt-calsat-sim\\CALSAT32.INI";
    std::filesystem::remove_all(std::filesystem::path(ini).parent_path());
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\ZenitrackTest\\Sim");

    // The stand-in plays a scripted pass (rising at 12:01:00 UTC, setting at 12:10:00) and
    // closes its window 20 s into it.
    std::wstring command = L"\"" + DosPath(ZT_CALSAT_SIM_EXE) + L"\" --scenario \"" +
                           DosPath(ZT_SCENARIOS_DIR) + L"\\scripted-north.scn\" --regkey " +
                           L"\"\\Software\\ZenitrackTest\\Sim\" --ini \"" + ini +
                           L"\" --fault \"close 20\"";
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, &si, &pi));

    Win32Windows windows;
    Win32Registry reg;
    // The window shows before its first refresh fills the table, and the key opens before
    // its values are written (more so at the first run in a new Wine prefix): wait for the
    // table's text and the last value the test reads, not for the window and the key.
    ASSERT_TRUE(WaitFor(60000, [&] { return !PassTableText(windows).empty(); }))
        << "the stand-in's pass table was still empty after 60 s";
    ASSERT_TRUE(WaitFor(60000, [&] {
        Win32Registry values;
        if (!values.OpenKey("\\Software\\ZenitrackTest\\Sim"))
            return false;
        for (const char* name : {"MJD", "Satellite", "Revolution", "Azimuth", "Elevation"})
            if (values.ReadString(name).empty())
                return false;
        return true;
    })) << "the stand-in's registry values were still missing after 60 s";

    const LocaleFormats formats = ReadUserLocaleFormats();
    const TDateTime start = EncodeDate(2024, 5, 1) + 0.5;
    TVisibleTimeReader passTable(windows, formats);
    TVisibleTime vt;
    std::string text;
    passTable.ReadVisibleTime(start, 0.375, vt, text);
    EXPECT_NEAR(vt.AosDateTime, start + 60 * Second, 0.5 * Second) << text;
    EXPECT_NEAR(vt.MaxDateTime, start + 300 * Second, 0.5 * Second);
    EXPECT_NEAR(vt.LosDateTime, start + 600 * Second, 0.5 * Second);
    EXPECT_EQ(vt.AosAz, 300);
    EXPECT_EQ(vt.MaxEl, 40);
    EXPECT_EQ(vt.LosAz, 60);

    ASSERT_TRUE(reg.OpenKey("\\Software\\ZenitrackTest"));
    ASSERT_TRUE(reg.OpenKey("Sim"));
    const TLiveState live(reg, formats);
    const TDateTime now = live.ReadNow();
    EXPECT_GE(now, start);
    EXPECT_LE(now, start + 20 * Second);
    EXPECT_EQ(live.ReadSat(), "TEST-SAT ");
    EXPECT_EQ(live.ReadEpochRev(), 100);
    EXPECT_GE(live.ReadSatelliteAz(), 290);
    EXPECT_LE(live.ReadSatelliteAz(), 300);
    EXPECT_LE(live.ReadSatelliteEl(), 0);

    Win32FileSystem files;
    Win32IniFile iniFiles;
    FakeMessageBox messages;
    TObservationPoint obs;
    TTimeOffsetReader(files, iniFiles, messages, formats)
        .ReadTimeOffset("CALSAT32", ToUtf8(ini), obs);
    EXPECT_DOUBLE_EQ(obs.TimeOffset, 0.375);
    EXPECT_EQ(obs.LocalTimeStr, "JST");
    EXPECT_TRUE(messages.shown.empty());

    // The close switch ends the stand-in by itself; its last values stay behind.
    EXPECT_EQ(WaitForSingleObject(pi.hProcess, 40000), WAIT_OBJECT_0);
    DWORD code = 1;
    GetExitCodeProcess(pi.hProcess, &code);
    EXPECT_EQ(code, 0u);
    EXPECT_EQ(windows.FindTopLevel("CALSAT32(SGP)"), 0u);
    EXPECT_GE(live.ReadNow(), start + 19 * Second);
    TerminateProcess(pi.hProcess, 1);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\ZenitrackTest\\Sim");
}

} // namespace
} // namespace zt
