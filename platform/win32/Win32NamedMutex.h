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

private:
    UniqueHandle handle_;
    bool owned_ = false;
};

} // namespace zt
