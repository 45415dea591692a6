#include "tools/calsat-sim/SimOptions.h"

#include <charconv>
#include <stdexcept>

namespace zt::sim {

const char* const SimUsage =
    "Usage: calsat-sim --scenario FILE [options]\n"
    "Stands in for CALSAT32: publishes its registry values, its window \"CALSAT32(SGP)\"\n"
    "with the pass table, and its INI file, driven by a scenario.\n"
    "\n"
    "  --scenario FILE   the scenario to play (see tools/calsat-sim/scenarios)\n"
    "  --start TIME      UTC start \"YYYY-MM-DD HH:MM:SS\", or \"now\"; default: the\n"
    "                    scenario's start, else now\n"
    "  --scale X         simulated seconds per real second (default 1)\n"
    "  --regkey PATH     registry key below HKEY_CURRENT_USER (default\n"
    "                    \"\\Software\\VB and VBA Program Settings\\TAVMIR\\CALSAT32\")\n"
    "  --ini PATH        INI file to write (default \"C:\\Calsat32\\CALSAT32.INI\")\n"
    "  --fault FAULT     a fault switch, as a scenario's fault line; may repeat:\n"
    "                    \"delete NAME FROM [UNTIL]\", \"text NAME TEXT FROM [UNTIL]\",\n"
    "                    \"close AT\", \"hang AT SECONDS\" (AT: seconds of simulated time\n"
    "                    after the start; a hang's SECONDS are of the wall clock, while\n"
    "                    the window answers no message)\n"
    "  --truth FILE      log each refresh: Unix time, simulated UTC, azimuth and\n"
    "                    elevation in degrees (tab-separated)\n"
    "  --help            this text\n";

SimOptions ParseSimOptions(const std::vector<std::string>& args) {
    SimOptions o;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h" || a == "/?") {
            o.Help = true;
            continue;
        }
        if (i + 1 >= args.size())
            throw std::runtime_error("unknown option or missing value: " + a);
        const std::string& v = args[++i];
        if (a == "--scenario") {
            o.ScenarioPath = v;
        } else if (a == "--start") {
            o.Start = v;
        } else if (a == "--scale") {
            const auto [end, ec] = std::from_chars(v.data(), v.data() + v.size(), o.TimeScale);
            if (ec != std::errc() || end != v.data() + v.size() || !(o.TimeScale > 0))
                throw std::runtime_error("--scale needs a number above 0: " + v);
        } else if (a == "--regkey") {
            o.RegKey = v;
        } else if (a == "--ini") {
            o.IniPath = v;
        } else if (a == "--fault") {
            o.Faults.push_back(v);
        } else if (a == "--truth") {
            o.TruthPath = v;
        } else {
            throw std::runtime_error("unknown option: " + a);
        }
    }
    if (!o.Help && o.ScenarioPath.empty())
        throw std::runtime_error("--scenario is missing");
    return o;
}

} // namespace zt::sim
