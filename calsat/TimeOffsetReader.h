#pragma once

#include "app/uRecord.h"
#include "platform/IFileSystem.h"
#include "platform/IIniFile.h"
#include "platform/IMessageBox.h"
#include "platform/LocaleFormats.h"

#include <string>

namespace zt {

// Reads the observer's offset of local time from UTC from the parent application's INI file.
class TTimeOffsetReader {
public:
    TTimeOffsetReader(IFileSystem& files, IIniFile& ini, IMessageBox& messages,
                      LocaleFormats formats);

    // Fills ObsPoint.TimeOffset (days) and ObsPoint.LocalTimeStr by parentApp ("CALSAT32",
    // "CALSAT99", "KSAT"); any other name keeps them. A missing file is reported as
    // "<path> Not found" and keeps them too.
    void ReadTimeOffset(const std::string& parentApp, const std::string& parentInifile,
                        TObservationPoint& ObsPoint);

private:
    void ReadKsat(const std::string& path, TObservationPoint& ObsPoint);

    IFileSystem& Files;
    IIniFile& Ini;
    IMessageBox& Messages;
    LocaleFormats Formats;
};

} // namespace zt
