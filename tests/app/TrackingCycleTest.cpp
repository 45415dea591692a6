// One tick of the tracking cycle: what is read, shown, sounded and sent, and in which order.
#include "tests/app/MainRig.h"

#include <gtest/gtest.h>

namespace zt {
namespace {

// The pass of MainRig: AOS 10:00, LOS 10:12 UTC; PreAosTime 3 minutes.
struct TrackingCycle : ::testing::Test {
    void SetUp() override {
        rig.Start();
        rig.TickAt(9, 50); // the first cycle takes up the pass
        rig.trace.clear();
    }
    Color OverlapLamp() const { return rig.main->ImgOverlap.Shapes().back().fill; }
    Color FlipLamp() const { return rig.main->ImgFlipMode.Shapes().back().fill; }
    int PassReads() const { return rig.windows.textRequests; }
    MainRig rig;
};

TEST_F(TrackingCycle, OrderAndLabels) {
    TMain& m = *rig.main;
    EXPECT_EQ(m.lblAOSAz.Caption(),
              "(AOS) 19:00 Az=200    (MAX) 19:06 El=45 Az=270    (LOS) 19:12 Az=340");
    EXPECT_EQ(m.lblRotateModeName.Caption(), "Mode : Normal");

    rig.controller.az = 123;
    rig.controller.el = 45;
    m.SetAutoTracking(true);
    rig.trace.clear();
    rig.TickAt(9, 57, 10);
    EXPECT_EQ(rig.trace, (Trace{"beep 1000 2000", "C2", "W200 000"}))
        << "alert, position query, then the move (held at the horizon before AOS)";
    EXPECT_EQ(m.lblYMD.Caption(), "12/02 18:57:10(JST)");
    EXPECT_EQ(m.lblSatellite.Caption(), "ISS ");
    EXPECT_EQ(m.lblSatelliteAz.Caption(), "200°");
    EXPECT_EQ(m.lblSatelliteEl.Caption(), "-20°");
    EXPECT_EQ(m.lblAntennaAz.Caption(), "123°");
    EXPECT_EQ(m.lblAntennaEl.Caption(), "45°");
    EXPECT_EQ(m.lblRotatorAz.Caption(), "123°");
    EXPECT_EQ(m.lblRotatorEl.Caption(), "45°");
    EXPECT_EQ(m.AntennaAz, 123);
    EXPECT_EQ(m.lblAntennaAz.RightEdge(), 188) << "right-aligned labels keep their right edge";

    m.Activate();
    rig.Tick();
    EXPECT_TRUE(m.imgFocused.Visible());
    m.Deactivate();
    rig.Tick();
    EXPECT_FALSE(m.imgFocused.Visible());
}

TEST(TrackingCycleReplies, AGs232BIsReadOnlyWithTheSettingFromTheFile) {
    struct Case {
        const char* setting;
        const char* shown;
    };
    for (const Case c : {Case{"1", "123°"}, Case{"0", ""}, Case{nullptr, ""}}) {
        MainRig rig;
        rig.controller.gs232b = true;
        rig.controller.az = 123;
        rig.controller.el = 45;
        if (c.setting)
            rig.Start({{KeyGs232BReplies, c.setting}});
        else
            rig.Start();
        rig.TickAt(9, 50);
        EXPECT_EQ(rig.main->lblAntennaAz.Caption(), c.shown)
            << "GS232BReplies " << (c.setting ? c.setting : "missing");
    }
}

TEST_F(TrackingCycle, NewPassDetection) {
    TMain& m = *rig.main;
    const int reads = PassReads();

    rig.registry.SetString(MainRig::Key, "Revolution", "101");
    m.SetAutoTracking(true);
    rig.TickAt(9, 51);
    EXPECT_EQ(PassReads(), reads) << "a new revolution does not replace the tracked pass";
    EXPECT_TRUE(m.AutoTracking);

    m.SetAutoTracking(false);
    rig.TickAt(9, 52);
    EXPECT_EQ(PassReads(), reads + 1) << "with tracking off it starts a new pass";

    rig.registry.SetString(MainRig::Key, "Satellite", "ISS");
    m.SetAutoTracking(true);
    rig.trace.clear();
    rig.TickAt(9, 53);
    EXPECT_EQ(PassReads(), reads + 2) << "'ISS' differs from 'ISS '";
    EXPECT_FALSE(m.AutoTracking) << "a new satellite ends tracking";
    EXPECT_EQ(rig.Commands(), Trace{"S"});

    rig.TickAt(10, 12, 59);
    EXPECT_EQ(PassReads(), reads + 2) << "within a minute of LOS the pass is still current";
    rig.TickAt(10, 13, 1);
    EXPECT_EQ(PassReads(), reads + 3) << "a minute after LOS the revolution counts as 0";
    EXPECT_EQ(m.EpochRev, 0);
}

TEST_F(TrackingCycle, AlertTable) {
    struct Case {
        int h, m, s;
        bool tracking;
        std::vector<FakeTone::Tone> tones;
        TAlert alert;
    };
    const Case cases[] = {
        {9, 56, 50, false, {}, alNone},         {9, 57, 10, false, {{1000, 2000}}, alPreAOS},
        {10, 0, 10, false, {}, alNone},         {10, 0, 10, true, {{750, 500}}, alAOS},
        {10, 13, 0, true, {{500, 500}}, alLOS}, {10, 13, 0, false, {}, alNone},
    };
    for (const auto& c : cases) {
        MainRig fresh;
        fresh.Start();
        fresh.TickAt(9, 50);
        fresh.main->SetAutoTracking(c.tracking);
        fresh.TickAt(c.h, c.m, c.s);
        const auto at = std::to_string(c.h) + ":" + std::to_string(c.m) + ":" + std::to_string(c.s);
        EXPECT_EQ(fresh.Tones(), c.tones) << at << " tracking " << c.tracking;
        EXPECT_EQ(fresh.main->Alert, c.alert) << at << " tracking " << c.tracking;
    }
}

TEST_F(TrackingCycle, EachAlertSoundsOnceAndOnlyOnAChange) {
    for (int minute : {57, 58, 59})
        rig.TickAt(9, minute, 30);
    rig.main->SetAutoTracking(true);
    for (int minute : {0, 1, 13, 14})
        rig.TickAt(10, minute, 30);
    EXPECT_EQ(rig.Tones(), (std::vector<FakeTone::Tone>{{1000, 2000}, {750, 500}, {500, 500}}));
}

TEST(TrackingCycleStart, InsideThePreAosWindowThePreAosBeepSoundsOnce) {
    MainRig rig;
    rig.Start();
    for (int second : {0, 2, 4})
        rig.TickAt(9, 58, second);
    EXPECT_EQ(rig.Tones(), (std::vector<FakeTone::Tone>{{1000, 2000}}));
    EXPECT_EQ(rig.windows.textRequests, 1) << "the pass is taken up once";
}

// CALSAT32 too busy to answer right at a satellite change: nothing of the new pass is known
// yet, so the old one stays shown until the table answers, and then the new one is taken up.
TEST_F(TrackingCycle, ABusyPassTableAtASatelliteChangeIsReadAgainAtTheNextTick) {
    TMain& m = *rig.main;
    const std::string oldPass = m.lblAOSAz.Caption();
    // Crosses north: AOS 19:20 at 300, MAX at 10, LOS 19:30 at 60.
    rig.windows.windows[rig.passTable].text =
        "2021/12/02 19:20:00 300 0 19:25:00 60 10 19:30:00 60 0 0\r\n";
    rig.windows.busy.insert(rig.passTable);
    rig.registry.SetString(MainRig::Key, "Satellite", "AO-91");
    m.SetAutoTracking(true);
    rig.trace.clear();
    rig.TickAt(10, 17, 10);
    EXPECT_EQ(m.lblAOSAz.Caption(), oldPass);
    EXPECT_EQ(m.lblRotateModeName.Caption(), "Mode : Normal");
    EXPECT_FALSE(m.AutoTracking) << "the satellite change still ends tracking";
    EXPECT_EQ(rig.Commands(), Trace{"S"});

    rig.TickAt(10, 17, 12);
    EXPECT_EQ(m.lblAOSAz.Caption(), oldPass) << "still busy";
    rig.windows.busy.clear();
    rig.TickAt(10, 17, 14);
    EXPECT_EQ(m.lblAOSAz.Caption(),
              "(AOS) 19:20 Az=300    (MAX) 19:25 El=60 Az= 10    (LOS) 19:30 Az= 60");
    EXPECT_EQ(m.lblRotateModeName.Caption(), "Mode : Overlap");
    EXPECT_EQ(m.lblSatellite.Caption(), "AO-91");
    EXPECT_EQ(rig.Tones(), (std::vector<FakeTone::Tone>{{1000, 2000}}))
        << "the new pass's pre-AOS beep, once the pass is known";
    rig.TickAt(10, 17, 16);
    EXPECT_EQ(rig.windows.textRequests, 4) << "one read per tick until it answered, then none";
}

TEST_F(TrackingCycle, PaddedTableSoundsZeroTones) {
    MainRig padded;
    padded.Store(SectionAlert, {{KeyAlert, "800,1000"}});
    padded.Start();
    padded.TickAt(9, 58);
    padded.main->SetAutoTracking(true);
    padded.TickAt(10, 1);
    EXPECT_EQ(padded.Tones(), (std::vector<FakeTone::Tone>{{800, 1000}, {0, 0}}));
}

TEST_F(TrackingCycle, LampsTurnRedPastTheirRange) {
    struct Case {
        int az, el;
        Color overlap, flip;
    };
    for (const Case& c :
         {Case{360, 90, clLime, clLime}, Case{361, 91, clRed, clRed}, Case{0, 0, clLime, clLime}}) {
        rig.controller.az = c.az;
        rig.controller.el = c.el;
        rig.Tick();
        EXPECT_EQ(OverlapLamp(), c.overlap) << c.az;
        EXPECT_EQ(FlipLamp(), c.flip) << c.el;
        EXPECT_EQ(rig.main->lblRotatorAz.Caption(), std::to_string(c.az) + "°");
    }
}

TEST_F(TrackingCycle, MovesOnlyWhenOffTargetAndStopsAtLos) {
    TMain& m = *rig.main;
    rig.controller.az = 120;
    rig.controller.el = 30;
    rig.SetDirection("120", "30");
    m.SetAutoTracking(true);
    rig.trace.clear();
    rig.TickAt(10, 5);
    EXPECT_EQ(rig.trace, (Trace{"beep 750 500", "C2"})) << "on target: nothing sent";
    EXPECT_TRUE(m.AutoTracking);

    rig.SetDirection("121.5", "30.5"); // halves to the even neighbour
    rig.TickAt(10, 6);
    rig.SetDirection("250", "-1");
    rig.TickAt(10, 12);
    EXPECT_EQ(rig.Commands(), (Trace{"W122 030", "W250 -001", "S"}));
    EXPECT_FALSE(m.AutoTracking) << "LOS ends tracking";
}

TEST_F(TrackingCycle, TicksAreSkippedWhileTheirErrorBoxIsOpen) {
    int nestedTicks = 0;
    rig.messages.whileOpen = [&](const std::string&) {
        ++nestedTicks;
        rig.Tick();
    };
    rig.registry.SetString(MainRig::Key, "MJD", "");
    rig.Tick();
    EXPECT_EQ(nestedTicks, 1);
    EXPECT_EQ(rig.messages.shown.size(), 1u) << "the tick inside the open box did nothing";
    rig.Tick();
    EXPECT_EQ(rig.messages.shown.size(), 2u) << "the next tick after the box runs again";
    EXPECT_TRUE(rig.trace.empty()) << "the failed cycle stops at its first read";
}

} // namespace
} // namespace zt
