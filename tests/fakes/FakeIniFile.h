#pragma once

#include "platform/IIniFile.h"
#include "tests/fakes/CaseInsensitive.h"

#include <map>
#include <string>

namespace zt {

// INI files held in memory, by path; section and key names match ignoring case.
class FakeIniFile : public IIniFile {
public:
    void Set(const std::string& path, const std::string& section, const std::string& key,
             const std::string& value) {
        files[path][section][key] = value;
    }
    std::string ReadString(const std::string& path, const std::string& section,
                           const std::string& key, const std::string& def) override {
        ++reads;
        const auto file = files.find(path);
        if (file == files.end())
            return def;
        const auto sec = file->second.find(section);
        if (sec == file->second.end())
            return def;
        const auto value = sec->second.find(key);
        return value == sec->second.end() ? def : value->second;
    }

    using Section = std::map<std::string, std::string, CaseInsensitiveLess>;
    std::map<std::string, std::map<std::string, Section, CaseInsensitiveLess>> files;
    int reads = 0;
};

} // namespace zt
