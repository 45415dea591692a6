// CALSAT32's pass table: 11 words a row, one row a pass, dates and times in local time.
#pragma once

#include "app/uRecord.h"
#include "platform/LocaleFormats.h"

#include <string>
#include <string_view>
#include <vector>

namespace zt {

// Words are separated by runs of characters 1 to 32; a word that begins with a double
// quote reaches to the closing one, and both quotes are dropped.
std::vector<std::string> SplitPassTableWords(std::string_view text);

// Sets VisibleTime to the pass current at Now (the first row whose LOS is not before Now,
// else the last row); times become UTC by subtracting timeOffset (days). No words: the three
// times become Now. No full row: nothing changes. A date, time or number that does not
// parse throws EConvertError and leaves VisibleTime as it was.
void ChoosePass(std::string_view text, TDateTime Now, double timeOffset, const LocaleFormats& fmt,
                TVisibleTime& VisibleTime);

} // namespace zt
