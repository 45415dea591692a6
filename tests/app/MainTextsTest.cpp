#include "app/MainTexts.h"

#include <gtest/gtest.h>

namespace zt {
namespace {

// MJD 59550.5 is 2021-12-02 12:00 UTC.
constexpr TDateTime Noon = 59550.5 - 15018;
constexpr double Jst = 0.375;

TEST(MainTexts, ClockIsMonthFirstWithTheLocaleSeparators) {
    const TDateTime local = Noon + Jst + (5 * 60 + 9) / 86400.0;
    EXPECT_EQ(ClockText(local, "JST", LocaleFormats::Japanese()), "12/02 21:05:09(JST)");
    LocaleFormats dotted = LocaleFormats::German();
    dotted.TimeSeparator = ".";
    EXPECT_EQ(ClockText(local, "", dotted), "12.02 21.05.09()");
}

TEST(MainTexts, PassLineRoundsAndPadsEachField) {
    TVisibleTime pass;
    pass.AosDateTime = Noon;
    pass.MaxDateTime = Noon + 6.0 / 1440;
    pass.LosDateTime = Noon + 0.5 - 1.0 / 1440; // local 08:59 the next day
    pass.AosAz = 5;
    pass.MaxEl = 44.5; // halves go to the even neighbour
    pass.MaxAz = 123.4;
    pass.LosAz = 359.6;
    EXPECT_EQ(PassText(pass, Jst, LocaleFormats::Japanese()),
              "(AOS) 21:00 Az=  5    (MAX) 21:06 El=44 Az=123    (LOS) 08:59 Az=360");
}

TEST(MainTexts, DegreesCarryTheSign) {
    EXPECT_EQ(DegreeText(123), "123°");
    EXPECT_EQ(DegreeText(-1), "-1°");
}

} // namespace
} // namespace zt
