// Conversions of CALSAT32's live registry values; each failure is an EConvertError.
#pragma once

#include "app/uRecord.h"
#include "platform/LocaleFormats.h"

#include <string>
#include <string_view>

namespace zt {

// A Modified Julian Date as a date-time (MJD 15018 is 1899-12-30 00:00).
TDateTime MjdToDateTime(std::string_view text, const LocaleFormats& fmt);
// The name before the first "[" (blanks before it stay), else the whole text.
std::string SatelliteName(std::string_view text);
// A decimal integer in the signed 32-bit range; blanks around are allowed.
int ParseRevolution(std::string_view text);
// A decimal number rounded to whole degrees, halves to the even neighbour.
int RoundDegrees(std::string_view text, const LocaleFormats& fmt);

} // namespace zt
