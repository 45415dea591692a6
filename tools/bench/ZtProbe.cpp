// zt-probe: the performance runs' eyes inside Wine. Samples CALSAT32's published time and
// satellite direction with the wall clock, reads another program's handle counts, and times
// the position query's two read rules on a real port.
#include "platform/IMessageBox.h"
#include "platform/win32/Utf16.h"
#include "platform/win32/Win32SerialDevice.h"
#include "platform/win32/Win32UiThread.h"
#include "serial/CPortX.h"

#include <windows.h>
#include <winternl.h>

#include <algorithm>
#include <chrono>
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
                               process owning the top-level window (exit 1 if none); "-"
                               for a count the system does not give
  commwait PORT SECONDS        only wait for line events on PORT, as the serial device
                               does, pausing 100 ms after each wait that ends without
                               one; prints how many waits ended (to tell Wine's memory use
                               from the program's)
  exchange PORT TICKS PERIOD_MS  every period, what a tick does on the rotator's port: "C2",
                               its reply read by RecvStr (even ticks) or RecvLine (odd),
                               then a move; prints "rule blocked-ms c2-to-move-ms reply"
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

// The process's entries in the system's handle table. GetProcessHandleCount answers 0 for
// other processes under Wine; the table is kept by the Wine server itself.
std::string HandleCount(DWORD pid) {
    std::vector<BYTE> buffer(1 << 16);
    constexpr NTSTATUS LengthMismatch = static_cast<NTSTATUS>(0xC0000004);
    NTSTATUS status;
    ULONG needed = 0;
    while ((status = NtQuerySystemInformation(SystemHandleInformation, buffer.data(),
                                              static_cast<ULONG>(buffer.size()), &needed)) ==
           LengthMismatch)
        buffer.resize(std::max<size_t>(buffer.size() * 2, needed + 4096));
    if (status < 0)
        return "-";
    const auto* table = reinterpret_cast<const SYSTEM_HANDLE_INFORMATION*>(buffer.data());
    size_t count = 0;
    for (ULONG i = 0; i < table->Count; ++i)
        count += table->Handle[i].OwnerPid == pid;
    return std::to_string(count);
}

// A process with a window owns at least one USER object, so 0 means "not counted".
std::string GuiCount(HANDLE process, DWORD flags) {
    const DWORD n = GetGuiResources(process, flags);
    return n ? std::to_string(n) : "-";
}

int Handles(const std::string& caption) {
    HWND window = FindWindowW(nullptr, ToUtf16(caption).c_str());
    DWORD pid = 0;
    if (!window || !GetWindowThreadProcessId(window, &pid))
        return 1;
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, pid);
    if (!process)
        return 1;
    const std::string gdi = GuiCount(process, GR_GDIOBJECTS);
    const std::string user = GuiCount(process, GR_USEROBJECTS);
    CloseHandle(process);
    std::printf("%s %s %s\n", HandleCount(pid).c_str(), gdi.c_str(), user.c_str());
    return 0;
}

int CommWait(const std::string& port, int seconds) {
    HANDLE h = CreateFileW(ToUtf16("\\\\.\\" + port).c_str(), GENERIC_READ | GENERIC_WRITE, 0,
                           nullptr, OPEN_EXISTING, FILE_FLAG_OVERLAPPED, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return 1;
    SetCommMask(h, EV_RXCHAR | EV_TXEMPTY | EV_ERR | EV_BREAK | EV_RXFLAG);
    OVERLAPPED ov{};
    ov.hEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    long ended = 0;
    for (const ULONGLONG end = GetTickCount64() + seconds * 1000ULL; GetTickCount64() < end;) {
        DWORD occurred = 0, unused = 0;
        ResetEvent(ov.hEvent);
        if (!WaitCommEvent(h, &occurred, &ov) && GetLastError() == ERROR_IO_PENDING) {
            WaitForSingleObject(ov.hEvent, INFINITE);
            if (!GetOverlappedResult(h, &ov, &unused, FALSE)) {
                ++ended;
                Sleep(100);
            }
        }
    }
    std::printf("%ld waits ended without an event\n", ended);
    CloseHandle(ov.hEvent);
    CloseHandle(h);
    return 0;
}

struct StderrBox : IMessageBox {
    void Show(const std::string& text, MessageKind, bool) override {
        std::fprintf(stderr, "%s\n", text.c_str());
    }
};

double MsBetween(std::chrono::steady_clock::time_point a, std::chrono::steady_clock::time_point b) {
    return std::chrono::duration<double, std::milli>(b - a).count();
}

// The port is set up as the rotator link's is (its defaults; no flow control); the move
// goes to 0/0, where gs232sim starts, so nothing turns.
int Exchange(const std::string& portName, int ticks, int periodMs) {
    StderrBox box;
    Win32UiThread ui(box);
    Win32SerialDevice device;
    TCPortX port(device, ui);
    port.SetPort(portName);
    port.SetFlowControl("None");
    try {
        port.Open();
        for (int tick = 0; tick < ticks; ++tick) {
            const bool line = tick % 2 == 1;
            std::string reply;
            using Clock = std::chrono::steady_clock;
            const auto start = Clock::now();
            port.SendStr("C2\r");
            if (line)
                port.RecvLine(20, reply);
            else
                port.RecvStr(20, reply);
            const auto moveAt = Clock::now();
            port.SendStr("W000 000\r");
            const auto end = Clock::now();
            for (char& c : reply)
                if (c == '\r' || c == '\n')
                    c = '~';
            std::printf("%s %.1f %.1f %s\n", line ? "RecvLine" : "RecvStr", MsBetween(start, end),
                        MsBetween(start, moveAt), reply.c_str());
            std::fflush(stdout);
            ui.PumpFor(std::max(0, periodMs - static_cast<int>(MsBetween(start, Clock::now()))));
        }
    } catch (const EComPort& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
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
    if (a.size() == 4 && a[0] == "exchange")
        return Exchange(a[1], std::atoi(a[2].c_str()), std::atoi(a[3].c_str()));
    if (a.size() == 3 && a[0] == "commwait")
        return CommWait(a[1], std::atoi(a[2].c_str()));
    std::fputs(Usage, stderr);
    return 2;
}
