#pragma once

#include "ui/win32/Win32Peer.h"

#include <string>
#include <vector>

namespace zt {

class ComboBox;
class Edit;
class Label;

class Win32LabelPeer : public Win32Peer {
public:
    Win32LabelPeer(Win32Host& host, Label& label);
    bool OnDrawItem(const DRAWITEMSTRUCT& item) override;

protected:
    void CreateWindowFor(HWND parent) override;
    void Update() override;

private:
    DWORD Style() const;
    Label& label_;
};

class Win32EditPeer : public Win32Peer {
public:
    Win32EditPeer(Win32Host& host, Edit& edit);
    void OnCommand(int code) override;
    HBRUSH OnCtlColor(HDC) override { return nullptr; }

protected:
    void CreateWindowFor(HWND parent) override;
    void Update() override;

private:
    Edit& edit_;
};

class Win32ComboBoxPeer : public Win32Peer {
public:
    Win32ComboBoxPeer(Win32Host& host, ComboBox& combo);
    void OnCommand(int code) override;
    HBRUSH OnCtlColor(HDC) override { return nullptr; }

protected:
    void CreateWindowFor(HWND parent) override;
    void Update() override;
    RECT Placement() const override;
    std::wstring FontSample() const override;

private:
    ComboBox& combo_;
    std::vector<std::string> items_;
};

} // namespace zt
