#pragma once

#include "ui/BorderStyle.h"
#include "ui/win32/Win32Peer.h"

namespace zt {

class Form;

struct FrameStyle {
    DWORD style;
    DWORD exStyle;
};
FrameStyle FrameStyleOf(BorderStyle border, bool captionButtons = true);

// A form's top-level window. Activation reaches the form through a posted message, so a
// form's activation handler never runs inside another window's call.
class Win32FormPeer : public Win32Peer {
public:
    Win32FormPeer(Win32Host& host, Form& form);
    void BringToFront() override;
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

protected:
    bool ReadyToCreate() const override;
    void CreateWindowFor(HWND parent) override;
    void Update() override;
    RECT Placement() const override;

private:
    Form& form_;
    FrameStyle Frame() const;
    FrameStyle frame_;
};

} // namespace zt
