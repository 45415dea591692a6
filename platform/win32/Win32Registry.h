#pragma once

#include "platform/IRegistry.h"

#include <windows.h>

namespace zt {

class Win32Registry : public IRegistry {
public:
    Win32Registry() = default;
    Win32Registry(const Win32Registry&) = delete;
    Win32Registry& operator=(const Win32Registry&) = delete;
    ~Win32Registry() override;

    bool OpenKey(const std::string& path) override;
    void CloseKey() override;
    std::string ReadString(const std::string& name) override;
    bool KeyOpens(const std::string& path) override;
    std::vector<std::string> LocalMachineStrings(const std::string& path) override;

private:
    HKEY current = nullptr;
};

} // namespace zt
