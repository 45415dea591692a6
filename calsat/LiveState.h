#pragma once

#include "app/uRecord.h"
#include "platform/IRegistry.h"
#include "platform/LocaleFormats.h"

#include <string>

namespace zt {

// CALSAT32's live state, read afresh from the key the registry reader holds open. A value
// that is missing or does not convert throws EConvertError.
class TLiveState {
public:
    TLiveState(IRegistry& reg, LocaleFormats formats);

    // "MJD" as a UTC date-time: the tracking cycle's Now.
    TDateTime ReadNow() const;
    std::string ReadSat() const;
    int ReadEpochRev() const;
    int ReadSatelliteAz() const;
    int ReadSatelliteEl() const;

private:
    IRegistry& Reg;
    LocaleFormats Formats;
};

} // namespace zt
