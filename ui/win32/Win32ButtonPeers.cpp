#include "ui/win32/Win32ButtonPeers.h"

#include "platform/win32/Utf16.h"
#include "ui/Button.h"
#include "ui/CheckBox.h"
#include "ui/SpeedButton.h"
#include "ui/win32/Win32Drawing.h"
#include "ui/win32/Win32Host.h"

namespace zt {

Win32ClickPeer::Win32ClickPeer(Win32Host& host, ButtonControl& control)
    : Win32Peer(host, control), clickable_(control) {}

void Win32ClickPeer::OnCommand(int code) {
    if (code == BN_CLICKED && !syncing())
        Event([this] { clickable_.Click(); });
}

Win32ButtonPeer::Win32ButtonPeer(Win32Host& host, Button& button)
    : Win32ClickPeer(host, button), button_(button) {}

void Win32ButtonPeer::CreateWindowFor(HWND parent) {
    MakeWindow(L"BUTTON", WS_CHILD | WS_TABSTOP | BS_PUSHBUTTON, 0, parent);
}

void Win32ButtonPeer::Update() {
    Win32Peer::Update();
    const DWORD kind = button_.Default() ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
    if ((GetWindowLongPtrW(hwnd_, GWL_STYLE) & BS_TYPEMASK) != kind)
        SendMessageW(hwnd_, BM_SETSTYLE, kind, TRUE);
}

Win32SpeedButtonPeer::Win32SpeedButtonPeer(Win32Host& host, SpeedButton& button)
    : Win32ClickPeer(host, button), button_(button) {}

void Win32SpeedButtonPeer::CreateWindowFor(HWND parent) {
    MakeWindow(L"BUTTON", WS_CHILD | BS_OWNERDRAW, 0, parent);
}

bool Win32SpeedButtonPeer::OnDrawItem(const DRAWITEMSTRUCT& item) {
    const HDC dc = item.hDC;
    RECT r = item.rcItem;
    FillRect(dc, &r, host_.Gdi().BrushFor(button_.HasOwnColor() ? button_.GetColor() : clBtnFace));
    const bool sunken = button_.Down() || (item.itemState & ODS_SELECTED);
    DrawEdge(dc, &r, sunken ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    if (sunken)
        OffsetRect(&r, 1, 1);
    const bool enabled = button_.Enabled();
    if (button_.GetGlyph() != Glyph::None) {
        DrawArrow(dc, r, button_.GetGlyph(), enabled);
    } else {
        const std::wstring text = ToUtf16(button_.Caption());
        const HGDIOBJ old = SelectObject(dc, host_.Gdi().FontFor(button_.GetFont(), text));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, ToColorRef(enabled ? button_.GetFont().color : clGray));
        DrawTextW(dc, text.c_str(), -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        SelectObject(dc, old);
    }
    return true;
}

Win32CheckBoxPeer::Win32CheckBoxPeer(Win32Host& host, CheckBox& box)
    : Win32ClickPeer(host, box), box_(box) {}

void Win32CheckBoxPeer::CreateWindowFor(HWND parent) {
    MakeWindow(L"BUTTON", WS_CHILD | WS_TABSTOP | BS_CHECKBOX, 0, parent);
}

void Win32CheckBoxPeer::Update() {
    Win32Peer::Update();
    SendMessageW(hwnd_, BM_SETCHECK, box_.Checked() ? BST_CHECKED : BST_UNCHECKED, 0);
}

} // namespace zt
