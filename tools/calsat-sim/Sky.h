#pragma once

#include "platform/LocaleFormats.h"
#include "tools/calsat-sim/Passes.h"
#include "tools/calsat-sim/Scenario.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace zt::sim {

// What the stand-in publishes at a simulated instant, from its scenario.
class Sky {
public:
    Sky(Scenario scenario, TDateTime start);

    Look At(TDateTime t) const;
    int Revolution(TDateTime t) const;
    // The passes found near t: from a few hours before to a day after (the whole script).
    std::vector<Pass> PassesNear(TDateTime t) const;
    // The five registry values in the user's formats; no text: the value is deleted.
    std::vector<std::pair<std::string, std::optional<std::string>>>
    RegistryValues(TDateTime t, const LocaleFormats& fmt) const;
    // Passes not over at t (else the last one), one row each: date, AOS time, AOS azimuth,
    // 0, MAX time, MAX elevation, MAX azimuth, LOS time, LOS azimuth, 0, minutes; local time.
    std::string PassTableText(TDateTime t, const LocaleFormats& fmt) const;
    bool WindowClosed(TDateTime t) const;
    // The satellite followed at t: the scenario's, or the one it changes to.
    const std::string& Satellite(TDateTime t) const;
    // Wall-clock seconds the window must stop answering for hangs due in [from, to).
    double HangSeconds(TDateTime from, TDateTime to) const;
    const Scenario& Setup() const { return Plan; }
    TDateTime Start() const { return StartTime; }

private:
    bool Changed(TDateTime t) const;
    double SecondsAfterStart(TDateTime t) const;
    Scenario Plan;
    TDateTime StartTime;
    std::optional<CircularOrbit> Orbit;
    std::optional<CircularOrbit> ChangedOrbit;
    std::optional<ScriptedTrack> Script;
};

// Fixed decimals with the locale's decimal separator.
std::string FormatFixed(double value, int decimals, const LocaleFormats& fmt);

} // namespace zt::sim
