// zt-probe: the performance runs' eyes inside Wine. Samples CALSAT32's published time and
// satellite direction with the wall clock, and reads another program's handle counts.
#include "platform/win32/Utf16.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

using namespace zt;

namespace {

constexpr const char* Usage =
    R"(Usage: zt-probe COMMAND [ARGS]
  sky FILE PERIOD_MS [REGKEY]  append "unix-seconds MJD azimuth elevation" every period,
                               read from CALSAT32's registry key, until killed
  handles CAPTION              print the handle, GDI-object and USER-object counts of the
                               process owning the top-level window (exit 1 if none)
)";

constexpr const wchar_t* DefaultKey = L"Software\\VB and VBA Program Settings\\TAVMIR\\CALSAT32";

double UnixSeconds() {
    FILETIME ft;
    GetSystemTimePreciseAsFileTime(&ft);
    const ULONGLONG ticks = (static_cast<ULONGLONG>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
    // 100 ns ticks since 1601-01-01; the Unix epoch is 11644473600 s later.
    return static_cast<double>(ticks) / 1e7 - 11644473600.0;
}

std::string Value(HKEY key, const wchar_t* name) {
    wchar_t text[64] = {};
    DWORD size = sizeof text - sizeof(wchar_t);
    if (RegQueryValueExW(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(text), &size) !=
        ERROR_SUCCESS)
        return "-";
    return ToUtf8(text);
}

int Sky(const std::string& file, int periodMs, const std::wstring& keyPath) {
    FILE* out = _wfopen(ToUtf16(file).c_str(), L"a");
    if (!out)
        return 2;
    for (;; Sleep(static_cast<DWORD>(periodMs))) {
        HKEY key = nullptr;
        // Opened afresh each time: the publisher may create the key after we start.
        if (RegOpenKeyExW(HKEY_CURRENT_USER, keyPath.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
            continue;
        const double now = UnixSeconds();
        const std::string mjd = Value(key, L"MJD"), az = Value(key, L"Azimuth"),
                          el = Value(key, L"Elevation");
        RegCloseKey(key);
        std::fprintf(out, "%.3f %s %s %s\n", now, mjd.c_str(), az.c_str(), el.c_str());
        std::fflush(out);
    }
}

int Handles(const std::string& caption) {
    HWND window = FindWindowW(nullptr, ToUtf16(caption).c_str());
    DWORD pid = 0;
    if (!window || !GetWindowThreadProcessId(window, &pid))
        return 1;
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, pid);
    if (!process)
        return 1;
    DWORD handles = 0;
    const bool known = GetProcessHandleCount(process, &handles);
    const DWORD gdi = GetGuiResources(process, GR_GDIOBJECTS);
    const DWORD user = GetGuiResources(process, GR_USEROBJECTS);
    CloseHandle(process);
    std::printf("%s %lu %lu\n", known ? std::to_string(handles).c_str() : "-", gdi, user);
    return 0;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    std::vector<std::string> a;
    for (int i = 1; i < argc; ++i)
        a.push_back(ToUtf8(argv[i]));
    if (a.size() >= 3 && a[0] == "sky")
        return Sky(a[1], std::atoi(a[2].c_str()), a.size() > 3 ? ToUtf16(a[3]) : DefaultKey);
    if (a.size() == 2 && a[0] == "handles")
        return Handles(a[1]);
    std::fputs(Usage, stderr);
    return 2;
}
