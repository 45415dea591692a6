#pragma once

#include "tools/calsat-sim/Look.h"

namespace zt::sim {

struct Observer {
    double Latitude = 0;  // degrees north
    double Longitude = 0; // degrees east
};

struct CircularOrbitElements {
    double Inclination = 0; // degrees
    double Altitude = 0;    // km above a spherical Earth
    double Phase = 0;       // degrees from the ascending node at the epoch
    double Node = 0;        // right ascension of the ascending node, degrees
};

// A satellite on a circular orbit over a spherical Earth that turns beneath it.
class CircularOrbit {
public:
    CircularOrbit(CircularOrbitElements elements, Observer observer, TDateTime epoch,
                  int epochRevolution);

    Look At(TDateTime t) const;
    // Counts one up each time the satellite crosses the ascending node.
    int Revolution(TDateTime t) const;
    double PeriodDays() const;

private:
    // Angle from the ascending node, radians, growing without bound.
    double ArgumentOfLatitude(TDateTime t) const;

    CircularOrbitElements Elements;
    Observer Site;
    TDateTime Epoch;
    int EpochRevolution;
    double Radius;     // km
    double MeanMotion; // radians per second
};

} // namespace zt::sim
