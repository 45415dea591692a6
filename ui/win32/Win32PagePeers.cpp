#include "ui/win32/Win32PagePeers.h"

#include "platform/win32/Utf16.h"
#include "ui/PageControl.h"
#include "ui/win32/Win32Host.h"

#include <commctrl.h>

namespace zt {

Win32PageControlPeer::Win32PageControlPeer(Win32Host& host, PageControl& pages)
    : Win32Peer(host, pages), pages_(pages) {}

void Win32PageControlPeer::CreateWindowFor(HWND parent) {
    MakeWindow(OwnWindowClass(), WS_CHILD | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, parent);
    tabs_ = CreateWindowExW(
        0, WC_TABCONTROLW, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP, 0, 0,
        pages_.Width(), pages_.Height(), hwnd_, nullptr, GetModuleHandleW(nullptr), nullptr);
}

RECT Win32PageControlPeer::SheetArea() const {
    RECT r{0, 0, pages_.Width(), pages_.Height()};
    if (tabs_)
        TabCtrl_AdjustRect(tabs_, FALSE, &r);
    return r;
}

void Win32PageControlPeer::Update() {
    Win32Peer::Update();
    SendMessageW(tabs_, WM_SETFONT, reinterpret_cast<WPARAM>(host_.Gdi().FontFor(pages_.GetFont())),
                 TRUE);
    SetWindowPos(tabs_, HWND_BOTTOM, 0, 0, pages_.Width(), pages_.Height(), SWP_NOACTIVATE);
    std::vector<std::string> captions;
    for (const TabSheet* sheet : pages_.Pages())
        captions.push_back(sheet->Caption());
    if (captions != captions_) {
        std::wstring all;
        for (const std::string& c : captions)
            all += ToUtf16(c);
        SendMessageW(tabs_, WM_SETFONT,
                     reinterpret_cast<WPARAM>(host_.Gdi().FontFor(pages_.GetFont(), all)), TRUE);
        captions_ = captions;
        TabCtrl_DeleteAllItems(tabs_);
        for (std::size_t i = 0; i < captions_.size(); ++i) {
            std::wstring text = ToUtf16(captions_[i]);
            TCITEMW item{};
            item.mask = TCIF_TEXT;
            item.pszText = text.data();
            TabCtrl_InsertItem(tabs_, static_cast<int>(i), &item);
        }
    }
    if (TabCtrl_GetCurSel(tabs_) != pages_.ActivePageIndex())
        TabCtrl_SetCurSel(tabs_, pages_.ActivePageIndex());
    PlaceSheets();
}

// A sheet placed before the tabs had their captions and font took the display area of an
// empty tab control, which lies over the tabs.
void Win32PageControlPeer::PlaceSheets() {
    const RECT area = SheetArea();
    for (const TabSheet* sheet : pages_.Pages())
        if (const IPeer* peer = sheet->Peer(); peer && peer->Handle())
            SetWindowPos(reinterpret_cast<HWND>(peer->Handle()), nullptr, area.left, area.top,
                         area.right - area.left, area.bottom - area.top,
                         SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT Win32PageControlPeer::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NOTIFY) {
        const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
        if (header.hwndFrom == tabs_ && header.code == TCN_SELCHANGE && !syncing()) {
            const int index = TabCtrl_GetCurSel(tabs_);
            Event([this, index] { pages_.SelectPage(index); });
            return 0;
        }
    }
    return Win32Peer::WindowProc(msg, wParam, lParam);
}

Win32TabSheetPeer::Win32TabSheetPeer(Win32Host& host, TabSheet& sheet)
    : Win32Peer(host, sheet), sheet_(sheet) {}

void Win32TabSheetPeer::CreateWindowFor(HWND parent) {
    MakeWindow(OwnWindowClass(), WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT,
               parent);
    SetWindowPos(hwnd_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

RECT Win32TabSheetPeer::Placement() const {
    auto* pages = dynamic_cast<Win32PageControlPeer*>(sheet_.Pages().Peer());
    return pages ? pages->SheetArea() : RECT{0, 0, 0, 0};
}

void Win32TabSheetPeer::Update() {
    Win32Peer::Update();
    // The tab shows the sheet's caption.
    if (IPeer* pages = sheet_.Pages().Peer())
        pages->Sync();
}

} // namespace zt
