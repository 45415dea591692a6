#pragma once

#include "ui/win32/Win32Peer.h"

#include <vector>

namespace zt {

class Panel;
class GroupBox;
class Picture;

// A panel: its colour, bevels and caption; a right click opens its popup menu.
class Win32PanelPeer : public Win32Peer {
public:
    Win32PanelPeer(Win32Host& host, Panel& panel);
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

protected:
    void CreateWindowFor(HWND parent) override;
    void Paint(HDC dc, const RECT& client) override;

private:
    void ShowMenu(LPARAM at);
    Panel& panel_;
};

// A container with a caption frame (a BUTTON group box, so the caption reads back).
class Win32GroupBoxPeer : public Win32Peer {
public:
    Win32GroupBoxPeer(Win32Host& host, Control& control) : Win32Peer(host, control) {}

protected:
    void CreateWindowFor(HWND parent) override;
    void Update() override;
    HWND frame_ = nullptr;
};

class Win32PicturePeer : public Win32Peer {
public:
    Win32PicturePeer(Win32Host& host, Picture& picture);

protected:
    void CreateWindowFor(HWND parent) override;
    RECT Placement() const override;
    void Paint(HDC dc, const RECT& client) override;

private:
    Picture& picture_;
};

} // namespace zt
