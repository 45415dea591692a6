#include "calsat/PassTable.h"
#include "platform/win32/Win32Locale.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace zt {
namespace {

// Changes the user's formats through the system, and puts them back afterwards.
struct LocaleTest : testing::Test {
    ~LocaleTest() override {
        for (const auto& [item, old] : saved)
            SetLocaleInfoW(LOCALE_USER_DEFAULT, item, old.c_str());
    }
    void Set(LCTYPE item, const wchar_t* value) {
        if (!saved.count(item)) {
            wchar_t old[128] = {};
            GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, item, old, 128);
            saved[item] = old;
        }
        ASSERT_TRUE(SetLocaleInfoW(LOCALE_USER_DEFAULT, item, value));
    }
    std::map<LCTYPE, std::wstring> saved;
};

TEST_F(LocaleTest, ReadsTheUsersFormatsAndParsesWithThem) {
    const LocaleFormats us = ReadUserLocaleFormats();
    EXPECT_EQ(us.DecimalSeparator, ".");
    EXPECT_EQ(us.ShortDateFormat, "M/d/yyyy");
    EXPECT_EQ(us.LongTimeFormat, "h:mm:ss tt");
    EXPECT_EQ(us.DateOrder, TDateOrder::MDY);
    EXPECT_EQ(us.TimePMString, "PM");

    Set(LOCALE_SSHORTDATE, L"dd.MM.yyyy");
    Set(LOCALE_SDATE, L".");
    Set(LOCALE_SDECIMAL, L",");
    Set(LOCALE_STIMEFORMAT, L"HH:mm:ss");
    const LocaleFormats german = ReadUserLocaleFormats();
    EXPECT_EQ(german.DecimalSeparator, ",");
    EXPECT_EQ(german.DateSeparator, ".");
    EXPECT_EQ(german.ShortDateFormat, "dd.MM.yyyy");
    EXPECT_EQ(german.LongTimeFormat, "HH:mm:ss");
    EXPECT_EQ(german.DateOrder, TDateOrder::DMY);

    TVisibleTime vt;
    ChoosePass("02.12.2021 20:50:00 200,5 0 20:55:30 45 270 21:00:00 340 0 0", 0, 0.375, german,
               vt);
    EXPECT_NEAR(vt.LosDateTime, EncodeDate(2021, 12, 2) + 0.5, 1e-9);
    EXPECT_EQ(vt.AosAz, 200.5);
    EXPECT_THROW(ChoosePass("12/2/2021 20:50:00 200.5 0 20:55:30 45 270 21:00:00 340 0 0", 0, 0.375,
                            german, vt),
                 EConvertError);
}

} // namespace
} // namespace zt
