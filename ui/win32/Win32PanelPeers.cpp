#include "ui/win32/Win32PanelPeers.h"

#include "platform/win32/Utf16.h"
#include "ui/Action.h"
#include "ui/Panel.h"
#include "ui/Picture.h"
#include "ui/PopupMenu.h"
#include "ui/win32/Win32Drawing.h"
#include "ui/win32/Win32Host.h"

#include <algorithm>

namespace zt {

namespace {

constexpr DWORD ContainerStyle = WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;

UINT EdgeOf(Bevel bevel) {
    return bevel == Bevel::Raised ? BDR_RAISEDOUTER : BDR_SUNKENOUTER;
}

} // namespace

Win32PanelPeer::Win32PanelPeer(Win32Host& host, Panel& panel)
    : Win32Peer(host, panel), panel_(panel) {}

void Win32PanelPeer::CreateWindowFor(HWND parent) {
    MakeWindow(OwnWindowClass(), ContainerStyle, WS_EX_CONTROLPARENT, parent);
}

void Win32PanelPeer::Paint(HDC dc, const RECT& client) {
    FillBackground(dc, client);
    RECT r = client;
    if (panel_.BevelOuter() != Bevel::None) {
        DrawEdge(dc, &r, EdgeOf(panel_.BevelOuter()), BF_RECT);
        InflateRect(&r, -1, -1);
    }
    if (panel_.BevelInner() != Bevel::None)
        DrawEdge(dc, &r, panel_.BevelInner() == Bevel::Raised ? BDR_RAISEDINNER : BDR_SUNKENINNER,
                 BF_RECT);
    if (!panel_.Caption().empty()) {
        const std::wstring text = ToUtf16(panel_.Caption());
        const HGDIOBJ old = SelectObject(dc, host_.Gdi().FontFor(panel_.GetFont(), text));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, ToColorRef(panel_.GetFont().color));
        DrawTextW(dc, text.c_str(), -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        SelectObject(dc, old);
    }
}

LRESULT Win32PanelPeer::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_CONTEXTMENU && panel_.GetPopupMenu()) {
        ShowMenu(lParam);
        return 0;
    }
    return Win32Peer::WindowProc(msg, wParam, lParam);
}

void Win32PanelPeer::ShowMenu(LPARAM at) {
    const auto& items = panel_.GetPopupMenu()->Items();
    const HMENU menu = CreatePopupMenu();
    for (std::size_t i = 0; i < items.size(); ++i) {
        const Action* action = items[i];
        if (!action) {
            AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        if (!action->visible)
            continue;
        std::string text = action->caption;
        if (!action->shortCut.Empty()) {
            text += '\t';
            text += action->shortCut.Text();
        }
        AppendMenuW(menu, MF_STRING | (action->enabled ? 0 : MF_GRAYED), i + 1,
                    ToUtf16(text).c_str());
    }
    POINT p{static_cast<short>(LOWORD(at)), static_cast<short>(HIWORD(at))};
    if (at == -1) // from the keyboard
        GetCursorPos(&p);
    // The menu closes properly only when its owner is in the foreground.
    const HWND root = GetAncestor(hwnd_, GA_ROOT);
    SetForegroundWindow(root);
    const UINT chosen = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, p.x,
                                       p.y, 0, root, nullptr);
    DestroyMenu(menu);
    PostMessageW(root, WM_NULL, 0, 0);
    if (chosen > 0 && chosen <= items.size() && items[chosen - 1])
        Event([action = items[chosen - 1]] { action->Execute(); });
}

void Win32GroupBoxPeer::CreateWindowFor(HWND parent) {
    // The frame does not paint its inside: this window's background must show through.
    MakeWindow(OwnWindowClass(), WS_CHILD | WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT, parent);
    frame_ = CreateWindowExW(0, L"BUTTON", L"", WS_CHILD | WS_VISIBLE | BS_GROUPBOX, 0, 0, 0, 0,
                             hwnd_, nullptr, GetModuleHandleW(nullptr), nullptr);
}

void Win32GroupBoxPeer::Update() {
    Win32Peer::Update();
    const std::wstring caption = ToUtf16(control_.Caption());
    SetWindowTextW(frame_, caption.c_str());
    SendMessageW(frame_, WM_SETFONT,
                 reinterpret_cast<WPARAM>(host_.Gdi().FontFor(control_.GetFont(), caption)), TRUE);
    SetWindowPos(frame_, HWND_BOTTOM, 0, 0, control_.Width(), control_.Height(), SWP_NOACTIVATE);
    EnableWindow(frame_, control_.Enabled());
}

Win32PicturePeer::Win32PicturePeer(Win32Host& host, Picture& picture)
    : Win32Peer(host, picture), picture_(picture) {}

void Win32PicturePeer::CreateWindowFor(HWND parent) {
    MakeWindow(OwnWindowClass(), WS_CHILD, 0, parent);
}

// Beside and below its drawing a picture is see-through, so a label it overlaps stays
// readable: its window covers no more than its shapes.
RECT Win32PicturePeer::Placement() const {
    RECT r = Win32Peer::Placement();
    if (picture_.Shapes().empty())
        return r;
    int right = 0, bottom = 0;
    for (const Shape& s : picture_.Shapes()) {
        right = std::max(right, s.left + s.width);
        bottom = std::max(bottom, s.top + s.height);
    }
    r.right = std::min(r.right, r.left + right);
    r.bottom = std::min(r.bottom, r.top + bottom);
    return r;
}

void Win32PicturePeer::Paint(HDC dc, const RECT& client) {
    FillBackground(dc, client);
    DrawShapes(dc, host_.Gdi(), {0, 0}, picture_.Shapes());
}

} // namespace zt
