#pragma once

#include <optional>
#include <string>
#include <vector>

namespace zt::sim {

struct SimOptions {
    std::string ScenarioPath;
    std::optional<std::string> Start; // UTC text, or "now"
    double TimeScale = 1;
    std::string RegKey = "\\Software\\VB and VBA Program Settings\\TAVMIR\\CALSAT32";
    std::string IniPath = "C:\\Calsat32\\CALSAT32.INI";
    std::vector<std::string> Faults;
    std::string TruthPath; // where to log the satellite's direction at each refresh
    bool Help = false;
};

// Throws std::runtime_error for an unknown option, a missing value or a bad number.
SimOptions ParseSimOptions(const std::vector<std::string>& args);

extern const char* const SimUsage;

} // namespace zt::sim
