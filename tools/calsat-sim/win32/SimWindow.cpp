#include "tools/calsat-sim/win32/SimWindow.h"

#include "platform/win32/Utf16.h"

#include <stdexcept>

namespace zt::sim {

namespace {

constexpr wchar_t MainClass[] = L"CalsatSimWindow";
constexpr wchar_t FrameClass[] = L"ThunderRT6Frame";
constexpr wchar_t TextBoxClass[] = L"ThunderRT6TextBox";
constexpr int PassTableId = 84;
constexpr UINT_PTR TimerId = 1;

WNDPROC EditProc = nullptr;

void Register(HINSTANCE instance, const wchar_t* name, WNDPROC proc) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = proc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = name;
    if (!RegisterClassExW(&wc))
        throw std::runtime_error("cannot register a window class");
}

// The pass table's own class, an edit control under the name CALSAT32's text box has.
void RegisterTextBox(HINSTANCE instance, WNDPROC proc) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    if (!GetClassInfoExW(nullptr, L"EDIT", &wc))
        throw std::runtime_error("no edit control class");
    EditProc = wc.lpfnWndProc;
    wc.lpfnWndProc = proc;
    wc.hInstance = instance;
    wc.lpszClassName = TextBoxClass;
    if (!RegisterClassExW(&wc))
        throw std::runtime_error("cannot register the text box class");
}

HWND Child(const wchar_t* cls, DWORD style, int x, int y, int w, int h, HWND parent, int id,
           HINSTANCE instance) {
    HWND hwnd =
        CreateWindowExW(0, cls, L"", WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
    if (!hwnd)
        throw std::runtime_error("cannot create a child window");
    SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 TRUE);
    return hwnd;
}

} // namespace

SimWindow::SimWindow(HINSTANCE instance, std::function<void()> tick, UINT periodMs)
    : Tick(std::move(tick)) {
    Register(instance, MainClass, MainProc);
    Register(instance, FrameClass, DefWindowProcW);
    RegisterTextBox(instance, TextBoxProc);
    Main = CreateWindowExW(0, MainClass, L"CALSAT32(SGP)",
                           WS_OVERLAPPEDWINDOW & ~WS_MAXIMIZEBOX & ~WS_THICKFRAME, 100, 80, 660,
                           330, nullptr, nullptr, instance, this);
    if (!Main)
        throw std::runtime_error("cannot create the main window");
    Status = Child(L"STATIC", SS_LEFT, 8, 8, 630, 20, Main, 1, instance);
    const HWND frame = Child(FrameClass, 0, 8, 32, 630, 250, Main, 2, instance);
    PassTable = Child(TextBoxClass, WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_READONLY, 0, 0, 630,
                      250, frame, PassTableId, instance);
    ShowWindow(Main, SW_SHOWNOACTIVATE);
    SetTimer(Main, TimerId, periodMs, nullptr);
}

void SimWindow::SetPassTable(const std::string& text) {
    if (text == ShownTable)
        return;
    ShownTable = text;
    SetWindowTextW(PassTable, ToUtf16(text).c_str());
}

void SimWindow::SetStatus(const std::string& text) {
    SetWindowTextW(Status, ToUtf16(text).c_str());
}

void SimWindow::Close() {
    if (Main)
        DestroyWindow(Main);
}

int SimWindow::Run() {
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}

LRESULT CALLBACK SimWindow::MainProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        const auto* cs = reinterpret_cast<const CREATESTRUCTW*>(lp);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
    }
    auto* self = reinterpret_cast<SimWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    switch (msg) {
    case WM_TIMER:
        if (self && wp == TimerId)
            self->Tick();
        return 0;
    case WM_DESTROY:
        KillTimer(hwnd, TimerId);
        if (self)
            self->Main = nullptr;
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(hwnd, msg, wp, lp);
    }
}

LRESULT CALLBACK SimWindow::TextBoxProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    return CallWindowProcW(EditProc, hwnd, msg, wp, lp);
}

} // namespace zt::sim
