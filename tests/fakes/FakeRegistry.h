#pragma once

#include "platform/IRegistry.h"
#include "tests/fakes/CaseInsensitive.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace zt {

// An in-memory registry below the current user's root. Keys are full paths without the
// leading backslash ("Software\\Vendor"); a key's parents exist too.
class FakeRegistry : public IRegistry {
public:
    void SetString(const std::string& key, const std::string& name, const std::string& value) {
        keys[key][name] = value;
    }
    void DeleteValue(const std::string& key, const std::string& name) { keys[key].erase(name); }

    bool OpenKey(const std::string& path) override {
        std::string full = path;
        if (!path.empty() && path.front() == '\\')
            full = path.substr(1);
        else if (current && !path.empty())
            full = *current + "\\" + path;
        else if (current)
            full = *current;
        if (!Exists(full))
            return false;
        current = full;
        return true;
    }
    void CloseKey() override { current.reset(); }
    std::string ReadString(const std::string& name) override {
        if (!current)
            return {};
        const auto key = keys.find(*current);
        if (key == keys.end())
            return {};
        const auto value = key->second.find(name);
        return value == key->second.end() ? std::string() : value->second;
    }
    bool KeyOpens(const std::string& path) override {
        return Exists(!path.empty() && path.front() == '\\' ? path.substr(1) : path);
    }
    std::vector<std::string> LocalMachineStrings(const std::string& path) override {
        const auto key = machineStrings.find(path);
        return key == machineStrings.end() ? std::vector<std::string>() : key->second;
    }

    std::map<std::string, std::map<std::string, std::string, CaseInsensitiveLess>,
             CaseInsensitiveLess>
        keys;
    std::map<std::string, std::vector<std::string>, CaseInsensitiveLess> machineStrings;
    std::optional<std::string> current;

private:
    bool Exists(const std::string& full) const {
        if (full.empty())
            return true;
        for (const auto& [key, values] : keys)
            if (EqualIgnoringCase(key, full) ||
                (key.size() > full.size() && key[full.size()] == '\\' &&
                 EqualIgnoringCase(key.substr(0, full.size()), full)))
                return true;
        return false;
    }
};

} // namespace zt
