#pragma once

#include "ui/win32/Win32Peer.h"

#include <string>
#include <vector>

namespace zt {

class PageControl;
class TabSheet;

// A tab control with the sheets laid over its display area.
class Win32PageControlPeer : public Win32Peer {
public:
    Win32PageControlPeer(Win32Host& host, PageControl& pages);
    // Where the sheets go, in this window's client coordinates.
    RECT SheetArea() const;
    LRESULT OnTabNotify(const NMHDR& header);
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

protected:
    void CreateWindowFor(HWND parent) override;
    void Update() override;

private:
    void PlaceSheets();

    PageControl& pages_;
    HWND tabs_ = nullptr;
    std::vector<std::string> captions_;
};

class Win32TabSheetPeer : public Win32Peer {
public:
    Win32TabSheetPeer(Win32Host& host, TabSheet& sheet);

protected:
    void CreateWindowFor(HWND parent) override;
    void Update() override;
    RECT Placement() const override;

private:
    TabSheet& sheet_;
};

} // namespace zt
