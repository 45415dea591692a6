#include "calsat/TimeOffsetReader.h"

#include <cmath>
#include <utility>

namespace zt {

namespace {

constexpr double SecondsPerDay = 86400;
constexpr double HoursPerDay = 24;

} // namespace

TTimeOffsetReader::TTimeOffsetReader(IFileSystem& files, IIniFile& ini, IMessageBox& messages,
                                     LocaleFormats formats)
    : Files(files), Ini(ini), Messages(messages), Formats(std::move(formats)) {}

void TTimeOffsetReader::ReadTimeOffset(const std::string& parentApp,
                                       const std::string& parentInifile,
                                       TObservationPoint& ObsPoint) {
    if (!Files.FileExists(parentInifile)) {
        Messages.Show(parentInifile + " Not found", MessageKind::Error);
        return;
    }
    if (parentApp == "CALSAT32") {
        ObsPoint.TimeOffset =
            Ini.ReadInteger(parentInifile, "TIMEOFFSET", "TimeOffset", 32400) / SecondsPerDay;
        ObsPoint.LocalTimeStr = Ini.ReadString(parentInifile, "TIMEOFFSET", "ChrLST", "JST");
    } else if (parentApp == "CALSAT99") {
        ObsPoint.TimeOffset = 9 / HoursPerDay;
        ObsPoint.LocalTimeStr = "JST";
    } else if (parentApp == "KSAT") {
        ReadKsat(parentInifile, ObsPoint);
    }
}

// "JISA" is taken in hours, as its default of 9 (Japan) says; a value beyond a day's hours
// can only be seconds, so such a file works too. The name shows the offset in hours.
void TTimeOffsetReader::ReadKsat(const std::string& path, TObservationPoint& ObsPoint) {
    double hours = 9;
    try {
        hours = ParseFloat(Ini.ReadString(path, "JIKAN", "JISA", ""), Formats);
    } catch (const EConvertError&) {
    }
    if (!std::isfinite(hours))
        hours = 9;
    else if (std::fabs(hours) > HoursPerDay)
        hours = hours / SecondsPerDay * HoursPerDay;
    ObsPoint.TimeOffset = hours / HoursPerDay;
    ObsPoint.LocalTimeStr = (hours >= 0 ? "UTC+" : "UTC") + FormatFloat(hours, Formats);
}

} // namespace zt
