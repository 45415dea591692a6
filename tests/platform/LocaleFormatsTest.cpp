#include "platform/LocaleFormats.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>

namespace zt {
namespace {

struct DateTimeForm {
    const char* name;
    LocaleFormats fmt;
    const char* date;    // 2024-03-05
    const char* time;    // 14:07:09
    const char* morning; // 09:05:00
};

class LocaleDateTimeForms : public ::testing::TestWithParam<DateTimeForm> {};

TEST_P(LocaleDateTimeForms, FormatAndParseBack) {
    const DateTimeForm& c = GetParam();
    const TDateTime date = EncodeDate(2024, 3, 5);
    const TDateTime afternoon = EncodeTime(14, 7, 9);
    const TDateTime morning = EncodeTime(9, 5, 0);
    EXPECT_EQ(FormatDate(date + afternoon, c.fmt), c.date);
    EXPECT_EQ(FormatTime(date + afternoon, c.fmt), c.time);
    EXPECT_EQ(FormatTime(morning, c.fmt), c.morning);
    EXPECT_EQ(FormatDateTime(date + afternoon, c.fmt), std::string(c.date) + " " + c.time);

    EXPECT_EQ(ParseDate(c.date, c.fmt), date);
    EXPECT_NEAR(ParseTime(c.time, c.fmt), afternoon, 1e-12);
    EXPECT_NEAR(ParseTime(c.morning, c.fmt), morning, 1e-12);
    EXPECT_NEAR(ParseDateTime(FormatDateTime(date + afternoon, c.fmt), c.fmt), date + afternoon,
                1e-9);
    // Whatever the locale's own time form, a 24-hour time parses.
    EXPECT_NEAR(ParseTime("14:07:09", c.fmt), afternoon, 1e-12);
    EXPECT_NEAR(ParseTime("14:07", c.fmt), EncodeTime(14, 7, 0), 1e-12);
}

INSTANTIATE_TEST_SUITE_P(Locales, LocaleDateTimeForms,
                         ::testing::Values(DateTimeForm{"Japanese", LocaleFormats::Japanese(),
                                                        "2024/03/05", "14:07:09", "9:05:00"},
                                           DateTimeForm{"US", LocaleFormats::US(), "3/5/2024",
                                                        "2:07:09 PM", "9:05:00 AM"},
                                           DateTimeForm{"German", LocaleFormats::German(),
                                                        "05.03.2024", "14:07:09", "09:05:00"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(LocaleFormats, TwelveHourMarkers) {
    const LocaleFormats us = LocaleFormats::US();
    const LocaleFormats jp = LocaleFormats::Japanese();
    const struct {
        const char* text;
        const LocaleFormats& fmt;
        int hour, minute;
    } cases[] = {
        {"12:00 AM", us, 0, 0},     {"12:30 PM", us, 12, 30}, {"1:05 pm", us, 13, 5},
        {"11:59:00AM", us, 11, 59}, {"午後 2:07", jp, 14, 7}, {"午前 12:10", jp, 0, 10},
        {"2:07 PM", jp, 14, 7},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(ParseTime(c.text, c.fmt), EncodeTime(c.hour, c.minute, 0), 1e-12) << c.text;
    EXPECT_EQ(FormatTime(EncodeTime(0, 1, 2), us), "12:01:02 AM");
    EXPECT_EQ(FormatTime(EncodeTime(12, 1, 2), us), "12:01:02 PM");
}

TEST(LocaleFormats, MalformedDatesAndTimesThrow) {
    const LocaleFormats jp = LocaleFormats::Japanese();
    for (const char* text : {"", "2024/13/01", "2024/02/30", "2023/02/29", "2024/1", "2024-01-02",
                             "2024/01/02x", "2024//02", "12024/01/02", "2024/001/02", "x/1/2"})
        EXPECT_THROW(ParseDate(text, jp), EConvertError) << text;
    EXPECT_EQ(ParseDate("2024/02/29", jp), EncodeDate(2024, 2, 29));
    for (const char* text : {"", "24:00", "12:60", "12:00:60", "1:2:3:4", "13:00 PM", "12",
                             "1:", "a:00", "123:00", "12:00 XM"})
        EXPECT_THROW(ParseTime(text, jp), EConvertError) << text;
    try {
        ParseDate("31.02.2024", LocaleFormats::German());
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "'31.02.2024' は正しい日付ではありません");
    }
}

TEST(LocaleFormats, TwoDigitYearsFallIn1950To2049) {
    const LocaleFormats us = LocaleFormats::US();
    EXPECT_EQ(ParseDate("3/5/24", us), EncodeDate(2024, 3, 5));
    EXPECT_EQ(ParseDate("3/5/49", us), EncodeDate(2049, 3, 5));
    EXPECT_EQ(ParseDate("3/5/50", us), EncodeDate(1950, 3, 5));
}

TEST(LocaleFormats, CalendarAnchorsAndLimits) {
    EXPECT_EQ(EncodeDate(1899, 12, 30), 0);
    EXPECT_EQ(EncodeDate(2000, 1, 1), 36526);
    EXPECT_EQ(EncodeDate(1, 1, 1), -693593);
    EXPECT_EQ(EncodeDate(9999, 12, 31), 2958465);
    EXPECT_THROW(EncodeDate(0, 12, 31), EConvertError);
    EXPECT_THROW(EncodeDate(10000, 1, 1), EConvertError);
    EXPECT_THROW(EncodeTime(24, 0, 0), EConvertError);

    // Before the epoch the time of day counts away from zero.
    const TDateTimeParts before = DecodeDateTime(-1.25);
    EXPECT_EQ((std::array{before.Year, before.Month, before.Day, before.Hour}),
              (std::array{1899, 12, 29, 6}));
    EXPECT_EQ(CombineDateTime(EncodeDate(1899, 12, 29), 0.25), -1.25);
    // A hair below midnight rounds into the next day, not to 24:00.
    const TDateTimeParts late = DecodeDateTime(EncodeDate(2024, 2, 29) + 1 - 1e-10);
    EXPECT_EQ((std::array{late.Month, late.Day, late.Hour, late.Second}), (std::array{3, 1, 0, 0}));
    EXPECT_THROW(FormatDate(std::nan(""), LocaleFormats::US()), EConvertError);
    EXPECT_THROW(FormatDate(1e10, LocaleFormats::US()), EConvertError);
}

TEST(LocaleFormats, DateOrderFollowsThePattern) {
    EXPECT_EQ(DateOrderOf("yyyy/MM/dd"), TDateOrder::YMD);
    EXPECT_EQ(DateOrderOf("M/d/yyyy"), TDateOrder::MDY);
    EXPECT_EQ(DateOrderOf("dd.MM.yyyy"), TDateOrder::DMY);
    EXPECT_EQ(DateOrderOf("d MMMM yyyy"), TDateOrder::DMY);
    EXPECT_EQ(DateOrderOf("'Day' d"), TDateOrder::MDY);
}

TEST(LocaleFormats, FloatsUseTheLocalesSeparatorAndFifteenDigits) {
    const LocaleFormats us = LocaleFormats::US();
    const LocaleFormats de = LocaleFormats::German();
    const struct {
        double value;
        const char* us;
        const char* de;
    } forms[] = {
        {0.1, "0.1", "0,1"},
        {-2.5, "-2.5", "-2,5"},
        {1e20, "1E20", "1E20"},
        {1.5e-5, "1.5E-5", "1,5E-5"},
        {1.0 / 3, "0.333333333333333", "0,333333333333333"},
        {123456789012345.0, "123456789012345", "123456789012345"},
        {std::numeric_limits<double>::infinity(), "INF", "INF"},
    };
    for (const auto& f : forms) {
        EXPECT_EQ(FormatFloat(f.value, us), f.us);
        EXPECT_EQ(FormatFloat(f.value, de), f.de);
        const double back = ParseFloat(f.de, de);
        EXPECT_TRUE(back == f.value || std::fabs(back - f.value) <= std::fabs(f.value) * 1e-15)
            << f.de;
    }
    EXPECT_TRUE(std::isnan(ParseFloat(FormatFloat(std::nan(""), us), us)));
    EXPECT_EQ(ParseFloat(" -2.5E+2 ", us), -250);
    EXPECT_EQ(ParseFloat(".5", us), 0.5);
    EXPECT_EQ(ParseFloat("5.", us), 5);
    for (const char* text : {"", " ", "1.5", "1,5,0", "abc", "1e", "1e+", "--1", "1 000", "0x10",
                             "1E400", "infinity", ","})
        EXPECT_THROW(ParseFloat(text, de), EConvertError) << text;
    try {
        ParseFloat("1,5", us);
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "'1,5' は浮動小数点数ではありません");
    }
}

TEST(LocaleFormats, CurrencyKeepsFourDecimalsExactly) {
    const LocaleFormats us = LocaleFormats::US();
    const std::int64_t min = std::numeric_limits<std::int64_t>::min();
    const std::int64_t max = std::numeric_limits<std::int64_t>::max();
    const struct {
        std::int64_t units;
        const char* text;
    } forms[] = {{0, "0"},
                 {123400, "12.34"},
                 {-1, "-0.0001"},
                 {50000, "5"},
                 {min, "-922337203685477.5808"},
                 {max, "922337203685477.5807"}};
    for (const auto& f : forms) {
        EXPECT_EQ(FormatCurrency(TCurrency{f.units}, us), f.text);
        EXPECT_EQ(ParseCurrency(f.text, us), TCurrency{f.units}) << f.text;
    }
    EXPECT_EQ(FormatCurrency(TCurrency{123400}, LocaleFormats::German()), "12,34");
    EXPECT_EQ(ParseCurrency("1.23455", us), TCurrency{12346});
    EXPECT_EQ(ParseCurrency("-1.23455", us), TCurrency{-12346});
    EXPECT_EQ(ParseCurrency("1.23454", us), TCurrency{12345});
    for (const char* text : {"", "922337203685477.5808", "922337203685478", "1E3", "1,5", "."})
        EXPECT_THROW(ParseCurrency(text, us), EConvertError) << text;
}

} // namespace
} // namespace zt
