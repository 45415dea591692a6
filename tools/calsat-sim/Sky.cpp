#include "tools/calsat-sim/Sky.h"

#include <cmath>
#include <cstdio>

namespace zt::sim {

namespace {

constexpr double OrbitScanSeconds = 20;
constexpr double ScriptScanSeconds = 2;
constexpr double HoursBefore = 3;
constexpr double DaysAfter = 1;
constexpr double MjdAtDateTimeZero = 15018;

std::string TwoDigits(int n) {
    char s[8];
    std::snprintf(s, sizeof s, "%02d", n);
    return s;
}

// The table shows whole seconds; its date and time must agree on the rounding.
TDateTime ToSecond(TDateTime t) {
    return std::round(t * SecondsPerDay) / SecondsPerDay;
}

// 24-hour, so that a time of day stays one word whatever the user's time format.
std::string Time24(TDateTime t, const LocaleFormats& fmt) {
    const TDateTimeParts p = DecodeDateTime(ToSecond(t));
    return TwoDigits(p.Hour) + fmt.TimeSeparator + TwoDigits(p.Minute) + fmt.TimeSeparator +
           TwoDigits(p.Second);
}

// The date alone, so that its word never carries the time of day.
std::string Date(TDateTime t, const LocaleFormats& fmt) {
    const TDateTimeParts p = DecodeDateTime(ToSecond(t));
    return FormatDate(EncodeDate(p.Year, p.Month, p.Day), fmt);
}

} // namespace

std::string FormatFixed(double value, int decimals, const LocaleFormats& fmt) {
    char s[64];
    std::snprintf(s, sizeof s, "%.*f", decimals, value);
    std::string text = s;
    if (const auto dot = text.find('.'); dot != std::string::npos)
        text.replace(dot, 1, fmt.DecimalSeparator);
    return text;
}

Sky::Sky(Scenario scenario, TDateTime start) : Plan(std::move(scenario)), StartTime(start) {
    if (Plan.Orbit)
        Orbit.emplace(*Plan.Orbit, Plan.Site, StartTime, Plan.Revolution);
    else
        Script.emplace(Plan.Points, StartTime);
    if (Plan.Change)
        ChangedOrbit.emplace(Plan.Change->Orbit, Plan.Site, StartTime, Plan.Revolution);
}

double Sky::SecondsAfterStart(TDateTime t) const {
    return (t - StartTime) * SecondsPerDay;
}

bool Sky::Changed(TDateTime t) const {
    return Plan.Change && SecondsAfterStart(t) >= Plan.Change->At;
}

const std::string& Sky::Satellite(TDateTime t) const {
    return Changed(t) ? Plan.Change->Satellite : Plan.Satellite;
}

Look Sky::At(TDateTime t) const {
    if (Changed(t))
        return ChangedOrbit->At(t);
    return Orbit ? Orbit->At(t) : Script->At(t);
}

std::vector<Pass> Sky::PassesNear(TDateTime t) const {
    if (Changed(t)) {
        const LookAt look = [this](TDateTime x) { return ChangedOrbit->At(x); };
        return FindPasses(look, t - HoursBefore / 24, t + DaysAfter, OrbitScanSeconds);
    }
    const LookAt look = [this](TDateTime x) { return Orbit ? Orbit->At(x) : Script->At(x); };
    if (Orbit)
        return FindPasses(look, t - HoursBefore / 24, t + DaysAfter, OrbitScanSeconds);
    return FindPasses(look, Script->First(), Script->Last(), ScriptScanSeconds);
}

int Sky::Revolution(TDateTime t) const {
    if (Changed(t))
        return ChangedOrbit->Revolution(t);
    if (Orbit)
        return Orbit->Revolution(t);
    int ended = 0;
    for (const Pass& p : PassesNear(t))
        ended += p.Los < t;
    return Plan.Revolution + ended;
}

std::vector<std::pair<std::string, std::optional<std::string>>>
Sky::RegistryValues(TDateTime t, const LocaleFormats& fmt) const {
    const Look look = At(t);
    std::vector<std::pair<std::string, std::optional<std::string>>> values{
        {"MJD", FormatFixed(t + MjdAtDateTimeZero, 6, fmt)},
        {"Satellite", Satellite(t)},
        {"Revolution", std::to_string(Revolution(t))},
        {"Azimuth", FormatFixed(look.Azimuth, 2, fmt)},
        {"Elevation", FormatFixed(look.Elevation, 2, fmt)}};
    const double seconds = SecondsAfterStart(t);
    for (const Fault& f : Plan.Faults) {
        if (f.What == Fault::CloseWindow || f.What == Fault::Hang || seconds < f.From ||
            seconds >= f.Until)
            continue;
        for (auto& [name, text] : values)
            if (name == f.Value)
                text = f.What == Fault::DeleteValue ? std::nullopt : std::optional(f.Text);
    }
    return values;
}

std::string Sky::PassTableText(TDateTime t, const LocaleFormats& fmt) const {
    const std::vector<Pass> passes = PassesNear(t);
    size_t first = 0;
    while (first < passes.size() && passes[first].Los < t)
        ++first;
    if (first == passes.size() && first > 0)
        --first;
    const double offset = Plan.TimeOffset / SecondsPerDay;
    std::string text;
    for (size_t i = first; i < passes.size() && i < first + static_cast<size_t>(Plan.Rows); ++i) {
        const Pass& p = passes[i];
        text += Date(p.Aos + offset, fmt) + " " + Time24(p.Aos + offset, fmt) + " " +
                FormatFixed(p.AosAz, 1, fmt) + " 0 " + Time24(p.Max + offset, fmt) + " " +
                FormatFixed(p.MaxEl, 1, fmt) + " " + FormatFixed(p.MaxAz, 1, fmt) + " " +
                Time24(p.Los + offset, fmt) + " " + FormatFixed(p.LosAz, 1, fmt) + " 0 " +
                FormatFixed((p.Los - p.Aos) * 1440, 1, fmt) + "\r\n";
    }
    return text;
}

bool Sky::WindowClosed(TDateTime t) const {
    const double seconds = SecondsAfterStart(t);
    for (const Fault& f : Plan.Faults)
        if (f.What == Fault::CloseWindow && seconds >= f.From)
            return true;
    return false;
}

double Sky::HangSeconds(TDateTime from, TDateTime to) const {
    double total = 0;
    for (const Fault& f : Plan.Faults)
        if (f.What == Fault::Hang && SecondsAfterStart(from) <= f.From &&
            f.From < SecondsAfterStart(to))
            total += f.HangSeconds;
    return total;
}

} // namespace zt::sim
