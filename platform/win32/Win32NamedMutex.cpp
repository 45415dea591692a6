#include "platform/win32/Win32NamedMutex.h"

#include "platform/win32/Utf16.h"

#include <windows.h>

namespace zt {

Win32NamedMutex::Win32NamedMutex(const std::string& name)
    : handle_(::CreateMutexW(nullptr, FALSE, ToUtf16(name).c_str())) {
    if (!handle_)
        createError_ = ::GetLastError();
}

Win32NamedMutex::~Win32NamedMutex() {
    if (owned_)
        ::ReleaseMutex(handle_.Get());
}

bool Win32NamedMutex::TryAcquire() {
    if (owned_ || !handle_)
        return owned_;
    // An abandoned mutex (its last owner died) is ours now.
    const DWORD r = ::WaitForSingleObject(handle_.Get(), 0);
    owned_ = r == WAIT_OBJECT_0 || r == WAIT_ABANDONED;
    return owned_;
}

} // namespace zt
