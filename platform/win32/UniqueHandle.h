#pragma once

#include <windows.h>

#include <type_traits>
#include <utility>

namespace zt {

// Owns one Win32 handle and hands it to Close when it goes: move-only, one type per close
// function. A null handle, and for kernel handles INVALID_HANDLE_VALUE, owns nothing.
template <class H, auto Close> class UniqueOwner {
public:
    UniqueOwner() = default;
    explicit UniqueOwner(H handle) : handle_(handle) {}
    ~UniqueOwner() { Reset(); }
    UniqueOwner(UniqueOwner&& other) noexcept : handle_(other.Release()) {}
    UniqueOwner& operator=(UniqueOwner&& other) noexcept {
        Reset(other.Release());
        return *this;
    }

    H Get() const { return handle_; }
    explicit operator bool() const { return Owns(handle_); }
    H Release() { return std::exchange(handle_, H{}); }
    void Reset(H handle = H{}) {
        if (Owns(handle_))
            Close(handle_);
        handle_ = handle;
    }
    // For a call that returns the handle through a pointer: what was owned is closed first.
    H* Receive() {
        Reset();
        return &handle_;
    }

private:
    static bool Owns(H handle) {
        if constexpr (std::is_same_v<H, HANDLE>)
            return handle && handle != INVALID_HANDLE_VALUE;
        else
            return handle != H{};
    }

    H handle_{};
};

using UniqueHandle = UniqueOwner<HANDLE, &CloseHandle>;
using UniqueRegKey = UniqueOwner<HKEY, &RegCloseKey>;
using UniqueWindow = UniqueOwner<HWND, &DestroyWindow>;
template <class H> using UniqueGdiObject = UniqueOwner<H, &DeleteObject>;

inline void ReleaseScreenDc(HDC dc) {
    ReleaseDC(nullptr, dc);
}
// GetDC(nullptr)'s device context of the whole screen.
using UniqueScreenDc = UniqueOwner<HDC, &ReleaseScreenDc>;

} // namespace zt
