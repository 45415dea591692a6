#include "platform/win32/Win32MessageBox.h"

#include "platform/win32/Utf16.h"

#include <windows.h>

namespace zt {

namespace {

// The hook of the box being opened on this thread, while it is being opened.
thread_local HHOOK centringHook = nullptr;

LRESULT CALLBACK CentreOnActivate(int code, WPARAM wParam, LPARAM lParam) {
    const HHOOK hook = centringHook;
    if (code == HCBT_ACTIVATE) {
        const HWND box = reinterpret_cast<HWND>(wParam);
        RECT r;
        if (GetWindowRect(box, &r)) {
            const int w = r.right - r.left, h = r.bottom - r.top;
            SetWindowPos(box, nullptr, (GetSystemMetrics(SM_CXSCREEN) - w) / 2,
                         (GetSystemMetrics(SM_CYSCREEN) - h) / 2, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
        UnhookWindowsHookEx(hook);
        centringHook = nullptr;
        return 0;
    }
    return CallNextHookEx(hook, code, wParam, lParam);
}

UINT IconOf(MessageKind kind) {
    switch (kind) {
    case MessageKind::Error:
        return MB_ICONERROR;
    case MessageKind::Warning:
        return MB_ICONWARNING;
    case MessageKind::Plain:
        return 0;
    default:
        return MB_ICONINFORMATION;
    }
}

} // namespace

void Win32MessageBox::Show(const std::string& text, MessageKind kind, bool centred) {
    if (centred && !centringHook)
        centringHook = SetWindowsHookExW(WH_CBT, CentreOnActivate, nullptr, GetCurrentThreadId());
    const HWND owner = GetActiveWindow();
    MessageBoxW(owner, ToUtf16(text).c_str(), ToUtf16(caption_).c_str(),
                MB_OK | IconOf(kind) | (owner ? 0 : MB_TASKMODAL));
    if (centringHook) { // the box never opened
        UnhookWindowsHookEx(centringHook);
        centringHook = nullptr;
    }
}

} // namespace zt
