#include "rotator/RotatorMath.h"

#include <cstdio>

namespace zt {

int Azimuth360(int degrees) {
    const int r = degrees % 360;
    return r < 0 ? r + 360 : r;
}

int AzimuthDifference(int az, int offset) {
    return Azimuth360(az % 360 - offset % 360);
}

std::string PointCommand(int az, int el) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "W%.3d %.3d", az, el);
    return buf;
}

std::string AzimuthCommand(int az) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "M%.3d", az);
    return buf;
}

std::string SpeedCommand(int number) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "X%d", number);
    return buf;
}

} // namespace zt
