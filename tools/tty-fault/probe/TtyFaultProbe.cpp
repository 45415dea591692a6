// tty-fault-probe: what a Windows program sees of a serial port whose device tty-fault
// pulls. Opens the port, asks a GS-232 for its position, creates the trigger file, runs
// each serial call once and prints its result and GetLastError (also on a handle opened
// while pulled), removes the trigger, tries the old handle again, then opens the port anew
// and asks again.
//   tty-fault-probe PORT TRIGGER      e.g. COM8 Z:\tmp\pulled
// Exit status 0 when the port answered before the pull and after the new open.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

void Report(const char* call, BOOL ok) {
    const DWORD error = ok ? 0 : GetLastError();
    std::printf("%s\t%s\t%lu\n", call, ok ? "ok" : "failed", error);
    std::fflush(stdout);
}

HANDLE Open(const std::wstring& port) {
    HANDLE h = CreateFileW((L"\\\\.\\" + port).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                           OPEN_EXISTING, 0, nullptr);
    Report("CreateFile", h != INVALID_HANDLE_VALUE);
    if (h == INVALID_HANDLE_VALUE)
        return h;
    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    GetCommState(h, &dcb);
    dcb.BaudRate = 9600;
    dcb.ByteSize = 8;
    dcb.Parity = NOPARITY;
    dcb.StopBits = ONESTOPBIT;
    SetCommState(h, &dcb);
    COMMTIMEOUTS t{};
    t.ReadIntervalTimeout = 200;
    t.ReadTotalTimeoutConstant = 1000;
    SetCommTimeouts(h, &t);
    return h;
}

// "C2" and its reply; true when a reply came.
bool Ask(HANDLE h, const char* label) {
    DWORD n = 0;
    const BOOL sent = WriteFile(h, "C2\r", 3, &n, nullptr);
    char reply[32] = {};
    DWORD got = 0;
    const BOOL read = sent && ReadFile(h, reply, sizeof reply - 1, &got, nullptr);
    std::printf("%s\t%s\t%lu\t%s\n", label, read && got > 0 ? "ok" : "failed",
                read ? 0 : GetLastError(), std::string(reply, got).c_str());
    std::fflush(stdout);
    return read && got > 0;
}

void EveryCall(HANDLE h) {
    DWORD n = 0;
    Report("WriteFile", WriteFile(h, "S\r", 2, &n, nullptr));
    char buf[8];
    Report("ReadFile", ReadFile(h, buf, sizeof buf, &n, nullptr));
    Report("PurgeComm",
           PurgeComm(h, PURGE_TXABORT | PURGE_RXABORT | PURGE_TXCLEAR | PURGE_RXCLEAR));
    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    Report("GetCommState", GetCommState(h, &dcb));
    Report("SetCommState", SetCommState(h, &dcb));
    DWORD errors = 0;
    COMSTAT stat{};
    Report("ClearCommError", ClearCommError(h, &errors, &stat));
    Report("EscapeCommFunction", EscapeCommFunction(h, SETDTR));
    Report("FlushFileBuffers", FlushFileBuffers(h));
    DWORD modem = 0;
    Report("GetCommModemStatus", GetCommModemStatus(h, &modem));
    Report("SetCommMask", SetCommMask(h, EV_RXCHAR));
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 3) {
        std::fputs("Usage: tty-fault-probe PORT TRIGGER\n", stderr);
        return 2;
    }
    const std::wstring port = argv[1], trigger = argv[2];
    HANDLE h = Open(port);
    if (h == INVALID_HANDLE_VALUE)
        return 1;
    const bool before = Ask(h, "before");
    HANDLE t = CreateFileW(trigger.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    CloseHandle(t);
    std::puts("pulled");
    EveryCall(h);
    std::puts("opened while pulled");
    HANDLE again = Open(port);
    if (again != INVALID_HANDLE_VALUE)
        EveryCall(again);
    CloseHandle(again);
    DeleteFileW(trigger.c_str());
    std::puts("plugged back");
    Ask(h, "old handle");
    Report("CloseHandle", CloseHandle(h));
    h = Open(port);
    const bool after = h != INVALID_HANDLE_VALUE && Ask(h, "new handle");
    CloseHandle(h);
    return before && after ? 0 : 1;
}
