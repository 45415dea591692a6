#include "ui/win32/Win32TextPeers.h"

#include "platform/win32/Utf16.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/Label.h"
#include "ui/win32/Win32Host.h"

#include <imm.h>

namespace zt {

namespace {

// How far a combo box's list drops below its edit part.
constexpr int DropHeight = 200;

} // namespace

Win32LabelPeer::Win32LabelPeer(Win32Host& host, Label& label)
    : Win32Peer(host, label), label_(label) {}

DWORD Win32LabelPeer::Style() const {
    const DWORD style = WS_CHILD | SS_NOPREFIX;
    const Alignment alignment = label_.GetAlignment();
    if (label_.WordWrap())
        return style | (alignment == Alignment::Right    ? SS_RIGHT
                        : alignment == Alignment::Center ? SS_CENTER
                                                         : SS_LEFT);
    // The system's centred and right-aligned statics always wrap, so those draw themselves.
    return style | (alignment == Alignment::Left ? SS_LEFTNOWORDWRAP : SS_OWNERDRAW);
}

bool Win32LabelPeer::OnDrawItem(const DRAWITEMSTRUCT& item) {
    RECT r = item.rcItem;
    FillRect(item.hDC, &r, OnCtlColor(item.hDC));
    const std::wstring text = WindowTextW(hwnd_);
    const HGDIOBJ old = SelectObject(item.hDC, host_.Gdi().FontFor(control_.GetFont(), text));
    const UINT align = label_.GetAlignment() == Alignment::Right ? DT_RIGHT : DT_CENTER;
    DrawTextW(item.hDC, text.c_str(), static_cast<int>(text.size()), &r,
              align | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(item.hDC, old);
    return true;
}

void Win32LabelPeer::CreateWindowFor(HWND parent) {
    MakeWindow(L"STATIC", Style(), 0, parent);
}

void Win32LabelPeer::Update() {
    const LONG_PTR style = GetWindowLongPtrW(hwnd_, GWL_STYLE);
    const LONG_PTR want = static_cast<LONG_PTR>(Style()) | (style & (WS_VISIBLE | WS_DISABLED));
    if (style != want)
        SetWindowLongPtrW(hwnd_, GWL_STYLE, want);
    Win32Peer::Update();
}

Win32EditPeer::Win32EditPeer(Win32Host& host, Edit& edit) : Win32Peer(host, edit), edit_(edit) {}

void Win32EditPeer::CreateWindowFor(HWND parent) {
    DWORD style = WS_CHILD | WS_TABSTOP | ES_AUTOHSCROLL;
    if (edit_.GetAlignment() == Alignment::Right)
        style |= ES_RIGHT;
    else if (edit_.GetAlignment() == Alignment::Center)
        style |= ES_CENTER;
    MakeWindow(L"EDIT", style, WS_EX_CLIENTEDGE, parent);
    if (edit_.ImeOff())
        ImmAssociateContext(hwnd_, nullptr);
}

void Win32EditPeer::Update() {
    Win32Peer::Update();
    const LONG_PTR style = GetWindowLongPtrW(hwnd_, GWL_STYLE);
    const LONG_PTR want = edit_.NumbersOnly() ? style | ES_NUMBER : style & ~ES_NUMBER;
    if (style != want)
        SetWindowLongPtrW(hwnd_, GWL_STYLE, want);
    SendMessageW(hwnd_, EM_LIMITTEXT, static_cast<WPARAM>(edit_.MaxLength()), 0);
}

void Win32EditPeer::OnCommand(int code) {
    if (code == EN_CHANGE && !syncing()) {
        const std::string text = WindowText(hwnd_);
        Event([this, text] { edit_.EnterText(text); });
    }
}

Win32ComboBoxPeer::Win32ComboBoxPeer(Win32Host& host, ComboBox& combo)
    : Win32Peer(host, combo), combo_(combo) {}

void Win32ComboBoxPeer::CreateWindowFor(HWND parent) {
    const DWORD kind = combo_.Style() == ComboStyle::DropDownList ? CBS_DROPDOWNLIST
                                                                  : CBS_DROPDOWN | CBS_AUTOHSCROLL;
    MakeWindow(L"COMBOBOX", WS_CHILD | WS_TABSTOP | WS_VSCROLL | kind, 0, parent);
}

RECT Win32ComboBoxPeer::Placement() const {
    RECT r = Win32Peer::Placement();
    r.bottom += DropHeight;
    return r;
}

std::wstring Win32ComboBoxPeer::FontSample() const {
    std::wstring sample = ToUtf16(combo_.Text());
    for (const std::string& item : combo_.Items())
        sample += ToUtf16(item);
    return sample;
}

void Win32ComboBoxPeer::Update() {
    if (items_ != combo_.Items()) {
        items_ = combo_.Items();
        SendMessageW(hwnd_, CB_RESETCONTENT, 0, 0);
        for (const std::string& item : items_)
            SendMessageW(hwnd_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(ToUtf16(item).c_str()));
    }
    // Selecting an item the user has just typed would select the whole text under the caret.
    const bool typed = combo_.Style() == ComboStyle::DropDown && combo_.ItemIndex() >= 0 &&
                       WindowText(hwnd_) == combo_.Text();
    if (!typed && SendMessageW(hwnd_, CB_GETCURSEL, 0, 0) != combo_.ItemIndex())
        SendMessageW(hwnd_, CB_SETCURSEL, static_cast<WPARAM>(combo_.ItemIndex()), 0);
    if (combo_.Style() == ComboStyle::DropDown)
        UpdateText();
    UpdateFont();
    // The placement reads back the dropped height, which the window may round.
    RECT have;
    GetWindowRect(hwnd_, &have);
    MapWindowPoints(HWND_DESKTOP, GetParent(hwnd_), reinterpret_cast<POINT*>(&have), 2);
    const RECT want = Placement();
    if (have.left != want.left || have.top != want.top || have.right != want.right)
        SetWindowPos(hwnd_, nullptr, want.left, want.top, want.right - want.left,
                     want.bottom - want.top, SWP_NOZORDER | SWP_NOACTIVATE);
    UpdateVisibleAndEnabled();
}

void Win32ComboBoxPeer::OnCommand(int code) {
    if (syncing())
        return;
    if (code == CBN_SELCHANGE) {
        const int index = static_cast<int>(SendMessageW(hwnd_, CB_GETCURSEL, 0, 0));
        Event([this, index] { combo_.SelectItem(index); });
    } else if (code == CBN_EDITCHANGE) {
        const std::string text = WindowText(hwnd_);
        Event([this, text] { combo_.EnterText(text); });
    }
}

} // namespace zt
