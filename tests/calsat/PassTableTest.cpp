#include "calsat/PassTable.h"

#include <gtest/gtest.h>

namespace zt {
namespace {

using Words = std::vector<std::string>;

TEST(PassTableWords, SplitOnControlCharactersAndBlanksWithQuotedWords) {
    EXPECT_EQ(SplitPassTableWords(" \r\n a\tb\r\nc  \x01 d \n"), (Words{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitPassTableWords("\"a b\"c \"\" \"open end"), (Words{"a b", "c", "", "open end"}));
    EXPECT_EQ(SplitPassTableWords("caf\xc3\xa9 \xe6\x97\xa5"),
              (Words{"caf\xc3\xa9", "\xe6\x97\xa5"}));
    EXPECT_TRUE(SplitPassTableWords(" \r\n\t ").empty());
}

// Three passes in Japan (local = UTC + 9 h); the last one runs over local midnight.
const std::string Table = "2021/12/02 20:50:00 200.5 0 20:55:30 45.5 270 21:00:00 340.25 0 0\r\n"
                          "2021/12/02 22:30:00 190 0 22:35:00 10 250 22:40:00 300 0 0\r\n"
                          "2021/12/02 23:55:00 10 0 00:01:00 60 90 00:07:00 170 0 0\r\n";
constexpr double Jst = 0.375;

TDateTime Utc(int d, int h, int m, int s = 0) {
    return EncodeDate(2021, 12, d) + EncodeTime(h, m, s);
}

TEST(PassTable, ChoosesTheFirstPassNotOverElseTheLast) {
    const struct {
        TDateTime now;
        double losAz;
    } cases[] = {{Utc(2, 0, 0), 340.25},  {Utc(2, 12, 0), 340.25}, // LOS equal to Now still counts
                 {Utc(2, 12, 0, 1), 300}, {Utc(2, 13, 40), 300},
                 {Utc(2, 13, 41), 170},   {Utc(3, 12, 0), 170}}; // every LOS is past: the last pass
    for (const auto& c : cases) {
        TVisibleTime vt;
        ChoosePass(Table, c.now, Jst, LocaleFormats::Japanese(), vt);
        EXPECT_EQ(vt.LosAz, c.losAz) << c.now;
    }
}

TEST(PassTable, FillsTheChosenPassInUtc) {
    TVisibleTime vt;
    ChoosePass(Table, Utc(2, 0, 0), Jst, LocaleFormats::Japanese(), vt);
    EXPECT_NEAR(vt.AosDateTime, Utc(2, 11, 50), 1e-9);
    EXPECT_NEAR(vt.MaxDateTime, Utc(2, 11, 55, 30), 1e-9);
    EXPECT_NEAR(vt.LosDateTime, Utc(2, 12, 0), 1e-9); // 21:00 JST is 12:00 UTC
    EXPECT_EQ(vt.AosAz, 200.5);
    EXPECT_EQ(vt.MaxEl, 45.5);
    EXPECT_EQ(vt.MaxAz, 270);
}

TEST(PassTable, APassOverMidnightTakesItsRowsDateForAllTimes) {
    TVisibleTime vt;
    ChoosePass(Table, Utc(2, 14, 0), Jst, LocaleFormats::Japanese(), vt);
    EXPECT_NEAR(vt.AosDateTime, Utc(2, 14, 55), 1e-9);
    EXPECT_NEAR(vt.MaxDateTime, Utc(1, 15, 1), 1e-9);
    EXPECT_NEAR(vt.LosDateTime, Utc(1, 15, 7), 1e-9);
    EXPECT_LT(vt.LosDateTime, vt.AosDateTime);
}

TEST(PassTable, IncompleteRowsAndEmptyText) {
    const TVisibleTime before{1, 2, 3, 4, 5, 6, 7};
    const std::string oneRow = Table.substr(0, Table.find('\r'));
    TVisibleTime vt = before;
    ChoosePass(oneRow + " 2021/12/03 01:00:00 1 2 3 4 5 6 7 8", Utc(3, 0, 0), Jst,
               LocaleFormats::Japanese(), vt); // 21 words: one row
    EXPECT_EQ(vt.LosAz, 340.25);

    vt = before;
    ChoosePass("2021/12/02 20:50:00 200 0 20:55:30 45 270 21:00:00 340 0", Utc(2, 0, 0), Jst,
               LocaleFormats::Japanese(), vt); // 10 words: no row
    EXPECT_EQ(vt.LosDateTime, before.LosDateTime);
    EXPECT_EQ(vt.AosAz, before.AosAz);

    vt = before;
    ChoosePass(" \r\n", Utc(2, 0, 0), Jst, LocaleFormats::Japanese(), vt);
    EXPECT_EQ(vt.AosDateTime, Utc(2, 0, 0));
    EXPECT_EQ(vt.MaxDateTime, Utc(2, 0, 0));
    EXPECT_EQ(vt.LosDateTime, Utc(2, 0, 0));
    EXPECT_EQ(vt.AosAz, before.AosAz);
    EXPECT_EQ(vt.MaxEl, before.MaxEl);
}

TEST(PassTable, ParsesWhatEachLocaleWrites) {
    const struct {
        LocaleFormats fmt;
        const char* row;
    } cases[] = {
        {LocaleFormats::Japanese(), "2021/12/02 21:05:09 10.5 0 21:10:00 45 90 21:15:00 170 0 0"},
        {LocaleFormats::US(), "12/2/2021 21:05:09 10.5 0 21:10:00 45 90 21:15:00 170 0 0"},
        {LocaleFormats::US(), "12/2/2021 9:05:09PM 10.5 0 9:10:00PM 45 90 9:15PM 170 0 0"},
        {LocaleFormats::German(), "02.12.2021 21:05:09 10,5 0 21:10:00 45 90 21:15:00 170 0 0"},
    };
    for (const auto& c : cases) {
        TVisibleTime vt;
        ChoosePass(c.row, Utc(2, 0, 0), 0, c.fmt, vt);
        EXPECT_NEAR(vt.AosDateTime, Utc(2, 21, 5, 9), 1e-9) << c.row;
        EXPECT_NEAR(vt.LosDateTime, Utc(2, 21, 15), 1e-9) << c.row;
        EXPECT_EQ(vt.AosAz, 10.5) << c.row;
    }
}

TEST(PassTable, AnythingThatDoesNotParseFailsAndChangesNothing) {
    const char* rows[] = {
        "2021/13/02 20:50:00 200 0 20:55:30 45 270 21:00:00 340 0 0",   // month 13
        "2021/12/02 20:50:00 200 0 20:55:30 45 270 25:00:00 340 0 0",   // LOS hour
        "2021/12/02 20:50:00 200 0 20:55:30 45 270 21:00:00 340,5 0 0", // decimal comma
        "2021/12/02 20:50:00 200 0 20:5x:30 45 270 21:00:00 340 0 0",   // MAX time
        "2021/12/02 20:50:00 N 0 20:55:30 45 270 21:00:00 340 0 0",     // AOS azimuth
        // A LOS that does not parse in a row before the chosen one.
        "2021/12/02 20:50:00 200 0 20:55:30 45 270 21:00 340 0 0 "
        "2021/12/02 22:30:00 190 0 22:35:00 10 250 22-40 300 0 0 "
        "2021/12/02 23:55:00 10 0 00:01:00 60 90 00:07:00 170 0 0"};
    for (const char* row : rows) {
        const TVisibleTime before{1, 2, 3, 4, 5, 6, 7};
        TVisibleTime vt = before;
        EXPECT_THROW(ChoosePass(row, Utc(2, 12, 30), Jst, LocaleFormats::Japanese(), vt),
                     EConvertError)
            << row;
        EXPECT_EQ(vt.LosDateTime, before.LosDateTime) << row;
        EXPECT_EQ(vt.AosAz, before.AosAz) << row;
    }
}

} // namespace
} // namespace zt
