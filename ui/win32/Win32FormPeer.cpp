#include "ui/win32/Win32FormPeer.h"

#include "ui/Form.h"
#include "ui/win32/Win32Host.h"

namespace zt {

namespace {

constexpr UINT ActivatedMessage = WM_APP + 1;

} // namespace

FrameStyle FrameStyleOf(BorderStyle border, bool captionButtons) {
    constexpr DWORD common = WS_CLIPCHILDREN;
    const DWORD buttons = captionButtons ? WS_SYSMENU : 0;
    switch (border) {
    case BorderStyle::ThinLine:
        return {common | WS_POPUP | WS_BORDER, WS_EX_APPWINDOW | WS_EX_CONTROLPARENT};
    case BorderStyle::Dialog:
        return {common | WS_POPUP | WS_CAPTION | buttons | DS_MODALFRAME,
                WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT};
    default:
        return {common | (WS_OVERLAPPEDWINDOW & ~WS_SYSMENU) | buttons,
                WS_EX_APPWINDOW | WS_EX_CONTROLPARENT};
    }
}

Win32FormPeer::Win32FormPeer(Win32Host& host, Form& form)
    : Win32Peer(host, form), form_(form), frame_(Frame()) {}

FrameStyle Win32FormPeer::Frame() const {
    return FrameStyleOf(form_.GetBorderStyle(), form_.CaptionButtons());
}

bool Win32FormPeer::ReadyToCreate() const {
    return form_.Visible();
}

RECT Win32FormPeer::Placement() const {
    return {form_.Left(), form_.Top(), form_.Left() + form_.Width(), form_.Top() + form_.Height()};
}

void Win32FormPeer::CreateWindowFor(HWND) {
    frame_ = Frame();
    // A modal form belongs to the window that was active, so it stays above it.
    HWND owner = form_.Modal() ? GetActiveWindow() : nullptr;
    MakeWindow(OwnWindowClass(), frame_.style, frame_.exStyle, owner);
}

void Win32FormPeer::Update() {
    const FrameStyle frame = Frame();
    if (frame.style != frame_.style || frame.exStyle != frame_.exStyle) {
        frame_ = frame;
        const LONG_PTR visible = GetWindowLongPtrW(hwnd_, GWL_STYLE) & WS_VISIBLE;
        SetWindowLongPtrW(hwnd_, GWL_STYLE, static_cast<LONG_PTR>(frame.style) | visible);
        SetWindowLongPtrW(hwnd_, GWL_EXSTYLE, static_cast<LONG_PTR>(frame.exStyle));
        SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }
    UpdateText();
    UpdatePlacement();
    InvalidateRect(hwnd_, nullptr, TRUE);
    const bool shown = (GetWindowLongPtrW(hwnd_, GWL_STYLE) & WS_VISIBLE) != 0;
    if (form_.Visible() && !shown) {
        if (form_.Modal()) {
            const HWND active = GetActiveWindow();
            if (active && active != hwnd_)
                SetWindowLongPtrW(hwnd_, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(active));
        }
        ShowWindow(hwnd_, SW_SHOW);
        SetForegroundWindow(hwnd_);
    } else if (!form_.Visible() && shown) {
        ShowWindow(hwnd_, SW_HIDE);
    }
    EnableWindow(hwnd_, form_.Enabled());
}

void Win32FormPeer::BringToFront() {
    if (hwnd_)
        SetForegroundWindow(hwnd_);
}

LRESULT Win32FormPeer::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            if (form_.Active())
                Event([this] { form_.Deactivate(); });
        } else {
            PostMessageW(hwnd_, ActivatedMessage, 0, 0);
        }
        break;
    case ActivatedMessage:
        if (GetActiveWindow() == hwnd_ && !form_.Active())
            Event([this] { form_.Activate(); });
        return 0;
    case WM_CLOSE:
        Event([this] { form_.Close(); });
        return 0;
    case WM_WINDOWPOSCHANGED: {
        // Moved by the user or the system: the form keeps where it is.
        const auto* pos = reinterpret_cast<const WINDOWPOS*>(lParam);
        if (!syncing() && !(pos->flags & SWP_NOMOVE && pos->flags & SWP_NOSIZE)) {
            RECT r;
            GetWindowRect(hwnd_, &r);
            form_.SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
        }
        break;
    }
    default:
        break;
    }
    return Win32Peer::WindowProc(msg, wParam, lParam);
}

} // namespace zt
