// The rotate mode of a pass and the rotator targets that follow from it, on the wire.
#include "tests/rotator/Gs232Rig.h"

#include <gtest/gtest.h>

#include <limits>

namespace zt {
namespace {

struct Pass {
    double aos, max, los;
};

struct JudgeCase {
    TAzRotator az;
    TElRotator el;
    int azOffset;
    Pass pass;
    TRotateMode mode;
    bool zeroPath;
};

TEST(Gs232Judge, RotateModeOfAPass) {
    const JudgeCase cases[] = {
        {az450, el180, 0, {200, 270, 340}, gsNormal, false},
        {az450, el180, 0, {340, 270, 200}, gsNormal, false},
        {az450, el180, 0, {200, 200, 200}, gsNormal, false},
        {az450, el180, 0, {300, 10, 80}, gsOverlap, true},
        {az450, el180, 0, {80, 10, 300}, gsOverlap, true},
        {az450, el180, 0, {300, 350, 100}, gsFlip, true},
        {az450, el90, 0, {300, 350, 100}, gsCrossing, true},
        {az450, elNone, 0, {300, 350, 100}, gsCrossing, true},
        {az360, el180, 0, {300, 10, 80}, gsFlip, true},
        {az360, el90, 0, {300, 10, 80}, gsCrossing, true},
        {az360, elNone, 0, {300, 10, 80}, gsCrossing, true},
        {az450, el180, 0, {359.9, 0.5, 0.7}, gsNormal, false}, // 359, 0, 0: falling
        {az360, el180, 0, {359.9, 0.5, 1.5}, gsFlip, true},    // 359, 0, 1
        // The rotator's zero at antenna 30: this pass (rotator -20 -> 10) crosses it,
        // which the reduction into 0..359 (340, 350, 10) reveals.
        {az450, el180, 30, {10, 20, 40}, gsOverlap, true},
        {az360, el90, 30, {10, 20, 40}, gsCrossing, true},
        // Rotator zero at antenna 330: rotator 370, 380, 385 is 10, 20, 25, no crossing.
        {az450, el180, -30, {340, 350, 355}, gsNormal, false},
    };
    for (const auto& c : cases) {
        Gs232Rig rig;
        rig.gs.SetAzRotator(c.az);
        rig.gs.SetElRotator(c.el);
        rig.gs.isAos = rig.gs.isLos = true;
        rig.gs.JudgeRotatorMode(c.azOffset, c.pass.aos, c.pass.max, c.pass.los);
        const std::string label = std::to_string(c.pass.aos) + "/" + std::to_string(c.pass.max) +
                                  "/" + std::to_string(c.pass.los) + " offset " +
                                  std::to_string(c.azOffset);
        EXPECT_EQ(rig.gs.RotateMode(), c.mode) << label;
        EXPECT_EQ(rig.gs.ZeroPathOrbit(), c.zeroPath) << label;
        EXPECT_FALSE(rig.gs.isAos || rig.gs.isLos) << "a new pass begins";
    }
}

struct TargetCase {
    TAzRotator az;
    TElRotator el;
    int azOffset;
    Pass pass;
    int satAz, satEl;
    const char* command;
};

// One step in the middle of a pass: after AOS, elevation changed since the last command.
TEST(Gs232Move, TargetsOfEachMode) {
    const TargetCase cases[] = {
        {az450, el180, 0, {200, 270, 340}, 123, 45, "W123 045\r"},
        // North is zero, not the far stop of a 360-degree rotator.
        {az360, el180, 0, {200, 270, 340}, 0, 45, "W000 045\r"},
        {az360, el180, 30, {200, 270, 340}, 30, 45, "W000 045\r"},
        {az450, el180, 0, {300, 10, 80}, 30, 20, "W390 020\r"},
        {az450, el180, 0, {300, 10, 80}, 300, 20, "W300 020\r"},
        {az450, el180, 0, {300, 10, 80}, 90, 20, "W090 020\r"},
        {az450, el180, 0, {300, 10, 80}, 89, 20, "W449 020\r"},
        {az450, el180, 0, {300, 350, 100}, 350, 40, "W170 140\r"},
        {az450, el180, 0, {300, 350, 100}, 10, 60, "W190 120\r"},
        {az450, el90, 0, {300, 350, 100}, 350, 40, "W350 040\r"},
        {az450, elNone, 0, {300, 350, 100}, 350, 40, "M350\r"},
        {az450, elNone, 0, {200, 270, 340}, 123, 45, "M123\r"},
        {az450, el90, 0, {200, 270, 340}, 100, 95, "W100 090\r"},
        {az450, el180, 0, {200, 270, 340}, 100, 95, "W100 095\r"},
        // Offsets: a negative one never needed reducing, a positive one now never yields a
        // minus sign (it gave W-020 045 and, in overlap, W-020 -> 340 only by luck).
        {az450, el180, -20, {100, 150, 200}, 350, 10, "W010 010\r"},
        {az450, el180, 30, {200, 270, 340}, 10, 45, "W340 045\r"},
        {az450, el180, 30, {10, 20, 40}, 10, 20, "W340 020\r"},
        {az450, el180, 30, {10, 20, 40}, 40, 20, "W370 020\r"},
        {az360, el180, 30, {300, 350, 100}, 10, 40, "W160 140\r"},
    };
    for (const auto& c : cases) {
        Gs232Rig rig;
        rig.OpenQuietly();
        rig.gs.SetAzRotator(c.az);
        rig.gs.SetElRotator(c.el);
        rig.gs.SetAzOffset(c.azOffset);
        rig.gs.JudgeRotatorMode(c.azOffset, c.pass.aos, c.pass.max, c.pass.los);
        rig.gs.isAos = true;
        rig.gs.El_p = -90;
        EXPECT_TRUE(rig.gs.Move(c.satAz, c.satEl));
        EXPECT_EQ(rig.device.TakeWritten(), c.command)
            << c.satAz << "/" << c.satEl << " offset " << c.azOffset;
    }
}

struct Step {
    int satAz, satEl;
    const char* command; // "" when nothing is sent
    bool result, isAos, isLos;
};

// A whole pass in normal mode, step by step, from the controller's first Move.
TEST(Gs232Move, PhasesOfAPass) {
    const Step steps[] = {
        {0, 0, "", true, false, false},              // equals the initial last direction
        {200, -5, "W200 000\r", true, false, false}, // held at the horizon before AOS
        {201, -5, "M201\r", true, false, false},     // same elevation: azimuth only
        {201, -5, "", true, false, false},           // nothing changed
        {202, 0, "W202 000\r", true, true, false},   // AOS
        {250, 45, "W250 045\r", true, true, false},
        {251, 45, "M251\r", true, true, false},
        {250, -1, "W250 -001\r", true, true, true}, // LOS: the negative elevation goes out
        {251, -2, "", false, true, true},           // after LOS below the horizon
        {252, 3, "W252 003\r", true, true, true},   // seen again: followed again
    };
    Gs232Rig rig;
    rig.OpenQuietly();
    rig.gs.JudgeRotatorMode(0, 200, 270, 340);
    for (const auto& s : steps) {
        EXPECT_EQ(rig.gs.Move(s.satAz, s.satEl), s.result) << s.satAz << "/" << s.satEl;
        EXPECT_EQ(rig.device.TakeWritten(), s.command) << s.satAz << "/" << s.satEl;
        EXPECT_EQ(rig.gs.isAos, s.isAos) << s.satAz << "/" << s.satEl;
        EXPECT_EQ(rig.gs.isLos, s.isLos) << s.satAz << "/" << s.satEl;
    }
    // The next pass starts afresh; the last direction is kept.
    rig.gs.JudgeRotatorMode(0, 100, 150, 200);
    EXPECT_FALSE(rig.gs.isAos || rig.gs.isLos);
    EXPECT_EQ(rig.gs.Az_p, 252);
    EXPECT_TRUE(rig.gs.Move(100, -3));
    EXPECT_EQ(rig.device.TakeWritten(), "W100 000\r");
}

TEST(Gs232Move, LosStepInFlipModeMirrorsTheNegativeElevation) {
    Gs232Rig rig;
    rig.OpenQuietly();
    rig.gs.JudgeRotatorMode(0, 300, 350, 100);
    rig.gs.isAos = true;
    EXPECT_TRUE(rig.gs.Move(100, -1));
    EXPECT_EQ(rig.device.TakeWritten(), "W280 181\r");
    EXPECT_TRUE(rig.gs.isLos);
}

struct ParkingCase {
    TAzRotator az;
    int parkingAz, parkingEl, azOffset;
    const char* command;
    int parkingAzAfter, parkingElAfter;
};

TEST(Gs232Parking, ParkingPositionInsideTheTravel) {
    const ParkingCase cases[] = {
        {az450, -5, -1, 0, "W000 000\r", 0, 0},
        {az450, 180, 90, 10, "W170 090\r", 180, 90},
        {az450, 10, 0, 30, "W340 000\r", 10, 0}, // was W-020 000
        {az360, 10, 0, 30, "W340 000\r", 10, 0},
        {az450, 350, 0, -20, "W370 000\r", 350, 0}, // inside a 450-degree travel: as it was
        {az360, 350, 0, -20, "W010 000\r", 350, 0}, // beyond a 360-degree one
        {az360, 360, 0, 0, "W360 000\r", 360, 0},   // at the end of the travel: still inside
        {az360, 350, 0, -10, "W360 000\r", 350, 0},
    };
    for (const auto& c : cases) {
        Gs232Rig rig;
        rig.OpenQuietly();
        rig.gs.SetAzRotator(c.az);
        rig.gs.SetParkingAz(c.parkingAz);
        rig.gs.SetParkingEl(c.parkingEl);
        rig.gs.SetAzOffset(c.azOffset);
        rig.gs.GotoParking();
        EXPECT_EQ(rig.device.TakeWritten(), c.command) << c.parkingAz << " offset " << c.azOffset;
        EXPECT_EQ(rig.gs.ParkingAz(), c.parkingAzAfter);
        EXPECT_EQ(rig.gs.ParkingEl(), c.parkingElAfter);
    }
}

// An offset of any size is taken in reduced, keeping its sign, and no sum with it overflows
// (the sanitizer stops the test if one does).
TEST(Gs232Offset, AnAbsurdOffsetIsReducedOnce) {
    struct Case {
        int offset, reduced;
        const char* move;    // satellite 10 / 20
        int antennaAz;       // reading +0100+0010
        const char* parking; // antenna 0 / 0
    } cases[] = {
        {std::numeric_limits<int>::min(), -128, "W138 020\r", 332, "W128 000\r"},
        {std::numeric_limits<int>::max(), 127, "W243 020\r", 227, "W233 000\r"},
    };
    for (const auto& c : cases) {
        Gs232Rig rig;
        rig.OpenQuietly();
        rig.gs.SetAzOffset(c.offset);
        EXPECT_EQ(rig.gs.AzOffset(), c.reduced);
        rig.gs.JudgeRotatorMode(c.offset, 10, 10, 10);
        EXPECT_EQ(rig.gs.RotateMode(), gsNormal);
        rig.gs.JudgeRotatorMode(rig.gs.AzOffset(), 10, 10, 10);
        EXPECT_TRUE(rig.gs.Move(10, 20));
        EXPECT_EQ(rig.device.TakeWritten(), c.move) << c.offset;
        rig.AnswerQueries("+0100+0010\r\n");
        int az = 0, el = 0;
        EXPECT_TRUE(rig.gs.GetPos(az, el));
        EXPECT_EQ(az, c.antennaAz) << c.offset;
        rig.device.TakeWritten();
        rig.gs.GotoParking();
        EXPECT_EQ(rig.device.TakeWritten(), c.parking) << c.offset;
    }
    // A parking azimuth as absurd as the offset.
    Gs232Rig rig;
    rig.OpenQuietly();
    rig.gs.SetAzOffset(std::numeric_limits<int>::min());
    rig.gs.SetParkingAz(std::numeric_limits<int>::max());
    rig.gs.GotoParking();
    EXPECT_EQ(rig.device.TakeWritten(), "W255 000\r");
}

} // namespace
} // namespace zt
