#include "ui/win32/Win32Peer.h"

#include "platform/ScopeGuard.h"
#include "platform/win32/Utf16.h"
#include "ui/Application.h"
#include "ui/Form.h"
#include "ui/win32/Win32Host.h"

#include <exception>
#include <string>

namespace zt {

const wchar_t* OwnWindowClass() {
    return L"ZenitrackWindow";
}

std::wstring WindowTextW(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

std::string WindowText(HWND window) {
    return ToUtf8(WindowTextW(window));
}

Win32Peer::~Win32Peer() {
    if (hwnd_) {
        host_.Unregister(hwnd_);
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
}

void Win32Peer::Sync() {
    TemporaryChange syncing(syncing_, true);
    if (!hwnd_) {
        if (!ReadyToCreate())
            return;
        CreateWindowFor(ParentWindow());
        host_.Register(hwnd_, this);
        if (auto* container = dynamic_cast<Container*>(&control_))
            for (Control* child : container->Controls())
                if (child->Peer())
                    child->Peer()->Sync();
    }
    Update();
}

void Win32Peer::Focus() {
    if (hwnd_)
        SetFocus(hwnd_);
}

HWND Win32Peer::ParentWindow() const {
    Container* parent = control_.Parent();
    auto* peer = parent ? dynamic_cast<Win32Peer*>(parent->Peer()) : nullptr;
    return peer ? peer->ChildParent() : nullptr;
}

void Win32Peer::MakeWindow(const wchar_t* windowClass, DWORD style, DWORD exStyle, HWND parent) {
    const RECT r = Placement();
    const bool child = (style & WS_CHILD) != 0;
    hwnd_ = CreateWindowExW(
        exStyle, windowClass, ToUtf16(control_.Caption()).c_str(), style, r.left, r.top,
        r.right - r.left, r.bottom - r.top, parent,
        child ? reinterpret_cast<HMENU>(static_cast<INT_PTR>(host_.NextControlId())) : nullptr,
        GetModuleHandleW(nullptr), windowClass == OwnWindowClass() ? this : nullptr);
    if (!hwnd_)
        throw std::runtime_error("CreateWindowEx failed: " + std::to_string(GetLastError()));
}

RECT Win32Peer::Placement() const {
    return {control_.Left(), control_.Top(), control_.Left() + control_.Width(),
            control_.Top() + control_.Height()};
}

void Win32Peer::Update() {
    UpdateText();
    UpdateFont();
    UpdatePlacement();
    UpdateVisibleAndEnabled();
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void Win32Peer::UpdateText() {
    const std::wstring want = ToUtf16(control_.Caption());
    if (WindowTextW(hwnd_) != want)
        SetWindowTextW(hwnd_, want.c_str());
}

void Win32Peer::UpdateFont() {
    const HFONT font = host_.Gdi().FontFor(control_.GetFont(), FontSample());
    if (font != font_) {
        font_ = font;
        SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    }
}

std::wstring Win32Peer::FontSample() const {
    return ToUtf16(control_.Caption());
}

void Win32Peer::UpdatePlacement() {
    const RECT want = Placement();
    RECT have;
    GetWindowRect(hwnd_, &have);
    if (GetWindowLongPtrW(hwnd_, GWL_STYLE) & WS_CHILD)
        MapWindowPoints(HWND_DESKTOP, GetParent(hwnd_), reinterpret_cast<POINT*>(&have), 2);
    if (!EqualRect(&want, &have))
        SetWindowPos(hwnd_, nullptr, want.left, want.top, want.right - want.left,
                     want.bottom - want.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Peer::UpdateVisibleAndEnabled() {
    const bool visible = control_.ShownInParent();
    if (visible != ((GetWindowLongPtrW(hwnd_, GWL_STYLE) & WS_VISIBLE) != 0))
        ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE);
    if (control_.Enabled() != (IsWindowEnabled(hwnd_) != FALSE))
        EnableWindow(hwnd_, control_.Enabled());
}

HBRUSH Win32Peer::OnCtlColor(HDC dc) {
    SetTextColor(dc, ToColorRef(control_.Enabled() ? control_.GetFont().color : clGray));
    SetBkColor(dc, ToColorRef(control_.GetColor()));
    return host_.Gdi().BrushFor(control_.GetColor());
}

void Win32Peer::FillBackground(HDC dc, const RECT& r) {
    FillRect(dc, &r, host_.Gdi().BrushFor(control_.GetColor()));
}

void Win32Peer::Event(const std::function<void()>& reaction) {
    Application& app = control_.App();
    Dispatcher::EventScope scope(app.EventDispatcher());
    app.Dispatch(reaction);
}

LRESULT Win32Peer::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_COMMAND:
        if (Win32Peer* child = host_.ExactPeerOf(reinterpret_cast<HWND>(lParam))) {
            const int code = HIWORD(wParam);
            child->OnCommand(code);
            return 0;
        }
        break;
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (Win32Peer* child = host_.ExactPeerOf(header->hwndFrom))
            return child->OnNotify(*header);
        break;
    }
    case WM_DRAWITEM: {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (Win32Peer* child = host_.ExactPeerOf(item->hwndItem))
            if (child->OnDrawItem(*item))
                return TRUE;
        break;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX: {
        Win32Peer* child = host_.ExactPeerOf(reinterpret_cast<HWND>(lParam));
        // Parts of composite controls (a group box's frame, radio buttons) take the
        // colours of this control.
        if (!child)
            child = this;
        if (HBRUSH brush = child->OnCtlColor(reinterpret_cast<HDC>(wParam)))
            return reinterpret_cast<LRESULT>(brush);
        break;
    }
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        const HDC dc = BeginPaint(hwnd_, &ps);
        RECT r;
        GetClientRect(hwnd_, &r);
        Paint(dc, r);
        EndPaint(hwnd_, &ps);
        return 0;
    }
    default:
        break;
    }
    return DefWindowProcW(hwnd_, msg, wParam, lParam);
}

LRESULT CALLBACK Win32Peer::OwnWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        auto* peer = static_cast<Win32Peer*>(create->lpCreateParams);
        peer->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(peer));
    }
    auto* peer = reinterpret_cast<Win32Peer*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!peer)
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    // No exception may cross the system's frames; the event dispatch has shown those of
    // handlers already, so what arrives here is the renderer's own failure.
    try {
        return peer->WindowProc(msg, wParam, lParam);
    } catch (const std::exception& e) {
        try {
            peer->control_.App().Messages().Show(e.what(), MessageKind::Error);
        } catch (...) {
        }
    } catch (...) {
    }
    return 0;
}

} // namespace zt
