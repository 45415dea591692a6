#pragma once

#include "ui/win32/Win32PanelPeers.h"

#include <string>
#include <vector>

namespace zt {

class RadioGroup;

// A group box holding one radio button per item, filled column by column.
class Win32RadioGroupPeer : public Win32GroupBoxPeer {
public:
    Win32RadioGroupPeer(Win32Host& host, RadioGroup& group);
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

protected:
    void Update() override;

private:
    void Arrange();
    RadioGroup& group_;
    std::vector<HWND> buttons_;
    std::vector<std::string> items_;
};

} // namespace zt
