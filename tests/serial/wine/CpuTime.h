#pragma once

#include <windows.h>

namespace zt {

// CPU time (kernel + user) in ms of this process, or of the calling thread.
inline long long CpuMs(bool wholeProcess) {
    FILETIME created, exited, kernel, user;
    if (wholeProcess)
        ::GetProcessTimes(::GetCurrentProcess(), &created, &exited, &kernel, &user);
    else
        ::GetThreadTimes(::GetCurrentThread(), &created, &exited, &kernel, &user);
    auto ms = [](const FILETIME& t) {
        return ((static_cast<long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 10000;
    };
    return ms(kernel) + ms(user);
}

} // namespace zt
