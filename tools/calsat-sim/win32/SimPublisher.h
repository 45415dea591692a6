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

private:
    HKEY Key = nullptr;
};

} // namespace zt::sim
