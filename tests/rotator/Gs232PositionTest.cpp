// The position query: which replies are accepted, how they are read, and how the rotator's
// reading becomes the antenna's direction.
#include "tests/rotator/Gs232Rig.h"

#include <gtest/gtest.h>

namespace zt {
namespace {

constexpr int Kept = -77; // a value GetPos must leave alone

struct PositionCase {
    const char* name;
    TElRotator elRotator;
    int azOffset;
    std::string reply;
    bool result;
    int az, el;               // what the caller's variables hold afterwards
    int rotatorAz, rotatorEl; // the four fields afterwards
    int antennaAz, antennaEl;
};

// Before the case a good reading of 10/20 (rotator and antenna) is in place, so that
// "unchanged" and "zeroed" differ.
void ExpectReading(const PositionCase& c, bool gs232b) {
    Gs232Rig rig;
    rig.OpenQuietly();
    rig.gs.SetGs232BReplies(gs232b);
    rig.AnswerQueries("+0010+0020\r\n");
    int az = 0, el = 0;
    ASSERT_TRUE(rig.gs.GetPos(az, el));
    rig.gs.SetElRotator(c.elRotator);
    rig.gs.SetAzOffset(c.azOffset);
    rig.AnswerQueries(c.reply);
    az = el = Kept;
    EXPECT_EQ(rig.gs.GetPos(az, el), c.result) << c.name;
    EXPECT_EQ(rig.device.TakeWritten(),
              std::string("C2\r") + (c.elRotator == elNone ? "C\r" : "C2\r"))
        << c.name;
    EXPECT_EQ(az, c.az) << c.name;
    EXPECT_EQ(el, c.el) << c.name;
    EXPECT_EQ(rig.gs.RotatorAz(), c.rotatorAz) << c.name;
    EXPECT_EQ(rig.gs.RotatorEl(), c.rotatorEl) << c.name;
    EXPECT_EQ(rig.gs.AntennaAz(), c.antennaAz) << c.name;
    EXPECT_EQ(rig.gs.AntennaEl(), c.antennaEl) << c.name;
    EXPECT_TRUE(rig.messages.shown.empty()) << c.name;
}

TEST(Gs232Position, RepliesAsATable) {
    const PositionCase cases[] = {
        {"plain", el180, 0, "+0123+0045\r\n", true, 123, 45, 123, 45, 123, 45},
        {"offset 10", el180, 10, "+0123+0045\r\n", true, 133, 45, 123, 45, 133, 45},
        {"offset -130", el180, -130, "+0123+0045\r\n", true, 353, 45, 123, 45, 353, 45},
        {"flipped", el180, 0, "+0200+0135\r\n", true, 20, 45, 200, 135, 20, 45},
        {"overlap range", el180, 0, "+0400+0010\r\n", true, 40, 10, 400, 10, 40, 10},
        {"north is zero", el180, 0, "+0000+0045\r\n", true, 0, 45, 0, 45, 0, 45},
        {"zenith: not flipped", el180, 0, "+0100+0090\r\n", true, 100, 90, 100, 90, 100, 90},
        {"past the zenith: flipped", el180, 0, "+0100+0091\r\n", true, 280, 89, 100, 91, 280, 89},
        {"15 characters", el180, 0, "  +0123+0045\r\n ", true, 123, 45, 123, 45, 123, 45},
        {"azimuth only", elNone, 0, "+0123\r\n", true, 123, 0, 123, 0, 123, 0},
        {"azimuth only, 8", elNone, 0, "+0123\r\n ", true, 123, 0, 123, 0, 123, 0},
        {"11 characters", el180, 0, "+0123+0045\r", false, Kept, Kept, 10, 20, 10, 20},
        {"13 characters", el180, 0, "+0123+0045\r\n\n", false, Kept, Kept, 10, 20, 10, 20},
        {"no answer", el180, 0, "", false, Kept, Kept, 10, 20, 10, 20},
        {"C2 answer to C", elNone, 0, "+0123+0045\r\n", false, Kept, Kept, 10, 20, 10, 20},
        {"other format", el180, 0, "AZ=123  EL=045\r", false, Kept, Kept, 0, 0, 0, 0},
        {"partial azimuth", el180, 0, "+012x+0045\r\n", false, Kept, Kept, 12, 45, 0, 0},
        {"partial elevation", el180, 0, "+0123+00 5\r\n", false, Kept, Kept, 123, 0, 0, 0},
        // A high byte on the line is one character, however many bytes its UTF-8 takes.
        {"high byte", el180, 0, "+0123+0045\r\xB0", true, 123, 45, 123, 45, 123, 45},
    };
    for (const auto& c : cases)
        ExpectReading(c, false);
}

// With the GS-232B setting on, its replies are read by the same rules of length, markers and
// conversion; the other style's still are.
TEST(Gs232Position, Gs232BRepliesWithTheSetting) {
    const PositionCase cases[] = {
        {"CR LF", el180, 0, "AZ=123  EL=045\r\n", true, 123, 45, 123, 45, 123, 45},
        {"CR alone", el180, 0, "AZ=123  EL=045\r", true, 123, 45, 123, 45, 123, 45},
        {"offset 10", el180, 10, "AZ=123  EL=045\r\n", true, 133, 45, 123, 45, 133, 45},
        {"flipped", el180, 0, "AZ=200  EL=135\r\n", true, 20, 45, 200, 135, 20, 45},
        {"overlap range", el180, 0, "AZ=400  EL=010\r\n", true, 40, 10, 400, 10, 40, 10},
        {"blank-padded numbers", el180, 0, "AZ=  5  EL= 10\r\n", true, 5, 10, 5, 10, 5, 10},
        {"azimuth only", elNone, 0, "AZ=123\r\n", true, 123, 0, 123, 0, 123, 0},
        {"azimuth only, CR alone", elNone, 0, "AZ=123\r", true, 123, 0, 123, 0, 123, 0},
        {"the other style still", el180, 0, "+0123+0045\r\n", true, 123, 45, 123, 45, 123, 45},
        {"no line end", el180, 0, "AZ=123  EL=045", false, Kept, Kept, 10, 20, 10, 20},
        {"17 characters", el180, 0, "AZ=123  EL=045\r\n\n", false, Kept, Kept, 10, 20, 10, 20},
        {"no elevation marker", el180, 0, "AZ=123  XX=045\r\n", false, Kept, Kept, 0, 0, 0, 0},
        {"partial azimuth", el180, 0, "AZ=12x  EL=045\r\n", false, Kept, Kept, 12, 45, 0, 0},
        {"partial elevation", el180, 0, "AZ=123  EL=0 5\r\n", false, Kept, Kept, 123, 0, 0, 0},
        {"azimuth only, partial", elNone, 0, "AZ=1x3\r\n", false, Kept, Kept, 1, 0, 0, 0},
    };
    for (const auto& c : cases)
        ExpectReading(c, true);
}

TEST(Gs232Position, Gs232BRepliesWithoutTheSettingAsBefore) {
    const PositionCase cases[] = {
        {"CR LF: too long", el180, 0, "AZ=123  EL=045\r\n", false, Kept, Kept, 10, 20, 10, 20},
        {"CR alone: no marker", el180, 0, "AZ=123  EL=045\r", false, Kept, Kept, 0, 0, 0, 0},
        {"azimuth only", elNone, 0, "AZ=123\r\n", false, Kept, Kept, 0, 0, 0, 0},
    };
    for (const auto& c : cases)
        ExpectReading(c, false);
}

// The query ends when the reply's line end has come, not after the line's silence; without
// a line end the read's limits still end it. Timed on the device's own clock.
TEST(Gs232Position, TheQueryEndsWithTheReply) {
    struct Case {
        const char* name;
        std::string reply;
        int delayMs;
        bool result;
        int atLeastMs, atMostMs;
    } cases[] = {
        {"prompt reply", "+0123+0045\r\n", 20, true, 20, 60},
        {"late reply", "+0123+0045\r\n", 300, true, 300, 340},
        {"no line end", "+0123+0045", 20, false, 520, 800},
        {"no reply", "", 0, false, 500, 800},
    };
    for (const auto& c : cases) {
        Gs232Rig rig;
        rig.OpenQuietly();
        rig.AnswerQueries(c.reply);
        rig.device.replyDelayMs = c.delayMs;
        const std::int64_t start = rig.device.NowMs();
        int az = 0, el = 0;
        EXPECT_EQ(rig.gs.GetPos(az, el), c.result) << c.name;
        const std::int64_t took = rig.device.NowMs() - start;
        EXPECT_GE(took, c.atLeastMs) << c.name;
        EXPECT_LE(took, c.atMostMs) << c.name;
    }
}

TEST(Gs232Position, ReadingSurvivesClose) {
    Gs232Rig rig;
    rig.OpenQuietly();
    rig.AnswerQueries("+0300+0030\r\n");
    int az = 0, el = 0;
    ASSERT_TRUE(rig.gs.GetPos(az, el));
    rig.gs.Close(false);
    EXPECT_EQ(rig.gs.AntennaAz(), 300);
    EXPECT_EQ(rig.gs.RotatorEl(), 30);
}

} // namespace
} // namespace zt
