#pragma once

#include "tools/calsat-sim/Look.h"

#include <vector>

namespace zt::sim {

struct Pass {
    TDateTime Aos = 0;
    TDateTime Max = 0;
    TDateTime Los = 0;
    double AosAz = 0;
    double MaxAz = 0;
    double MaxEl = 0;
    double LosAz = 0;
};

// The passes (elevation above 0) that both rise and set within [from, to], found by
// scanning in steps of stepSeconds and refined to a few milliseconds.
std::vector<Pass> FindPasses(const LookAt& look, TDateTime from, TDateTime to, double stepSeconds);

} // namespace zt::sim
