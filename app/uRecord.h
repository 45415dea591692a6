// Shared records handed between the tracking core and the parent-application link.
#pragma once

#include <string>

namespace zt {

// Date-times count days from 1899-12-30 00:00.
using TDateTime = double;

// The current pass; times are UTC.
struct TVisibleTime {
    double AosAz = 0;
    double MaxAz = 0;
    double MaxEl = 0;
    double LosAz = 0;
    TDateTime AosDateTime = 0;
    TDateTime MaxDateTime = 0;
    TDateTime LosDateTime = 0;
};

// The observer; only TimeOffset (days, local = UTC + offset) and LocalTimeStr are used.
struct TObservationPoint {
    double Longitude = 0;
    double Latitude = 0;
    double Altitude = 0;
    double TimeOffset = 0;
    std::string LocalTimeStr;
};

} // namespace zt
