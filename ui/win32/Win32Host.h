#pragma once

#include "ui/IUiHost.h"
#include "ui/win32/Win32Gdi.h"

#include <windows.h>

#include <map>
#include <unordered_map>

namespace zt {

class Win32Peer;

// The Win32 renderer: mirrors forms and controls into real windows (STATIC, BUTTON, EDIT,
// COMBOBOX, ... so their texts answer WM_GETTEXT), and turns clicks, keys, menu choices,
// timer ticks, activation and closing into the calls a test makes. Its loops are plain
// GetMessage/DispatchMessage loops, so message-only windows of the same thread are served.
class Win32Host : public IUiHost {
public:
    Win32Host();
    ~Win32Host() override;
    Win32Host(const Win32Host&) = delete;
    Win32Host& operator=(const Win32Host&) = delete;

    std::unique_ptr<IPeer> CreatePeer(Form& form) override;
    std::unique_ptr<IPeer> CreatePeer(Label& control) override;
    std::unique_ptr<IPeer> CreatePeer(Button& control) override;
    std::unique_ptr<IPeer> CreatePeer(SpeedButton& control) override;
    std::unique_ptr<IPeer> CreatePeer(CheckBox& control) override;
    std::unique_ptr<IPeer> CreatePeer(Edit& control) override;
    std::unique_ptr<IPeer> CreatePeer(ComboBox& control) override;
    std::unique_ptr<IPeer> CreatePeer(RadioGroup& control) override;
    std::unique_ptr<IPeer> CreatePeer(Panel& control) override;
    std::unique_ptr<IPeer> CreatePeer(GroupBox& control) override;
    std::unique_ptr<IPeer> CreatePeer(PageControl& control) override;
    std::unique_ptr<IPeer> CreatePeer(TabSheet& control) override;
    std::unique_ptr<IPeer> CreatePeer(Picture& control) override;
    std::unique_ptr<IPeer> CreatePeer(Timer& timer) override;
    void RunModal(Form& form) override;
    void Run(Form& main) override;
    Size MeasureText(const Font& font, std::string_view text) override;
    Size ScreenSize() override;
    Size FrameSize(BorderStyle style) override;

    // For the peers.
    Win32Gdi& Gdi() { return gdi_; }
    void Register(HWND window, Win32Peer* peer);
    void Unregister(HWND window);
    // The peer of this window, or of its nearest ancestor that has one.
    Win32Peer* PeerOf(HWND window) const;
    Win32Peer* ExactPeerOf(HWND window) const;
    int NextControlId() { return nextId_++; }
    HWND TimerWindow() const { return timerWindow_.Get(); }
    void AddTimer(UINT_PTR id, Timer* timer) { timers_[id] = timer; }
    void RemoveTimer(UINT_PTR id) { timers_.erase(id); }
    UINT_PTR NextTimerId() { return nextTimerId_++; }

    // One message of a loop: keys go to the form first (shortcuts, key handler, dialog
    // keys), then to dialog navigation, then to the window.
    void Process(MSG& msg);

private:
    static LRESULT CALLBACK TimerProc(HWND, UINT, WPARAM, LPARAM);
    bool FormKey(const MSG& msg);

    Win32Gdi gdi_;
    std::unordered_map<HWND, Win32Peer*> peers_;
    std::map<UINT_PTR, Timer*> timers_;
    UniqueWindow timerWindow_;
    int nextId_ = 100; // clear of IDOK and IDCANCEL
    UINT_PTR nextTimerId_ = 1;
};

} // namespace zt
