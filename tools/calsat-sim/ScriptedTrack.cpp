#include "tools/calsat-sim/ScriptedTrack.h"

#include <algorithm>
#include <cmath>

namespace zt::sim {

ScriptedTrack::ScriptedTrack(std::vector<ScriptPoint> points, TDateTime start)
    : Points(std::move(points)), Start(start) {}

TDateTime ScriptedTrack::First() const {
    return Start + Points.front().Seconds / SecondsPerDay;
}

TDateTime ScriptedTrack::Last() const {
    return Start + Points.back().Seconds / SecondsPerDay;
}

Look ScriptedTrack::At(TDateTime t) const {
    const double s = (t - Start) * SecondsPerDay;
    const auto after =
        std::upper_bound(Points.begin(), Points.end(), s,
                         [](double v, const ScriptPoint& p) { return v < p.Seconds; });
    if (after == Points.begin())
        return {Points.front().Azimuth, Points.front().Elevation};
    if (after == Points.end())
        return {Points.back().Azimuth, Points.back().Elevation};
    const ScriptPoint& a = *(after - 1);
    const ScriptPoint& b = *after;
    const double f = (s - a.Seconds) / (b.Seconds - a.Seconds);
    const double turn = std::remainder(b.Azimuth - a.Azimuth, 360.0);
    double az = std::fmod(a.Azimuth + f * turn, 360.0);
    if (az < 0)
        az += 360;
    return {az, a.Elevation + f * (b.Elevation - a.Elevation)};
}

} // namespace zt::sim
