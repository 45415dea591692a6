#include "CommandSet.h"
#include "RotatorModel.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zt::gs232sim {
namespace {

// Runs the rotator in small steps until it stops; returns the seconds it took.
double RunUntilStill(RotatorModel& r, double limit = 600) {
    double t = 0;
    while ((r.Az().Moving() || r.El().Moving()) && t < limit) {
        r.Advance(0.01);
        t += 0.01;
    }
    return t;
}

void Send(RotatorModel& r, const std::vector<std::string>& commands) {
    for (const auto& c : commands)
        ASSERT_TRUE(Execute(c, r).Known) << c;
}

TEST(Mechanics, TurnsAtItsRatesAndEndsOnTarget) {
    struct Case {
        std::vector<std::string> commands;
        double seconds, az, el;
    } cases[] = {
        {{"W180 000"}, 30, 180, 0},       // 6 deg/s at X4
        {{"X2", "W180 000"}, 60, 180, 0}, // X2 halves the azimuth rate
        {{"X1", "M090"}, 60, 90, 0},
        {{"W000 090"}, 30, 0, 90}, // elevation 3 deg/s, whatever the speed
        {{"X1", "W000 090"}, 30, 0, 90},
        {{"W030 060"}, 20, 30, 60}, // the slower axis decides
    };
    for (const auto& c : cases) {
        RotatorModel r({});
        Send(r, c.commands);
        EXPECT_NEAR(RunUntilStill(r), c.seconds, 0.05) << c.commands.back();
        EXPECT_DOUBLE_EQ(r.Az().Position(), c.az);
        EXPECT_DOUBLE_EQ(r.El().Position(), c.el);
    }
}

TEST(Mechanics, NeverRunsPastTheTravelLimits) {
    struct Case {
        double azTravel;
        std::string command;
        double az, el;
    } cases[] = {
        {450, "R", 450, 10},        {360, "R", 360, 10},      {450, "L", 0, 10},
        {450, "U", 200, 180},       {450, "D", 200, 0},       {450, "W500 200", 450, 180},
        {360, "W400 010", 360, 10}, {450, "W-10 -001", 0, 0}, {360, "M999", 360, 10},
    };
    for (const auto& c : cases) {
        RotatorModel r({.AzTravel = c.azTravel}, 200, 10);
        Send(r, {c.command});
        RunUntilStill(r);
        EXPECT_DOUBLE_EQ(r.Az().Position(), c.az) << c.azTravel << " " << c.command;
        EXPECT_DOUBLE_EQ(r.El().Position(), c.el) << c.azTravel << " " << c.command;
        r.Advance(100);
        EXPECT_DOUBLE_EQ(r.Az().Position(), c.az);
    }
}

TEST(Mechanics, StopCommandsHaltTheirAxes) {
    struct Case {
        std::string stop;
        bool azMoving, elMoving;
    } cases[] = {{"S", false, false}, {"A", false, true}, {"E", true, false}};
    for (const auto& c : cases) {
        RotatorModel r({});
        Send(r, {"W180 090"});
        r.Advance(1);
        Send(r, {c.stop});
        r.Advance(1);
        EXPECT_EQ(r.Az().Moving(), c.azMoving) << c.stop;
        EXPECT_EQ(r.El().Moving(), c.elMoving) << c.stop;
        EXPECT_DOUBLE_EQ(r.Az().Position(), c.azMoving ? 12 : 6) << c.stop;
        EXPECT_DOUBLE_EQ(r.El().Position(), c.elMoving ? 6 : 3) << c.stop;
    }
}

TEST(Mechanics, HeldDirectionTurnsUntilReleased) {
    RotatorModel r({}, 100, 50);
    Send(r, {"L", "U"});
    r.Advance(2);
    EXPECT_DOUBLE_EQ(r.Az().Position(), 88);
    EXPECT_DOUBLE_EQ(r.El().Position(), 56);
    Send(r, {"A"});
    r.Advance(2);
    EXPECT_DOUBLE_EQ(r.Az().Position(), 88);
    EXPECT_DOUBLE_EQ(r.El().Position(), 62);
}

TEST(CommandSet, AnswersPositionQueriesFromTheMechanicsInEachStyle) {
    struct Case {
        ReplyStyle style;
        double az, el;
        const char* command;
        const char* reply;
    } cases[] = {
        {ReplyStyle::A, 123.4, 45.6, "C2", "+0123+0046\r\n"},
        {ReplyStyle::A, 123.4, 45.6, "c", "+0123\r\n"},
        {ReplyStyle::A, 123.4, 45.6, "B", "+0046\r\n"},
        {ReplyStyle::A, 400, 135, "C2", "+0400+0135\r\n"},
        {ReplyStyle::A, 5, 0, "C2", "+0005+0000\r\n"},
        {ReplyStyle::B, 123.4, 45.6, "C2", "AZ=123  EL=046\r\n"},
        {ReplyStyle::B, 123.4, 45.6, "c", "AZ=123\r\n"},
        {ReplyStyle::B, 123.4, 45.6, "b", "EL=046\r\n"},
        {ReplyStyle::B, 400, 135, "C2", "AZ=400  EL=135\r\n"},
        {ReplyStyle::B, 5, 0, "C2", "AZ=005  EL=000\r\n"},
        {ReplyStyle::B, 5, 0, "S", ""},
        {ReplyStyle::B, 5, 0, "W100 020", ""},
    };
    for (const auto& c : cases) {
        RotatorModel r({}, c.az, c.el);
        const CommandResult result = Execute(c.command, r, c.style);
        EXPECT_TRUE(result.Known) << c.command;
        EXPECT_EQ(result.Reply, c.reply) << c.command << " at " << c.az << "/" << c.el;
    }
}

TEST(CommandSet, IgnoresWhatItDoesNotKnowWithoutMoving) {
    for (const char* bad : {"Z", "W12", "W123", "W123 45x", "M", "Mabc", "X5", "X", "C3", "SS"}) {
        RotatorModel r({}, 100, 10);
        const CommandResult result = Execute(bad, r);
        EXPECT_FALSE(result.Known) << bad;
        EXPECT_EQ(result.Reply, "") << bad;
        EXPECT_FALSE(r.Az().Moving() || r.El().Moving()) << bad;
    }
    RotatorModel r({});
    EXPECT_TRUE(Execute("", r).Known);
}

} // namespace
} // namespace zt::gs232sim
