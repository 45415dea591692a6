#include "ui/win32/Win32RadioGroupPeer.h"

#include "platform/win32/Utf16.h"
#include "ui/RadioGroup.h"
#include "ui/win32/Win32Host.h"

#include <algorithm>

namespace zt {

Win32RadioGroupPeer::Win32RadioGroupPeer(Win32Host& host, RadioGroup& group)
    : Win32GroupBoxPeer(host, group), group_(group) {}

void Win32RadioGroupPeer::Update() {
    Win32GroupBoxPeer::Update();
    if (items_ != group_.Items()) {
        for (HWND b : buttons_)
            DestroyWindow(b);
        buttons_.clear();
        items_ = group_.Items();
        for (const std::string& item : items_)
            buttons_.push_back(CreateWindowExW(0, L"BUTTON", ToUtf16(item).c_str(),
                                               WS_CHILD | WS_VISIBLE | BS_RADIOBUTTON, 0, 0, 0, 0,
                                               hwnd_, nullptr, GetModuleHandleW(nullptr), nullptr));
    }
    Arrange();
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        SendMessageW(
            buttons_[i], WM_SETFONT,
            reinterpret_cast<WPARAM>(host_.Gdi().FontFor(group_.GetFont(), ToUtf16(items_[i]))),
            TRUE);
        SendMessageW(buttons_[i], BM_SETCHECK,
                     static_cast<int>(i) == group_.ItemIndex() ? BST_CHECKED : BST_UNCHECKED, 0);
        EnableWindow(buttons_[i], group_.Enabled());
    }
}

void Win32RadioGroupPeer::Arrange() {
    const int count = static_cast<int>(buttons_.size());
    if (count == 0)
        return;
    const int columns = std::min(group_.Columns(), count);
    const int perColumn = (count + columns - 1) / columns;
    const int top = group_.Caption().empty() ? 4 : group_.GetFont().height;
    const int width = (group_.Width() - 16) / columns;
    const int height = std::max(1, (group_.Height() - top - 4) / perColumn);
    for (int i = 0; i < count; ++i)
        SetWindowPos(buttons_[i], HWND_TOP, 8 + (i / perColumn) * width,
                     top + (i % perColumn) * height, width, height, SWP_NOACTIVATE);
}

LRESULT Win32RadioGroupPeer::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_COMMAND && HIWORD(wParam) == BN_CLICKED && !syncing()) {
        const auto it = std::find(buttons_.begin(), buttons_.end(), reinterpret_cast<HWND>(lParam));
        if (it != buttons_.end()) {
            const int index = static_cast<int>(it - buttons_.begin());
            Event([this, index] { group_.ClickItem(index); });
            return 0;
        }
    }
    return Win32GroupBoxPeer::WindowProc(msg, wParam, lParam);
}

} // namespace zt
