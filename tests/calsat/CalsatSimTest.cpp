#include "calsat/PassTable.h"
#include "tools/calsat-sim/Sky.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>

namespace zt::sim {
namespace {

constexpr double Second = 1 / SecondsPerDay;

Sky Load(const std::string& name) {
    std::ifstream in(std::string(ZT_SCENARIOS_DIR) + "/" + name);
    std::stringstream text;
    text << in.rdbuf();
    Scenario s = ParseScenario(text.str());
    return Sky(s, *s.Start);
}

Pass NextPass(const Sky& sky, TDateTime t) {
    for (const Pass& p : sky.PassesNear(t))
        if (p.Los >= t)
            return p;
    ADD_FAILURE() << "no pass after " << t;
    return {};
}

// Whether the azimuth passes through north during [from, to].
bool CrossesNorth(const Sky& sky, TDateTime from, TDateTime to) {
    for (TDateTime t = from; t < to; t += Second)
        if (std::fabs(sky.At(t + Second).Azimuth - sky.At(t).Azimuth) > 180)
            return true;
    return false;
}

TEST(CalsatSimOrbit, PassesAgreeWithTheLiveDirection) {
    for (const char* scenario : {"north-crossing.scn", "zenith.scn"}) {
        const Sky sky = Load(scenario);
        const auto passes = sky.PassesNear(sky.Start());
        ASSERT_GE(passes.size(), 3u) << scenario;
        for (const Pass& p : passes) {
            EXPECT_LT(sky.At(p.Aos - 2 * Second).Elevation, 0) << scenario;
            EXPECT_GT(sky.At(p.Aos + 2 * Second).Elevation, 0) << scenario;
            EXPECT_GT(sky.At(p.Los - 2 * Second).Elevation, 0) << scenario;
            EXPECT_LT(sky.At(p.Los + 2 * Second).Elevation, 0) << scenario;
            for (TDateTime t = p.Aos; t <= p.Los; t += Second)
                EXPECT_LE(sky.At(t).Elevation, p.MaxEl + 1e-6) << scenario;
            EXPECT_NEAR(sky.At(p.Max).Azimuth, p.MaxAz, 1e-9);
            EXPECT_GT(p.Los - p.Aos, 60 * Second);
        }
    }
}

TEST(CalsatSimOrbit, ShippedPassesCrossNorthAndReachTheZenith) {
    const Sky north = Load("north-crossing.scn");
    const Pass first = NextPass(north, north.Start());
    EXPECT_GT(first.Aos, north.Start());
    EXPECT_LT(first.Aos, north.Start() + 10 * 60 * Second);
    EXPECT_TRUE(CrossesNorth(north, first.Aos, first.Los));

    const Sky zenith = Load("zenith.scn");
    EXPECT_GT(NextPass(zenith, zenith.Start()).MaxEl, 85);
}

TEST(CalsatSimOrbit, RevolutionCountsOrbitsAtTheAscendingNode) {
    const CircularOrbit orbit({51.6, 420, 350, 0}, {35.68, 139.77}, 45000.0, 7);
    // 2 pi sqrt(a^3 / mu) with a = 6798.137 km: 92.97 minutes.
    EXPECT_NEAR(orbit.PeriodDays() * 1440, 92.97, 0.02);
    const double toNode = 10.0 / 360 * orbit.PeriodDays();
    EXPECT_EQ(orbit.Revolution(45000.0), 7);
    EXPECT_EQ(orbit.Revolution(45000.0 + toNode - Second), 7);
    EXPECT_EQ(orbit.Revolution(45000.0 + toNode + Second), 8);
    EXPECT_EQ(orbit.Revolution(45000.0 + toNode + orbit.PeriodDays() + Second), 9);
}

TEST(CalsatSimScript, InterpolatesTheShortWayRoundAndFindsThePass) {
    const Sky sky = Load("scripted-north.scn");
    const TDateTime start = sky.Start();
    EXPECT_NEAR(sky.At(start + 360 * Second).Azimuth, 7.5, 1e-6);
    EXPECT_NEAR(sky.At(start + 360 * Second).Elevation, 30, 1e-6);
    EXPECT_EQ(sky.At(start - 1).Azimuth, 290);

    const auto passes = sky.PassesNear(start);
    ASSERT_EQ(passes.size(), 1u);
    EXPECT_NEAR(passes[0].Aos, start + 60 * Second, 0.05 * Second);
    EXPECT_NEAR(passes[0].Los, start + 600 * Second, 0.05 * Second);
    EXPECT_NEAR(passes[0].MaxEl, 40, 1e-3);
    EXPECT_TRUE(CrossesNorth(sky, passes[0].Aos, passes[0].Los));
    EXPECT_EQ(sky.Revolution(start + 599 * Second), 100);
    EXPECT_EQ(sky.Revolution(start + 601 * Second), 101);
}

TEST(CalsatSimScript, FaultSwitchesActOnlyInTheirTime) {
    const Sky sky = Load("faults.scn");
    const auto at = [&](double seconds) {
        return sky.RegistryValues(sky.Start() + seconds * Second, LocaleFormats::German());
    };
    const auto value = [](const auto& values, const std::string& name) {
        for (const auto& [n, text] : values)
            if (n == name)
                return text;
        ADD_FAILURE() << name;
        return std::optional<std::string>();
    };
    EXPECT_EQ(value(at(0), "MJD"), "60431,500000");
    EXPECT_EQ(value(at(0), "Satellite"), "TEST-SAT [SCRIPT]");
    EXPECT_EQ(value(at(300), "Elevation"), "40,00");
    EXPECT_EQ(value(at(130), "Elevation"), std::nullopt);
    EXPECT_EQ(value(at(141), "Elevation"), "13,50");
    EXPECT_EQ(value(at(210), "Azimuth"), "north");
    EXPECT_EQ(value(at(221), "Azimuth"), "326,96");
    EXPECT_FALSE(sky.WindowClosed(sky.Start() + 479 * Second));
    EXPECT_TRUE(sky.WindowClosed(sky.Start() + 480 * Second));
}

TEST(CalsatSimPassTable, ReadsBackThroughTheLinkInEachLocale) {
    const Sky sky = Load("north-crossing.scn");
    const TDateTime now = sky.Start();
    const Pass pass = NextPass(sky, now);
    for (const LocaleFormats& fmt :
         {LocaleFormats::Japanese(), LocaleFormats::US(), LocaleFormats::German()}) {
        const std::string text = sky.PassTableText(now, fmt);
        EXPECT_EQ(SplitPassTableWords(text).size() % 11, 0u) << text;
        TVisibleTime vt;
        ChoosePass(text, now, 0.375, fmt, vt);
        EXPECT_NEAR(vt.AosDateTime, pass.Aos, 0.5 * Second) << text;
        EXPECT_NEAR(vt.MaxDateTime, pass.Max, 0.5 * Second) << text;
        EXPECT_NEAR(vt.LosDateTime, pass.Los, 0.5 * Second) << text;
        EXPECT_NEAR(vt.AosAz, pass.AosAz, 0.05);
        EXPECT_NEAR(vt.MaxEl, pass.MaxEl, 0.05);
        EXPECT_NEAR(vt.LosAz, pass.LosAz, 0.05);
    }
    // After the last pass of a script its row stays.
    const Sky script = Load("scripted-north.scn");
    EXPECT_EQ(
        SplitPassTableWords(script.PassTableText(script.Start() + 1, LocaleFormats::US())).size(),
        11u);
}

TEST(CalsatSimScenario, RejectsBadScenariosNamingTheLine) {
    const std::pair<const char*, const char*> cases[] = {
        {"satellite X\n", "either an orbit or scripted points"},
        {"orbit 51 400 0\npoint 0 1 2\n", "either"},
        {"# c\norbit 51 x 0\n", "line 2: not a number: x"},
        {"orbit 51 -5 0\n", "line 1: the altitude"},
        {"point 10 0 0\npoint 5 0 0\n", "line 2: points must be in time order"},
        {"orbit 51 400 0\nstart 2024-13-01 00:00:00\n", "line 2: not a UTC time"},
        {"orbit 51 400 0\nfault explode 5\n", "line 2: unknown fault"},
        {"orbit 51 400 0\nfault delete MJD\n", "line 2: wrong number"},
        {"orbit 51 400 0\nwobble 1\n", "line 2: unknown keyword"},
    };
    for (const auto& [text, message] : cases) {
        try {
            ParseScenario(text);
            ADD_FAILURE() << text;
        } catch (const std::runtime_error& e) {
            EXPECT_NE(std::string(e.what()).find(message), std::string::npos) << e.what();
        }
    }
}

} // namespace
} // namespace zt::sim
