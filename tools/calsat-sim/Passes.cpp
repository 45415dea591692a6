#include "tools/calsat-sim/Passes.h"

#include <cmath>

namespace zt::sim {

namespace {

constexpr double Precision = 0.005 / SecondsPerDay;

// The instant in [below, above] where the elevation crosses 0; below is under the horizon.
TDateTime Horizon(const LookAt& look, TDateTime below, TDateTime above) {
    while (std::fabs(above - below) > Precision) {
        const TDateTime mid = (below + above) / 2;
        (look(mid).Elevation > 0 ? above : below) = mid;
    }
    return above;
}

// Culmination by golden-section search: a pass has one peak.
TDateTime Culmination(const LookAt& look, TDateTime a, TDateTime b) {
    const double ratio = (std::sqrt(5.0) - 1) / 2;
    TDateTime c = b - ratio * (b - a);
    TDateTime d = a + ratio * (b - a);
    double ec = look(c).Elevation;
    double ed = look(d).Elevation;
    while (b - a > Precision) {
        if (ec > ed) {
            b = d;
            d = c;
            ed = ec;
            c = b - ratio * (b - a);
            ec = look(c).Elevation;
        } else {
            a = c;
            c = d;
            ec = ed;
            d = a + ratio * (b - a);
            ed = look(d).Elevation;
        }
    }
    return (a + b) / 2;
}

} // namespace

std::vector<Pass> FindPasses(const LookAt& look, TDateTime from, TDateTime to, double stepSeconds) {
    std::vector<Pass> passes;
    const double step = stepSeconds / SecondsPerDay;
    bool up = look(from).Elevation > 0;
    TDateTime rise = 0;
    bool risen = false; // seen rising within the range
    for (TDateTime t = from; t < to;) {
        const TDateTime next = std::fmin(t + step, to);
        const bool nextUp = look(next).Elevation > 0;
        if (!up && nextUp) {
            rise = Horizon(look, t, next);
            risen = true;
        } else if (up && !nextUp && risen) {
            Pass p;
            p.Aos = rise;
            p.Los = Horizon(look, next, t);
            p.Max = Culmination(look, p.Aos, p.Los);
            p.AosAz = look(p.Aos).Azimuth;
            p.LosAz = look(p.Los).Azimuth;
            const Look top = look(p.Max);
            p.MaxAz = top.Azimuth;
            p.MaxEl = top.Elevation;
            passes.push_back(p);
        }
        up = nextUp;
        t = next;
    }
    return passes;
}

} // namespace zt::sim
