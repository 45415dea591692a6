#include "Session.h"
#include "LineSplitter.h"
#include "Options.h"

#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>

namespace zt::gs232sim {
namespace {

TEST(LineSplitter, FramesOnCrAcrossReadsAndIgnoresLf) {
    LineSplitter s;
    EXPECT_TRUE(s.Feed("C").empty());
    EXPECT_EQ(s.Feed("2\r\rW090 0"), (std::vector<std::string>{"C2", ""}));
    EXPECT_EQ(s.Feed("45\r\n"), (std::vector<std::string>{"W090 045"}));
    const auto noise = s.Feed(std::string(1000, 'x') + "\r");
    ASSERT_EQ(noise.size(), 1u);
    EXPECT_EQ(noise[0].size(), LineSplitter::MaxLine);
}

TEST(Session, FaultSwitchesShapeTheReplies) {
    struct Case {
        const char* name;
        FaultSwitches faults;
        std::optional<std::string> reply;
    } cases[] = {
        {"none", {}, "+0123+0045\r\n"},
        {"no reply", {.NoReply = true}, std::nullopt},
        {"short", {.ShortBy = 1}, "+0123+0045\r"},
        {"garbage", {.Garbage = true}, "#?*%&!=~#?\r\n"},
    };
    for (const auto& c : cases) {
        RotatorModel r({}, 123, 45);
        Session s(r, c.faults);
        EXPECT_EQ(s.Handle("C2").Reply, c.reply) << c.name;
        EXPECT_EQ(s.Handle("S").Reply, std::nullopt) << c.name;
    }
}

TEST(Session, FaultsShapeBStyleRepliesToo) {
    RotatorModel r({}, 123, 45);
    Session s(r, {.ShortBy = 2}, ReplyStyle::B);
    EXPECT_EQ(s.Handle("C2").Reply, "AZ=123  EL=045");
}

TEST(Session, GoesSilentAfterNCommands) {
    RotatorModel r({}, 10, 10);
    Session s(r, {.SilentAfter = 2});
    EXPECT_TRUE(s.Handle("C2").Reply);
    EXPECT_FALSE(s.Handle("X4").Ignored);
    const Handled third = s.Handle("C2");
    EXPECT_TRUE(third.Ignored);
    EXPECT_FALSE(third.Reply);
    EXPECT_TRUE(s.Handle("W200 080").Ignored);
    EXPECT_FALSE(r.Az().Moving()); // a silent controller does not obey either
    EXPECT_EQ(s.Count(), 4);
}

TEST(Session, LogLineCarriesCommandStateAndEscapedReply) {
    RotatorModel r({}, 12.5, 3);
    Session s(r, {});
    const Handled h = s.Handle("W100 020");
    EXPECT_EQ(JsonLine(1.25, h, r),
              "{\"t\":1.250000,\"cmd\":\"W100 020\",\"known\":true,\"ignored\":false,"
              "\"az\":12.50,\"el\":3.00,\"az_target\":100.00,\"el_target\":20.00,\"speed\":4,"
              "\"reply\":null}");
    EXPECT_NE(JsonLine(0, s.Handle("C"), r).find("\"reply\":\"+0013\\u000d\\u000a\"}"),
              std::string::npos);
    EXPECT_EQ(JsonString("a\"b\\\x01\xff"), "\"a\\\"b\\\\\\u0001\\u00ff\"");
}

TEST(Options, ParsesAndRejects) {
    const Options o = ParseOptions({"--link", "/tmp/com5", "--az-travel", "360", "--time-scale",
                                    "10", "--reply-delay", "800", "--silent-after", "3"});
    EXPECT_EQ(o.Link, "/tmp/com5");
    EXPECT_EQ(o.Mechanics.AzTravel, 360);
    EXPECT_EQ(o.TimeScale, 10);
    EXPECT_EQ(o.Faults.ReplyDelayMs, 800);
    EXPECT_EQ(o.Faults.SilentAfter, 3);
    EXPECT_EQ(o.Style, ReplyStyle::A);
    EXPECT_EQ(ParseOptions({"--link", "a", "--reply-style", "b"}).Style, ReplyStyle::B);
    EXPECT_TRUE(ParseOptions({"--help"}).Help);
    const std::vector<std::vector<std::string>> bad = {
        {},
        {"--link", "a", "--device", "b"},
        {"--link"},
        {"--link", "a", "--az-travel", "400"},
        {"--link", "a", "--speed", "5"},
        {"--link", "a", "--time-scale", "fast"},
        {"--link", "a", "--az-rate", "6x"},
        {"--link", "a", "--az-travel", "360", "--start-az", "400"},
        {"--link", "a", "--bogus"},
        {"--link", "a", "--reply-style", "c"},
        {"--link", "a", "--reply-style"},
    };
    for (const auto& args : bad)
        EXPECT_THROW(ParseOptions(args), std::invalid_argument) << ::testing::PrintToString(args);
}

} // namespace
} // namespace zt::gs232sim
