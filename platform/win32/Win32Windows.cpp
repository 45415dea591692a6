#include "platform/win32/Win32Windows.h"

#include "platform/win32/Utf16.h"

#include <windows.h>

#include <vector>

namespace zt {

namespace {

HWND ToHwnd(WindowHandle window) {
    return reinterpret_cast<HWND>(window);
}

// A window of a hung program must not hang the caller.
constexpr UINT TextTimeoutMs = 2000;

BOOL CALLBACK VisitChild(HWND hwnd, LPARAM context) {
    const auto& visit = *reinterpret_cast<const std::function<bool(WindowHandle)>*>(context);
    return visit(reinterpret_cast<WindowHandle>(hwnd)) ? TRUE : FALSE;
}

} // namespace

WindowHandle Win32Windows::FindTopLevel(const std::string& caption) {
    return reinterpret_cast<WindowHandle>(FindWindowW(nullptr, ToUtf16(caption).c_str()));
}

void Win32Windows::EnumDescendants(WindowHandle parent,
                                   const std::function<bool(WindowHandle)>& visit) {
    EnumChildWindows(ToHwnd(parent), VisitChild, reinterpret_cast<LPARAM>(&visit));
}

std::string Win32Windows::ClassName(WindowHandle window) {
    wchar_t name[256];
    const int n = GetClassNameW(ToHwnd(window), name, 256);
    return ToUtf8(std::wstring_view(name, n > 0 ? static_cast<size_t>(n) : 0));
}

int Win32Windows::ControlId(WindowHandle window) {
    return GetDlgCtrlID(ToHwnd(window));
}

std::string Win32Windows::Text(WindowHandle window, int maxChars) {
    return AnsweredText(window, maxChars).value_or(std::string());
}

std::optional<std::string> Win32Windows::AnsweredText(WindowHandle window, int maxChars) {
    if (maxChars <= 0)
        return std::string();
    std::vector<wchar_t> buffer(static_cast<size_t>(maxChars) + 1, L'\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(ToHwnd(window), WM_GETTEXT, buffer.size(),
                             reinterpret_cast<LPARAM>(buffer.data()), SMTO_ABORTIFHUNG,
                             TextTimeoutMs, &copied))
        return std::nullopt;
    const size_t n = copied < buffer.size() ? static_cast<size_t>(copied) : buffer.size() - 1;
    return ToUtf8(std::wstring_view(buffer.data(), n));
}

std::optional<WindowRect> Win32Windows::ScreenRect(WindowHandle window) {
    RECT r;
    if (!GetWindowRect(ToHwnd(window), &r))
        return std::nullopt;
    return WindowRect{r.left, r.top, r.right, r.bottom};
}

bool Win32Windows::OnSomeScreen(const WindowRect& rect) {
    const RECT r{rect.Left, rect.Top, rect.Right, rect.Bottom};
    return MonitorFromRect(&r, MONITOR_DEFAULTTONULL) != nullptr;
}

WindowHandle Win32Windows::Foreground() {
    return reinterpret_cast<WindowHandle>(GetForegroundWindow());
}

bool Win32Windows::SetForeground(WindowHandle window) {
    return SetForegroundWindow(ToHwnd(window)) != FALSE;
}

} // namespace zt
