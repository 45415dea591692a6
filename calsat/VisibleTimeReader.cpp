#include "calsat/VisibleTimeReader.h"

#include "app/uRoutine.h"
#include "calsat/CalsatInterface.h"
#include "calsat/PassTable.h"

#include <utility>

namespace zt {

TVisibleTimeReader::TVisibleTimeReader(IWindows& windows, LocaleFormats formats)
    : Windows(windows), Formats(std::move(formats)) {}

bool TVisibleTimeReader::ReadVisibleTime(TDateTime Now, double timeOffset,
                                         TVisibleTime& VisibleTime,
                                         std::string& VisibleTimeString) {
    const WindowHandle calsat = Windows.FindTopLevel(CalsatCaption);
    if (!calsat)
        return true;
    TTextBoxSearch search{Windows, VisibleTimeString};
    Windows.EnumDescendants(calsat,
                            [&](WindowHandle hwnd) { return EnumTextBoxProc(hwnd, search); });
    if (search.Unanswered)
        return false;
    ChoosePass(VisibleTimeString, Now, timeOffset, Formats, VisibleTime);
    return true;
}

} // namespace zt
