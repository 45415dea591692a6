// The stand-in's satellite change and hang: what CALSAT32 publishes before and after.
#include "tools/calsat-sim/Sky.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace zt::sim {
namespace {

constexpr double Second = 1 / SecondsPerDay;

Scenario Read(const std::string& name) {
    std::ifstream in(std::string(ZT_SCENARIOS_DIR) + "/" + name);
    std::stringstream text;
    text << in.rdbuf();
    return ParseScenario(text.str());
}

std::string Value(const Sky& sky, TDateTime t, const std::string& name) {
    for (const auto& [n, text] : sky.RegistryValues(t, {}))
        if (n == name)
            return text.value_or("(deleted)");
    return "(none)";
}

TEST(CalsatSimChange, PublishesTheNewSatellitesNameTableAndDirectionFromItsMoment) {
    const Scenario change = Read("satellite-change.scn");
    const Sky sky(change, *change.Start);
    Scenario before = Read("pass-normal.scn"), after = Read("pass-north.scn");
    const Sky normal(before, *before.Start), north(after, *after.Start);
    const TDateTime justBefore = sky.Start() + 59.5 * Second, justAfter = sky.Start() + 60 * Second;

    EXPECT_EQ(Value(sky, justBefore, "Satellite"), "ISS [ZARYA]");
    EXPECT_EQ(Value(sky, justAfter, "Satellite"), "FO-29 (JAS-2)");
    EXPECT_EQ(sky.PassTableText(justBefore, {}), normal.PassTableText(justBefore, {}));
    EXPECT_EQ(sky.PassTableText(justAfter, {}), north.PassTableText(justAfter, {}));
    EXPECT_NE(normal.PassTableText(justAfter, {}), north.PassTableText(justAfter, {}));
    const TDateTime later = sky.Start() + 300 * Second;
    EXPECT_DOUBLE_EQ(sky.At(later).Azimuth, north.At(later).Azimuth);
    EXPECT_EQ(Value(sky, later, "Azimuth"), Value(north, later, "Azimuth"));
    EXPECT_EQ(Value(sky, justBefore, "Azimuth"), Value(normal, justBefore, "Azimuth"));
}

TEST(CalsatSimChange, AHangIsDueOnceInTheRefreshThatReachesItsMoment) {
    Scenario s = Read("satellite-change.scn");
    s.Faults.push_back(ParseFault("hang 60 5"));
    s.Faults.push_back(ParseFault("delete Elevation 10 20"));
    const Sky sky(s, *s.Start);
    const auto at = [&](double seconds) { return sky.Start() + seconds * Second; };
    EXPECT_EQ(sky.HangSeconds(at(59.0), at(59.8)), 0);
    EXPECT_EQ(sky.HangSeconds(at(59.8), at(60.6)), 5);
    EXPECT_EQ(sky.HangSeconds(at(60.6), at(61.4)), 0);
    EXPECT_EQ(sky.HangSeconds(at(0), at(100)), 5);
    // A hang touches no registry value.
    EXPECT_EQ(Value(sky, at(60.2), "Satellite"), "FO-29 (JAS-2)");
    EXPECT_EQ(Value(sky, at(15), "Elevation"), "(deleted)");
}

TEST(CalsatSimChange, RejectsBadChangeAndHangLines) {
    const char* base = "satellite A\nobserver 35 139\n";
    for (const char* bad :
         {"orbit 51.6 420 11 160\nchange 60 51.6 420 19\n",
          "orbit 51.6 420 11 160\nchange 60 51.6 -1 19 142 B\n",
          "point 0 10 0\npoint 60 20 0\nchange 30 51.6 420 19 142 B\n",
          "orbit 51.6 420 11 160\nfault hang 60\n", "orbit 51.6 420 11 160\nfault hang 60 0\n"})
        EXPECT_THROW(ParseScenario(std::string(base) + bad), std::runtime_error) << bad;
}

} // namespace
} // namespace zt::sim
