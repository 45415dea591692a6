#include "calsat/VisibleTimeReader.h"

#include "app/uRoutine.h"
#include "calsat/CalsatInterface.h"
#include "calsat/PassTable.h"

#include <utility>

namespace zt {

TVisibleTimeReader::TVisibleTimeReader(IWindows& windows, LocaleFormats formats)
    : Windows(windows), Formats(std::move(formats)) {}

void TVisibleTimeReader::ReadVisibleTime(TDateTime Now, double timeOffset,
                                         TVisibleTime& VisibleTime,
                                         std::string& VisibleTimeString) {
    const WindowHandle calsat = Windows.FindTopLevel(CalsatCaption);
    if (!calsat)
        return;
    TTextBoxSearch search{Windows, VisibleTimeString};
    Windows.EnumDescendants(calsat,
                            [&](WindowHandle hwnd) { return EnumTextBoxProc(hwnd, search); });
    ChoosePass(VisibleTimeString, Now, timeOffset, Formats, VisibleTime);
}

} // namespace zt
