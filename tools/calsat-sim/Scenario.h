#pragma once

#include "tools/calsat-sim/Orbit.h"
#include "tools/calsat-sim/ScriptedTrack.h"

#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zt::sim {

// Switches that make the stand-in misbehave, at seconds after the start (simulated time).
struct Fault {
    enum Kind { DeleteValue, WriteText, CloseWindow, Hang };
    Kind What = DeleteValue;
    std::string Value; // registry value name
    std::string Text;  // what WriteText writes
    double From = 0;
    double Until = std::numeric_limits<double>::infinity();
    double HangSeconds = 0; // of the wall clock, while the window answers no message
};

// From a moment on, CALSAT32 follows another satellite, as when its user picks one.
struct SatelliteChange {
    double At = 0; // seconds after the start
    std::string Satellite;
    CircularOrbitElements Orbit;
};

struct Scenario {
    std::string Satellite = "ISS [ZARYA]";
    std::optional<TDateTime> Start; // UTC
    int Revolution = 1;
    int TimeOffset = 32400; // seconds, local = UTC + offset
    std::string ChrLst = "JST";
    int Rows = 10; // passes shown in the pass table at most
    Observer Site{35.68, 139.77};
    std::optional<CircularOrbitElements> Orbit;
    std::vector<ScriptPoint> Points; // a scripted track when not empty
    std::vector<Fault> Faults;
    std::optional<SatelliteChange> Change;
};

// One keyword a line, '#' starts a comment:
//   satellite NAME...        start YYYY-MM-DD HH:MM:SS    revolution N
//   timeoffset SECONDS       chrlst NAME                  rows N
//   observer LAT LON         orbit INCLINATION ALTITUDE_KM PHASE [NODE]
//   point SECONDS AZ EL      fault FAULT (see ParseFault)
//   change SECONDS INCLINATION ALTITUDE_KM PHASE NODE NAME...   (after an orbit line)
// Exactly one of orbit and point lines. Throws std::runtime_error naming the line.
Scenario ParseScenario(std::string_view text);

// "delete NAME FROM [UNTIL]", "text NAME TEXT FROM [UNTIL]", "close AT" or
// "hang AT SECONDS", in seconds.
Fault ParseFault(std::string_view text);

// "YYYY-MM-DD HH:MM:SS" or with a "T" between date and time; UTC.
TDateTime ParseUtc(std::string_view text);

} // namespace zt::sim
