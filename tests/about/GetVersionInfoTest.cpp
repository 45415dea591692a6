#include "app/uRoutine.h"
#include "tests/fakes/FakeVersionInfo.h"

#include <gtest/gtest.h>

namespace zt {
namespace {

const std::string Exe = "C:\\zt\\zenitrack.exe";

struct GetVersionInfoTest : ::testing::Test {
    FakeVersionInfo info;
    // Two translations: only the first one's table may be read.
    void SetUp() override {
        info.files[Exe] = {{0x04E40409u, 0x04B00411u},
                           {{"\\StringFileInfo\\040904E4\\ProductName", "Zenitrack"},
                            {"\\StringFileInfo\\040904E4\\FileVersion", "1.1.1.0"},
                            {"\\StringFileInfo\\040904E4\\LegalTrademarks", ""},
                            {"\\StringFileInfo\\041104B0\\PrivateBuild", "second table"}}};
    }
    std::string Read(int index, std::string start = "unchanged") {
        GetVersionInfo(info, Exe, index, start);
        return start;
    }
};

TEST_F(GetVersionInfoTest, ReadsTheFirstTranslationsStringsAndLeavesMissingOnesAlone) {
    const struct {
        int index;
        std::string expected;
    } cases[] = {
        {9, "Zenitrack"}, {3, "1.1.1.0"},
        {8, "unchanged"}, // only in the second translation's table
        {6, "unchanged"}, // present but empty
        {5, "unchanged"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Read(c.index), c.expected) << VersionInfoKeys[c.index];
    EXPECT_EQ(info.released, info.loads);
}

TEST_F(GetVersionInfoTest, FileWithoutVersionInformationLeavesValueUnchanged) {
    std::string value = "kept";
    GetVersionInfo(info, "C:\\other.exe", 9, value);
    EXPECT_EQ(value, "kept");
}

TEST_F(GetVersionInfoTest, ResourceWithoutTranslationFailsAndReleasesIt) {
    info.files[Exe].translations.clear();
    std::string value = "kept";
    try {
        GetVersionInfo(info, Exe, 9, value);
        FAIL() << "no failure";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "情報の取得に失敗しました");
    }
    EXPECT_EQ(value, "kept");
    EXPECT_EQ(info.released, 1);
}

} // namespace
} // namespace zt
