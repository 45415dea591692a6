// Docking under CALSAT32's window and the foreground pairing of the two windows.
#include "tests/app/MainRig.h"

#include <gtest/gtest.h>

namespace zt {
namespace {

TEST(Docking, SitsOnCalsatsBottomEdgeAndFollowsIt) {
    MainRig rig;
    rig.Store(SectionMain, {{KeyLeft, "7"}, {KeyTop, "8"}});
    rig.Start();
    EXPECT_EQ(rig.main->Left(), 101) << "docked at creation, whatever was stored";
    EXPECT_EQ(rig.main->Top(), 497);

    struct Case {
        WindowRect rect;
        int left, top;
    };
    const Case cases[] = {
        {{300, 50, 940, 450}, 301, 447},
        // Minimised: far off the screen but not empty, so the strip goes along.
        {{-32000, -32000, -31840, -31972}, -31999, -31975},
        {{300, 50, 300, 450}, -31999, -31975}, // empty: stays
    };
    for (const auto& c : cases) {
        rig.windows.windows[rig.calsat].rect = c.rect;
        rig.Tick();
        EXPECT_EQ(rig.main->Left(), c.left) << c.rect.Left;
        EXPECT_EQ(rig.main->Top(), c.top) << c.rect.Left;
    }
    rig.windows.Remove(rig.calsat);
    rig.Tick();
    EXPECT_EQ(rig.main->Left(), -31999) << "without CALSAT32 the strip stays";
}

TEST(Docking, ForegroundPairingOncePerReturnFromAThirdWindow) {
    MainRig rig;
    rig.Start();
    const WindowHandle self = rig.main->Handle();
    const WindowHandle other = rig.windows.AddTopLevel("Editor");
    struct Step {
        WindowHandle foreground;
        std::vector<WindowHandle> raised;
    };
    const Step steps[] = {
        {rig.calsat, {self, rig.calsat}}, // back to CALSAT32: it ends on top
        {rig.calsat, {}},
        {self, {}}, // switching between the two does nothing more
        {other, {}},
        {self, {rig.calsat, self}},
        {other, {}},
        {0, {}},
        {rig.calsat, {self, rig.calsat}},
    };
    int i = 0;
    for (const auto& s : steps) {
        rig.windows.foreground = s.foreground;
        rig.windows.raised.clear();
        rig.Tick();
        EXPECT_EQ(rig.windows.raised, s.raised) << "step " << i++;
    }
}

} // namespace
} // namespace zt
