// Shared enumerations and the settings file's vocabulary. Header-only, no dependencies:
// every layer may include it.
#pragma once

#include <array>
#include <string_view>

namespace zt {

// Azimuth rotator travel; stored as its ordinal.
enum TAzRotator { az450 = 0, az360 = 1 };

// Elevation rotator travel; stored as its ordinal.
enum TElRotator { el180 = 0, el90 = 1, elNone = 2 };

enum TRotateMode { gsNormal, gsOverlap, gsFlip, gsCrossing };

inline constexpr std::array<std::string_view, 4> RotateModeNames{"Normal", "Overlap", "Flip",
                                                                 "Crossing"};

inline std::string_view RotateModeName(TRotateMode mode) { return RotateModeNames[mode]; }

enum TControlMode { ctNone, ctManual, ctTracking };

// Pass alert state; the order matters (alNone < alPreAOS < alAOS < alLOS).
enum TAlert { alNone, alPreAOS, alAOS, alLOS };

} // namespace zt
