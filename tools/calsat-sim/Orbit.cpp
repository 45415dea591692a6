#include "tools/calsat-sim/Orbit.h"

#include <cmath>
#include <numbers>

namespace zt::sim {

namespace {

constexpr double EarthRadius = 6378.137; // km
constexpr double EarthMu = 398600.4418;  // km^3/s^2
// Julian date of the date-time origin, 1899-12-30 00:00 UTC.
constexpr double JulianDateAtZero = 2415018.5;

double Radians(double degrees) {
    return degrees * std::numbers::pi / 180;
}
double Degrees(double radians) {
    return radians * 180 / std::numbers::pi;
}

// Greenwich mean sidereal time, radians.
double SiderealAngle(TDateTime t) {
    const double days = t + JulianDateAtZero - 2451545.0;
    return Radians(std::fmod(280.46061837 + 360.98564736629 * days, 360.0));
}

} // namespace

CircularOrbit::CircularOrbit(CircularOrbitElements elements, Observer observer, TDateTime epoch,
                             int epochRevolution)
    : Elements(elements), Site(observer), Epoch(epoch), EpochRevolution(epochRevolution),
      Radius(EarthRadius + elements.Altitude),
      MeanMotion(std::sqrt(EarthMu / (Radius * Radius * Radius))) {}

double CircularOrbit::PeriodDays() const {
    return 2 * std::numbers::pi / MeanMotion / SecondsPerDay;
}

double CircularOrbit::ArgumentOfLatitude(TDateTime t) const {
    return Radians(Elements.Phase) + MeanMotion * (t - Epoch) * SecondsPerDay;
}

int CircularOrbit::Revolution(TDateTime t) const {
    return EpochRevolution +
           static_cast<int>(std::floor(ArgumentOfLatitude(t) / (2 * std::numbers::pi)));
}

Look CircularOrbit::At(TDateTime t) const {
    const double u = ArgumentOfLatitude(t);
    const double i = Radians(Elements.Inclination);
    const double node = Radians(Elements.Node);
    // Inertial position, then turned with the Earth.
    const double xi =
        Radius * (std::cos(node) * std::cos(u) - std::sin(node) * std::sin(u) * std::cos(i));
    const double yi =
        Radius * (std::sin(node) * std::cos(u) + std::cos(node) * std::sin(u) * std::cos(i));
    const double z = Radius * std::sin(u) * std::sin(i);
    const double g = SiderealAngle(t);
    const double x = std::cos(g) * xi + std::sin(g) * yi;
    const double y = -std::sin(g) * xi + std::cos(g) * yi;

    const double lat = Radians(Site.Latitude);
    const double lon = Radians(Site.Longitude);
    const double dx = x - EarthRadius * std::cos(lat) * std::cos(lon);
    const double dy = y - EarthRadius * std::cos(lat) * std::sin(lon);
    const double dz = z - EarthRadius * std::sin(lat);
    const double east = -std::sin(lon) * dx + std::cos(lon) * dy;
    const double north = -std::sin(lat) * std::cos(lon) * dx - std::sin(lat) * std::sin(lon) * dy +
                         std::cos(lat) * dz;
    const double up = std::cos(lat) * std::cos(lon) * dx + std::cos(lat) * std::sin(lon) * dy +
                      std::sin(lat) * dz;
    double az = Degrees(std::atan2(east, north));
    if (az < 0)
        az += 360;
    return {az, Degrees(std::atan2(up, std::hypot(east, north)))};
}

} // namespace zt::sim
