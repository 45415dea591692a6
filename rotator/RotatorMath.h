// Azimuth arithmetic and the command texts shared by the controller's operations.
#pragma once

#include <string>

namespace zt {

// Floored modulo 360: 0..359 also for negative differences, which a rotator's three-digit
// fields cannot carry.
int Azimuth360(int degrees);
// Azimuth360(az - offset), for any two values without overflow.
int AzimuthDifference(int az, int offset);

// "W%.3d %.3d" and "M%.3d": at least three digits, a minus sign before them when negative.
std::string PointCommand(int az, int el);
std::string AzimuthCommand(int az);
// X followed by the speed number, 1 (low) to 4 (high).
std::string SpeedCommand(int number);

} // namespace zt
