#pragma once

#include "tools/calsat-sim/Look.h"

#include <vector>

namespace zt::sim {

struct ScriptPoint {
    double Seconds = 0; // after the start
    double Azimuth = 0;
    double Elevation = 0;
};

// A direction given at scripted instants, interpolated in between (azimuth the short way
// round); held at the first and last point outside them.
class ScriptedTrack {
public:
    // points in time order, at least one.
    ScriptedTrack(std::vector<ScriptPoint> points, TDateTime start);

    Look At(TDateTime t) const;
    TDateTime First() const;
    TDateTime Last() const;

private:
    std::vector<ScriptPoint> Points;
    TDateTime Start;
};

} // namespace zt::sim
