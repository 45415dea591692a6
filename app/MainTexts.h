// The texts the main window's labels show.
#pragma once

#include "app/uRecord.h"
#include "platform/LocaleFormats.h"

#include <string>

namespace zt {

// A direction in whole degrees, e.g. "123°".
std::string DegreeText(int degrees);

// CALSAT32's clock in local time: "mm/dd hh:nn:ss" with the locale's separators, then the
// local-time name in parentheses, e.g. "12/02 21:05:09(JST)".
std::string ClockText(TDateTime local, const std::string& localTimeStr, const LocaleFormats& fmt);

// The pass line: AOS, MAX and LOS with their directions, times in local "hh:nn".
std::string PassText(const TVisibleTime& pass, double timeOffset, const LocaleFormats& fmt);

} // namespace zt
