#pragma once

#include "ui/win32/Win32Peer.h"

namespace zt {

class Button;
class ButtonControl;
class CheckBox;
class SpeedButton;

// A BUTTON window whose clicks click the control.
class Win32ClickPeer : public Win32Peer {
public:
    Win32ClickPeer(Win32Host& host, ButtonControl& control);
    void OnCommand(int code) override;

private:
    ButtonControl& clickable_;
};

class Win32ButtonPeer : public Win32ClickPeer {
public:
    Win32ButtonPeer(Win32Host& host, Button& button);

protected:
    void CreateWindowFor(HWND parent) override;
    void Update() override;

private:
    Button& button_;
};

// Drawn by the renderer: its colours, its down state and its glyph.
class Win32SpeedButtonPeer : public Win32ClickPeer {
public:
    Win32SpeedButtonPeer(Win32Host& host, SpeedButton& button);
    bool OnDrawItem(const DRAWITEMSTRUCT& item) override;

protected:
    void CreateWindowFor(HWND parent) override;

private:
    SpeedButton& button_;
};

class Win32CheckBoxPeer : public Win32ClickPeer {
public:
    Win32CheckBoxPeer(Win32Host& host, CheckBox& box);

protected:
    void CreateWindowFor(HWND parent) override;
    void Update() override;

private:
    CheckBox& box_;
};

} // namespace zt
