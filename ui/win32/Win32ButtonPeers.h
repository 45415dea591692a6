#pragma once

#include "ui/win32/Win32Peer.h"

namespace zt {

class Button;
class CheckBox;
class SpeedButton;

class Win32ButtonPeer : public Win32Peer {
public:
    Win32ButtonPeer(Win32Host& host, Button& button);
    void OnCommand(int code) override;

protected:
    void CreateWindowFor(HWND parent) override;
    void Update() override;

private:
    Button& button_;
};

// Drawn by the renderer: its colours, its down state and its glyph.
class Win32SpeedButtonPeer : public Win32Peer {
public:
    Win32SpeedButtonPeer(Win32Host& host, SpeedButton& button);
    void OnCommand(int code) override;
    bool OnDrawItem(const DRAWITEMSTRUCT& item) override;

protected:
    void CreateWindowFor(HWND parent) override;

private:
    SpeedButton& button_;
};

class Win32CheckBoxPeer : public Win32Peer {
public:
    Win32CheckBoxPeer(Win32Host& host, CheckBox& box);
    void OnCommand(int code) override;

protected:
    void CreateWindowFor(HWND parent) override;
    void Update() override;

private:
    CheckBox& box_;
};

} // namespace zt
