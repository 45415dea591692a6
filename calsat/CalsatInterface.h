// What CALSAT32 publishes: its registry values, its main window's pass table, its INI file.
#pragma once

namespace zt {

inline constexpr const char* ValueMjd = "MJD";
inline constexpr const char* ValueSatellite = "Satellite";
inline constexpr const char* ValueRevolution = "Revolution";
inline constexpr const char* ValueAzimuth = "Azimuth";
inline constexpr const char* ValueElevation = "Elevation";

inline constexpr const char* CalsatCaption = "CALSAT32(SGP)";

} // namespace zt
