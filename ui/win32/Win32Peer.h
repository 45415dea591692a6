#pragma once

#include "ui/Control.h"
#include "ui/IPeer.h"

#include <windows.h>

#include <functional>
#include <string>

namespace zt {

class Win32Host;

// The window of one control. It is made once its parent has a window (a form: when first
// shown), so it is made with the control's final settings.
class Win32Peer : public IPeer {
public:
    Win32Peer(Win32Host& host, Control& control) : host_(host), control_(control) {}
    ~Win32Peer() override;
    Win32Peer(const Win32Peer&) = delete;
    Win32Peer& operator=(const Win32Peer&) = delete;

    void Sync() final;
    WindowHandle Handle() const override { return reinterpret_cast<WindowHandle>(hwnd_); }
    void Focus() override;
    HWND Window() const { return hwnd_; }
    Control& Subject() const { return control_; }
    // The window the children's windows go into.
    virtual HWND ChildParent() const { return hwnd_; }

    // What the parent window receives about this control.
    virtual void OnCommand(int) {}
    virtual LRESULT OnNotify(const NMHDR&) { return 0; }
    virtual bool OnDrawItem(const DRAWITEMSTRUCT&) { return false; }
    // Colours of the control; nullptr: the system's.
    virtual HBRUSH OnCtlColor(HDC dc);
    // The window procedure of the renderer's own window classes.
    virtual LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK OwnWindowProc(HWND, UINT, WPARAM, LPARAM);

    // Runs a reaction to user input as a fresh event under the dispatch rule.
    void Event(const std::function<void()>& reaction);

protected:
    virtual bool ReadyToCreate() const { return ParentWindow() != nullptr; }
    virtual void CreateWindowFor(HWND parent) = 0;
    // Mirrors the control's state; runs with syncing() true, so the window's own
    // notifications about the change are ignored.
    virtual void Update();
    // Where the window goes, in its parent window's client coordinates.
    virtual RECT Placement() const;
    bool syncing() const { return syncing_; }
    // The text the control's font must be able to show.
    virtual std::wstring FontSample() const;

    void MakeWindow(const wchar_t* windowClass, DWORD style, DWORD exStyle, HWND parent);
    HWND ParentWindow() const;
    void UpdateText();
    void UpdateFont();
    void UpdatePlacement();
    void UpdateVisibleAndEnabled();
    void FillBackground(HDC dc, const RECT& r);
    // Paints a window of the renderer's own class.
    virtual void Paint(HDC dc, const RECT& client) { FillBackground(dc, client); }

    Win32Host& host_;
    Control& control_;
    HWND hwnd_ = nullptr;

private:
    bool syncing_ = false;
    HFONT font_ = nullptr;
};

// The renderer's own window class for containers, pictures and forms.
const wchar_t* OwnWindowClass();

std::wstring WindowTextW(HWND window);
// The text of a window, as UTF-8.
std::string WindowText(HWND window);

} // namespace zt
