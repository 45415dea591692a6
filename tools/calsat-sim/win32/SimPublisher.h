#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace zt::sim {

// Writes CALSAT32's live values below the current user's root and its INI file.
class SimPublisher {
public:
    // Creates the key when it is missing.
    explicit SimPublisher(const std::string& regKey);
    SimPublisher(const SimPublisher&) = delete;
    SimPublisher& operator=(const SimPublisher&) = delete;
    ~SimPublisher();

    // A value without text is deleted.
    void Publish(const std::vector<std::pair<std::string, std::optional<std::string>>>& values);

    // [TIMEOFFSET] TimeOffset and ChrLST; creates the file's folder when it is missing.
    static void WriteIni(const std::string& path, int timeOffset, const std::string& chrLst);
    // CALSAT32 keeps its elements file ELEM.TXT beside its INI file; Zenitrack's Options
    // dialog asks for it. Leaves an existing file alone.
    static void WriteElementsFile(const std::string& iniPath);

private:
    HKEY Key = nullptr;
};

} // namespace zt::sim
