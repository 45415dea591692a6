#include "calsat/TimeOffsetReader.h"
#include "tests/fakes/FakeFileSystem.h"
#include "tests/fakes/FakeIniFile.h"
#include "tests/fakes/FakeMessageBox.h"

#include <gtest/gtest.h>

namespace zt {
namespace {

const std::string Path = "C:\\Calsat32\\CALSAT32.INI";

struct TimeOffsetReaderTest : testing::Test {
    TimeOffsetReaderTest() { files.files.insert(Path); }
    TObservationPoint Read(const std::string& app, const std::string& path = Path) {
        reader.ReadTimeOffset(app, path, obs);
        return obs;
    }
    FakeFileSystem files;
    FakeIniFile ini;
    FakeMessageBox messages;
    TTimeOffsetReader reader{files, ini, messages, LocaleFormats::German()};
    TObservationPoint obs{0, 0, 0, 0.5, "OLD"};
};

TEST_F(TimeOffsetReaderTest, Calsat32ReadsSecondsAndNameWithDefaults) {
    EXPECT_DOUBLE_EQ(Read("CALSAT32").TimeOffset, 0.375);
    EXPECT_EQ(obs.LocalTimeStr, "JST");

    ini.Set(Path, "timeoffset", "TIMEOFFSET", "-18000");
    ini.Set(Path, "timeoffset", "chrlst", "EST");
    EXPECT_DOUBLE_EQ(Read("CALSAT32").TimeOffset, -18000.0 / 86400);
    EXPECT_EQ(obs.LocalTimeStr, "EST");

    for (const char* notANumber : {"", "9h", "3600,5"}) {
        ini.Set(Path, "TIMEOFFSET", "TimeOffset", notANumber);
        EXPECT_DOUBLE_EQ(Read("CALSAT32").TimeOffset, 0.375) << notANumber;
    }
}

TEST_F(TimeOffsetReaderTest, Calsat99IsJapanWithoutReadingTheFile) {
    ini.Set(Path, "TIMEOFFSET", "TimeOffset", "0");
    EXPECT_DOUBLE_EQ(Read("CALSAT99").TimeOffset, 0.375);
    EXPECT_EQ(obs.LocalTimeStr, "JST");
    EXPECT_EQ(ini.reads, 0);
}

TEST_F(TimeOffsetReaderTest, KsatReadsHoursAndNamesTheOffset) {
    const struct {
        const char* jisa; // nullptr: key missing
        double days;
        const char* name;
    } cases[] = {{nullptr, 0.375, "UTC+9"},    {"9", 0.375, "UTC+9"}, {"-5", -5.0 / 24, "UTC-5"},
                 {"5,5", 5.5 / 24, "UTC+5,5"}, {"0", 0.0, "UTC+0"},   {"x", 0.375, "UTC+9"},
                 {"32400", 0.375, "UTC+9"}};
    for (const auto& c : cases) {
        ini.files.clear();
        if (c.jisa)
            ini.Set(Path, "jikan", "jisa", c.jisa);
        EXPECT_DOUBLE_EQ(Read("KSAT").TimeOffset, c.days) << (c.jisa ? c.jisa : "missing");
        EXPECT_EQ(obs.LocalTimeStr, c.name);
    }
}

TEST_F(TimeOffsetReaderTest, OtherAppsAndMissingFilesKeepTheOldValues) {
    EXPECT_DOUBLE_EQ(Read("calsat32").TimeOffset, 0.5);
    EXPECT_EQ(obs.LocalTimeStr, "OLD");
    EXPECT_TRUE(messages.shown.empty());

    Read("CALSAT32", "D:\\nowhere.ini");
    Read("CALSAT32", "");
    EXPECT_DOUBLE_EQ(obs.TimeOffset, 0.5);
    EXPECT_EQ(obs.LocalTimeStr, "OLD");
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[0].text, "D:\\nowhere.ini Not found");
    EXPECT_EQ(messages.shown[0].kind, MessageKind::Error);
    EXPECT_EQ(messages.shown[1].text, " Not found");
}

} // namespace
} // namespace zt
