#pragma once

#include "platform/INamedMutex.h"
#include "platform/win32/UniqueHandle.h"

#include <string>

namespace zt {

class Win32NamedMutex : public INamedMutex {
public:
    explicit Win32NamedMutex(const std::string& name);
    ~Win32NamedMutex() override;
    Win32NamedMutex(const Win32NamedMutex&) = delete;
    Win32NamedMutex& operator=(const Win32NamedMutex&) = delete;

    bool TryAcquire() override;
    // The system's error code when the mutex could not be created (0 when it was): then
    // TryAcquire fails although no other copy may run.
    unsigned long CreateError() const { return createError_; }

private:
    UniqueHandle handle_;
    unsigned long createError_ = 0;
    bool owned_ = false;
};

} // namespace zt
