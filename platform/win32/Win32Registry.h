#pragma once

#include "platform/IRegistry.h"
#include "platform/win32/UniqueHandle.h"

namespace zt {

class Win32Registry : public IRegistry {
public:
    Win32Registry() = default;
    Win32Registry(const Win32Registry&) = delete;
    Win32Registry& operator=(const Win32Registry&) = delete;

    bool OpenKey(const std::string& path) override;
    void CloseKey() override;
    std::string ReadString(const std::string& name) override;
    bool KeyOpens(const std::string& path) override;
    std::vector<std::string> LocalMachineStrings(const std::string& path) override;

private:
    UniqueRegKey current_;
};

} // namespace zt
