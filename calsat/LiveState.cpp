#include "calsat/LiveState.h"

#include "calsat/CalsatInterface.h"
#include "calsat/LiveValues.h"

#include <utility>

namespace zt {

TLiveState::TLiveState(IRegistry& reg, LocaleFormats formats)
    : Reg(reg), Formats(std::move(formats)) {}

TDateTime TLiveState::ReadNow() const {
    return MjdToDateTime(Reg.ReadString(ValueMjd), Formats);
}

std::string TLiveState::ReadSat() const {
    return SatelliteName(Reg.ReadString(ValueSatellite));
}

int TLiveState::ReadEpochRev() const {
    return ParseRevolution(Reg.ReadString(ValueRevolution));
}

int TLiveState::ReadSatelliteAz() const {
    return RoundDegrees(Reg.ReadString(ValueAzimuth), Formats);
}

int TLiveState::ReadSatelliteEl() const {
    return RoundDegrees(Reg.ReadString(ValueElevation), Formats);
}

} // namespace zt
