#include "app/MainTexts.h"

#include <cstdio>

namespace zt {
namespace {

std::string TwoDigits(int value) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d", value);
    return text;
}

std::string HourMinute(TDateTime value, const LocaleFormats& fmt) {
    const auto t = DecodeDateTime(value);
    return TwoDigits(t.Hour) + fmt.TimeSeparator + TwoDigits(t.Minute);
}

} // namespace

std::string DegreeText(int degrees) {
    return std::to_string(degrees) + "°";
}

std::string ClockText(TDateTime local, const std::string& localTimeStr, const LocaleFormats& fmt) {
    const auto t = DecodeDateTime(local);
    return TwoDigits(t.Month) + fmt.DateSeparator + TwoDigits(t.Day) + " " + TwoDigits(t.Hour) +
           fmt.TimeSeparator + TwoDigits(t.Minute) + fmt.TimeSeparator + TwoDigits(t.Second) + "(" +
           localTimeStr + ")";
}

std::string PassText(const TVisibleTime& pass, double timeOffset, const LocaleFormats& fmt) {
    const std::string aos = HourMinute(pass.AosDateTime + timeOffset, fmt);
    const std::string max = HourMinute(pass.MaxDateTime + timeOffset, fmt);
    const std::string los = HourMinute(pass.LosDateTime + timeOffset, fmt);
    char text[256];
    std::snprintf(
        text, sizeof text, "(AOS) %s Az=%3.0f    (MAX) %s El=%2.0f Az=%3.0f    (LOS) %s Az=%3.0f",
        aos.c_str(), pass.AosAz, max.c_str(), pass.MaxEl, pass.MaxAz, los.c_str(), pass.LosAz);
    return text;
}

} // namespace zt
