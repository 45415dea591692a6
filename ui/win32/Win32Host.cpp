#include "ui/win32/Win32Host.h"

#include "platform/win32/Utf16.h"
#include "ui/Application.h"
#include "ui/Button.h"
#include "ui/CheckBox.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/Form.h"
#include "ui/Label.h"
#include "ui/PageControl.h"
#include "ui/Panel.h"
#include "ui/Picture.h"
#include "ui/RadioGroup.h"
#include "ui/SpeedButton.h"
#include "ui/Timer.h"
#include "ui/win32/Win32ButtonPeers.h"
#include "ui/win32/Win32FormPeer.h"
#include "ui/win32/Win32PagePeers.h"
#include "ui/win32/Win32PanelPeers.h"
#include "ui/win32/Win32RadioGroupPeer.h"
#include "ui/win32/Win32TextPeers.h"
#include "ui/win32/Win32TimerPeer.h"

#include <commctrl.h>

#include <vector>

namespace zt {

namespace {

const wchar_t* const TimerClass = L"ZenitrackTimers";

void RegisterClasses(HINSTANCE instance, WNDPROC timerProc) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = Win32Peer::OwnWindowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    if (!wc.hIcon)
        wc.hIcon = LoadIconW(instance, L"MAINICON");
    wc.lpszClassName = OwnWindowClass();
    RegisterClassExW(&wc); // a second host finds it registered already

    WNDCLASSEXW timers{};
    timers.cbSize = sizeof timers;
    timers.lpfnWndProc = timerProc;
    timers.hInstance = instance;
    timers.lpszClassName = TimerClass;
    RegisterClassExW(&timers);
}

BOOL CALLBACK CollectEnabled(HWND window, LPARAM list) {
    if (IsWindowVisible(window) && IsWindowEnabled(window))
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

} // namespace

Win32Host::Win32Host() {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_TAB_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&icc);
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    RegisterClasses(instance, TimerProc);
    timerWindow_.Reset(
        CreateWindowExW(0, TimerClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, this));
    if (!timerWindow_)
        throw std::runtime_error("CreateWindowEx failed for the timer window");
}

Win32Host::~Win32Host() = default;

LRESULT CALLBACK Win32Host::TimerProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    } else if (msg == WM_TIMER) {
        auto* host = reinterpret_cast<Win32Host*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        const auto it = host ? host->timers_.find(wParam) : decltype(host->timers_.end()){};
        if (host && it != host->timers_.end()) {
            Timer& timer = *it->second;
            Application& app = timer.Owner().App();
            Dispatcher::EventScope scope(app.EventDispatcher());
            timer.Fire();
        }
        return 0;
    }
    return DefWindowProcW(window, msg, wParam, lParam);
}

std::unique_ptr<IPeer> Win32Host::CreatePeer(Form& form) {
    return std::make_unique<Win32FormPeer>(*this, form);
}

std::unique_ptr<IPeer> Win32Host::CreatePeer(Label& control) {
    return std::make_unique<Win32LabelPeer>(*this, control);
}

std::unique_ptr<IPeer> Win32Host::CreatePeer(Button& control) {
    return std::make_unique<Win32ButtonPeer>(*this, control);
}

std::unique_ptr<IPeer> Win32Host::CreatePeer(SpeedButton& control) {
    return std::make_unique<Win32SpeedButtonPeer>(*this, control);
}

std::unique_ptr<IPeer> Win32Host::CreatePeer(CheckBox& control) {
    return std::make_unique<Win32CheckBoxPeer>(*this, control);
}

std::unique_ptr<IPeer> Win32Host::CreatePeer(Edit& control) {
    return std::make_unique<Win32EditPeer>(*this, control);
}

std::unique_ptr<IPeer> Win32Host::CreatePeer(ComboBox& control) {
    return std::make_unique<Win32ComboBoxPeer>(*this, control);
}

std::unique_ptr<IPeer> Win32Host::CreatePeer(RadioGroup& control) {
    return std::make_unique<Win32RadioGroupPeer>(*this, control);
}

std::unique_ptr<IPeer> Win32Host::CreatePeer(Panel& control) {
    return std::make_unique<Win32PanelPeer>(*this, control);
}

std::unique_ptr<IPeer> Win32Host::CreatePeer(GroupBox& control) {
    return std::make_unique<Win32GroupBoxPeer>(*this, control);
}

std::unique_ptr<IPeer> Win32Host::CreatePeer(PageControl& control) {
    return std::make_unique<Win32PageControlPeer>(*this, control);
}

std::unique_ptr<IPeer> Win32Host::CreatePeer(TabSheet& control) {
    return std::make_unique<Win32TabSheetPeer>(*this, control);
}

std::unique_ptr<IPeer> Win32Host::CreatePeer(Picture& control) {
    return std::make_unique<Win32PicturePeer>(*this, control);
}

std::unique_ptr<IPeer> Win32Host::CreatePeer(Timer& timer) {
    return std::make_unique<Win32TimerPeer>(*this, timer);
}

void Win32Host::Register(HWND window, Win32Peer* peer) {
    peers_[window] = peer;
}

void Win32Host::Unregister(HWND window) {
    peers_.erase(window);
}

Win32Peer* Win32Host::ExactPeerOf(HWND window) const {
    const auto it = peers_.find(window);
    return it == peers_.end() ? nullptr : it->second;
}

Win32Peer* Win32Host::PeerOf(HWND window) const {
    for (; window; window = GetParent(window))
        if (Win32Peer* peer = ExactPeerOf(window))
            return peer;
    return nullptr;
}

bool Win32Host::FormKey(const MSG& msg) {
    if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN)
        return false;
    const Key key = static_cast<Key>(msg.wParam);
    if (key == VK_SHIFT || key == VK_CONTROL || key == VK_MENU)
        return false;
    Win32Peer* root = ExactPeerOf(GetAncestor(msg.hwnd, GA_ROOT));
    auto* form = root ? dynamic_cast<Form*>(&root->Subject()) : nullptr;
    if (!form)
        return false;
    Win32Peer* focused = PeerOf(GetFocus());
    form->SetActiveControl(focused && focused != root ? &focused->Subject() : nullptr);
    const ShiftState shift{.shift = GetKeyState(VK_SHIFT) < 0,
                           .ctrl = GetKeyState(VK_CONTROL) < 0,
                           .alt = (msg.lParam & (1 << 29)) != 0};
    bool used = true; // a handler that failed has had the key
    root->Event([&] { used = form->KeyDown(key, shift); });
    return used;
}

void Win32Host::Process(MSG& msg) {
    if (FormKey(msg))
        return;
    const HWND root = GetAncestor(msg.hwnd, GA_ROOT);
    if (root && ExactPeerOf(root) && IsDialogMessageW(root, &msg))
        return;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}

void Win32Host::RunModal(Form& form) {
    const HWND self = reinterpret_cast<HWND>(form.Handle());
    std::vector<HWND> others;
    EnumThreadWindows(GetCurrentThreadId(), CollectEnabled, reinterpret_cast<LPARAM>(&others));
    for (HWND w : others)
        if (w != self)
            EnableWindow(w, FALSE);
    MSG msg;
    while (!form.ModalDone()) {
        if (GetMessageW(&msg, nullptr, 0, 0) <= 0) {
            // The program is ending: leave the dialog as cancelled and pass the quit on.
            PostQuitMessage(static_cast<int>(msg.wParam));
            form.SetModalResult(ModalResult::Cancel);
            break;
        }
        Process(msg);
    }
    for (HWND w : others)
        if (w != self)
            EnableWindow(w, TRUE);
}

void Win32Host::Run(Form& main) {
    MSG msg;
    while (main.Visible()) {
        if (GetMessageW(&msg, nullptr, 0, 0) <= 0)
            break;
        Process(msg);
    }
}

Size Win32Host::MeasureText(const Font& font, std::string_view text) {
    const UniqueScreenDc screen(GetDC(nullptr));
    const HDC dc = screen.Get();
    const std::wstring wide = ToUtf16(text);
    const HGDIOBJ old = SelectObject(dc, gdi_.FontFor(font, wide));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    RECT r{0, 0, 0, 0};
    if (!wide.empty())
        DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &r,
                  DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, old);
    return {r.right - r.left, metrics.tmHeight};
}

Size Win32Host::ScreenSize() {
    return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

Size Win32Host::FrameSize(BorderStyle style) {
    const FrameStyle frame = FrameStyleOf(style);
    RECT r{0, 0, 0, 0};
    AdjustWindowRectEx(&r, frame.style, FALSE, frame.exStyle);
    return {r.right - r.left, r.bottom - r.top};
}

} // namespace zt
