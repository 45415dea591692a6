#include "calsat/VisibleTimeReader.h"
#include "tests/fakes/FakeWindows.h"

#include <gtest/gtest.h>

namespace zt {
namespace {

const std::string Row = "2021/12/02 20:50:00 200 0 20:55:30 45 270 21:00:00 340 0 0";

struct VisibleTimeReaderTest : testing::Test {
    void Read() { reader.ReadVisibleTime(now, 0.375, vt, text); }
    FakeWindows windows;
    TVisibleTimeReader reader{windows, LocaleFormats::Japanese()};
    TDateTime now = EncodeDate(2021, 12, 2);
    TVisibleTime vt{1, 2, 3, 4, 5, 6, 7};
    std::string text = "previous";
};

TEST_F(VisibleTimeReaderTest, FindsTheNestedTextBoxPastLookAlikes) {
    const WindowHandle main = windows.AddTopLevel("calsat32(sgp)");
    const WindowHandle frame = windows.AddChild(main, "ThunderRT6Frame", 1);
    windows.AddChild(frame, "ThunderRT6TextBox", 85, "wrong id");
    windows.AddChild(frame, "thunderrt6textbox", 84, "wrong class case");
    windows.AddChild(main, "Edit", 84, "wrong class");
    windows.AddChild(windows.AddChild(frame, "ThunderRT6Frame", 2), "ThunderRT6TextBox", 84, Row);

    Read();
    EXPECT_EQ(text, Row);
    EXPECT_EQ(vt.LosAz, 340);
}

TEST_F(VisibleTimeReaderTest, ReadsAtMost1024Characters) {
    const WindowHandle main = windows.AddTopLevel("CALSAT32(SGP)");
    std::string table;
    while (table.size() < 2000)
        table += Row + "\r\n";
    windows.AddChild(main, "ThunderRT6TextBox", 84, table);
    Read();
    EXPECT_EQ(text, table.substr(0, 1024));
    EXPECT_EQ(windows.textRequests, 1);
}

TEST_F(VisibleTimeReaderTest, WithoutWindowNothingChangesAndWithoutTextBoxTheLastTextIsUsed) {
    const TVisibleTime before = vt;
    Read();
    EXPECT_EQ(vt.LosDateTime, before.LosDateTime);
    EXPECT_EQ(text, "previous");

    const WindowHandle main = windows.AddTopLevel("CALSAT32(SGP)");
    text = Row;
    Read();
    EXPECT_EQ(vt.LosAz, 340);
    EXPECT_EQ(text, Row);
    EXPECT_EQ(windows.textRequests, 0);

    windows.AddChild(main, "ThunderRT6TextBox", 84, "");
    Read();
    EXPECT_EQ(text, "");
    EXPECT_EQ(vt.LosDateTime, now);
}

TEST_F(VisibleTimeReaderTest, ABusyTextBoxLeavesTableAndPassAsTheyWere) {
    const WindowHandle main = windows.AddTopLevel("CALSAT32(SGP)");
    const WindowHandle box = windows.AddChild(main, "ThunderRT6TextBox", 84, Row);
    windows.busy.insert(box);
    const TVisibleTime before = vt;
    EXPECT_FALSE(reader.ReadVisibleTime(now, 0.375, vt, text));
    EXPECT_EQ(text, "previous");
    EXPECT_EQ(vt.AosDateTime, before.AosDateTime);
    EXPECT_EQ(vt.LosAz, before.LosAz);

    windows.busy.clear();
    EXPECT_TRUE(reader.ReadVisibleTime(now, 0.375, vt, text));
    EXPECT_EQ(vt.LosAz, 340);
}

} // namespace
} // namespace zt
