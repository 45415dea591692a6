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

inline std::string_view RotateModeName(TRotateMode mode) {
    return RotateModeNames[mode];
}

enum TControlMode { ctNone, ctManual, ctTracking };

// Pass alert state; the order matters (alNone < alPreAOS < alAOS < alLOS).
enum TAlert { alNone, alPreAOS, alAOS, alLOS };

// How often a lost rotator link is tried again, by the tick clock.
inline constexpr int ReconnectPeriodMs = 5000;

// Sections of the settings file.
inline constexpr char SectionMain[] = "/Main";
inline constexpr char SectionAlert[] = "/Alert";
inline constexpr char SectionRegistry[] = "/Registry";
inline constexpr char SectionOptions[] = "/Options";
inline constexpr char SectionOptionsApp[] = "/Options/App";
inline constexpr char SectionOptionsCom[] = "/Options/Com";
inline constexpr char SectionOptionsGS232[] = "/Options/GS232";

// Keys of the settings file.
inline constexpr char KeyLeft[] = "Left";
inline constexpr char KeyTop[] = "Top";
inline constexpr char KeyTabIndex[] = "TabIndex";
inline constexpr char KeyPreAosTime[] = "PreAosTime";
inline constexpr char KeyAlert[] = "Alert";
inline constexpr char KeyApp[] = "App";
inline constexpr char KeyInifile[] = "Inifile";
inline constexpr char KeyElements[] = "Elements";
inline constexpr char KeyRegKey[] = "RegKey";
inline constexpr char KeyComPort[] = "ComPort";
inline constexpr char KeyBaudRate[] = "BaudRate";
inline constexpr char KeyDataBits[] = "DataBits";
inline constexpr char KeyParity[] = "Parity";
inline constexpr char KeyStopBits[] = "StopBits";
inline constexpr char KeyFlowControl[] = "FlowControl";
inline constexpr char KeyInterval[] = "Interval";
inline constexpr char KeyAzRotator[] = "AzRotator";
inline constexpr char KeyElRotator[] = "ElRotator";
inline constexpr char KeyAzOffset[] = "AzOffset";
inline constexpr char KeyRotateSpeed[] = "RotateSpeed";
inline constexpr char KeyParkingAz[] = "ParkingAz";
inline constexpr char KeyParkingEl[] = "ParkingEl";
inline constexpr char KeyGoParking[] = "GoParking";
// Also accept the "AZ=aaa  EL=eee" replies of GS-232B controllers (false: only the other style).
inline constexpr char KeyGs232BReplies[] = "GS232BReplies";

} // namespace zt
