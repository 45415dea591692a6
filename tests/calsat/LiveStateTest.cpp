#include "calsat/LiveState.h"
#include "calsat/LiveValues.h"
#include "tests/fakes/FakeRegistry.h"

#include <gtest/gtest.h>

namespace zt {
namespace {

TEST(LiveValues, MjdIsDaysSince1899WithTheUsersDecimalSeparator) {
    const TDateTime noon = EncodeDate(2021, 12, 2) + 0.5;
    EXPECT_DOUBLE_EQ(MjdToDateTime("59550.5", LocaleFormats::US()), noon);
    EXPECT_DOUBLE_EQ(MjdToDateTime("59550,5", LocaleFormats::German()), noon);
    EXPECT_DOUBLE_EQ(MjdToDateTime("15018", LocaleFormats::US()), 0.0);
    for (const char* bad : {"", "abc", "59550,5", "1e9", "-1e9", "NAN", "INF"})
        EXPECT_THROW(MjdToDateTime(bad, LocaleFormats::US()), EConvertError) << bad;
}

TEST(LiveValues, SatelliteNameEndsBeforeTheFirstBracket) {
    const std::pair<const char*, const char*> cases[] = {{"ISS [ZARYA]", "ISS "},
                                                         {"[X]", ""},
                                                         {"NOAA 19", "NOAA 19"},
                                                         {"AO-7[B] [x]", "AO-7"},
                                                         {"", ""}};
    for (const auto& [value, name] : cases)
        EXPECT_EQ(SatelliteName(value), name) << value;
}

TEST(LiveValues, DegreesRoundHalvesToEven) {
    const std::pair<const char*, int> cases[] = {{"359.5", 360}, {"0.5", 0},    {"1.5", 2},
                                                 {"12.5", 12},   {"13.5", 14},  {"-0.5", 0},
                                                 {"-1.5", -2},   {"12.51", 13}, {" 7 ", 7}};
    for (const auto& [text, degrees] : cases)
        EXPECT_EQ(RoundDegrees(text, LocaleFormats::US()), degrees) << text;
    EXPECT_EQ(RoundDegrees("12,5", LocaleFormats::German()), 12);
    for (const char* bad : {"", "north", "12.5", "1e20", "-INF"})
        EXPECT_THROW(RoundDegrees(bad, LocaleFormats::German()), EConvertError) << bad;
}

TEST(LiveValues, RevolutionIsAWholeNumber) {
    EXPECT_EQ(ParseRevolution("45123"), 45123);
    EXPECT_EQ(ParseRevolution(" -3 "), -3);
    EXPECT_EQ(ParseRevolution("+2147483647"), 2147483647);
    for (const char* bad : {"", " ", "12.0", "1,000", "abc", "2147483648", "+-1", "12x"})
        EXPECT_THROW(ParseRevolution(bad), EConvertError) << bad;
}

// One language for every conversion error a box may show: the run-time's Japanese.
TEST(LiveValues, ConversionErrorsSpeakTheRunTimesJapanese) {
    const auto message = [](auto convert) {
        try {
            convert();
        } catch (const EConvertError& e) {
            return std::string(e.what());
        }
        return std::string("(no error)");
    };
    const std::pair<std::string, std::string> cases[] = {
        {message([] { MjdToDateTime("1e9", LocaleFormats::US()); }),
         "'1e9' は正しい日付と時刻ではありません"},
        {message([] { MjdToDateTime("north", LocaleFormats::US()); }),
         "'north' は浮動小数点数ではありません"},
        {message([] { ParseRevolution("12x"); }), "'12x' は整数ではありません"},
        {message([] { RoundDegrees("1e20", LocaleFormats::US()); }),
         "'1e20' は正しい方位ではありません"},
    };
    for (const auto& [got, expected] : cases)
        EXPECT_EQ(got, expected);
}

TEST(LiveState, ReadsTheOpenKeyAfreshAndFailsOnMissingValues) {
    FakeRegistry reg;
    const std::string key = "Software\\VB and VBA Program Settings\\TAVMIR\\CALSAT32";
    reg.SetString(key, "MJD", "59550,5");
    reg.SetString(key, "Satellite", "ISS [ZARYA]");
    reg.SetString(key, "Revolution", "45123");
    reg.SetString(key, "Azimuth", "12,5");
    reg.SetString(key, "Elevation", "13,5");
    ASSERT_TRUE(reg.OpenKey("\\" + key));
    const TLiveState live(reg, LocaleFormats::German());

    EXPECT_DOUBLE_EQ(live.ReadNow(), EncodeDate(2021, 12, 2) + 0.5);
    EXPECT_EQ(live.ReadSat(), "ISS ");
    EXPECT_EQ(live.ReadEpochRev(), 45123);
    EXPECT_EQ(live.ReadSatelliteAz(), 12);
    EXPECT_EQ(live.ReadSatelliteEl(), 14);

    reg.SetString(key, "Azimuth", "270,25");
    EXPECT_EQ(live.ReadSatelliteAz(), 270);
    reg.DeleteValue(key, "Elevation");
    EXPECT_THROW(live.ReadSatelliteEl(), EConvertError);
    reg.SetString(key, "MJD", "not yet");
    EXPECT_THROW(live.ReadNow(), EConvertError);
}

} // namespace
} // namespace zt
