#pragma once

#include "app/uRecord.h"

#include <functional>

namespace zt::sim {

// A direction from the observer, degrees: azimuth 0 to 360 from north through east.
struct Look {
    double Azimuth = 0;
    double Elevation = 0;
};

using LookAt = std::function<Look(TDateTime)>;

inline constexpr double SecondsPerDay = 86400;

} // namespace zt::sim
