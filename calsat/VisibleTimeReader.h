#pragma once

#include "app/uRecord.h"
#include "platform/IWindows.h"
#include "platform/LocaleFormats.h"

#include <string>

namespace zt {

// Captures CALSAT32's pass table from its main window and picks the pass current at Now.
class TVisibleTimeReader {
public:
    TVisibleTimeReader(IWindows& windows, LocaleFormats formats);

    // Without CALSAT32's window nothing changes; without its text box the last captured
    // VisibleTimeString is used again. timeOffset: days, local time = UTC + timeOffset.
    // Throws EConvertError when the chosen pass does not parse.
    // False, with both left as they were, when the text box did not answer in time: its
    // text is then not known, which is not the same as an empty table.
    bool ReadVisibleTime(TDateTime Now, double timeOffset, TVisibleTime& VisibleTime,
                         std::string& VisibleTimeString);

private:
    IWindows& Windows;
    LocaleFormats Formats;
};

} // namespace zt
