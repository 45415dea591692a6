#include "serial/ComSettings.h"

#include "serial/ComPort.h"

namespace zt {

void TComSettingObject::Changed() {
    FComPort.SettingChanged(group_);
}

TFlowControl TComFlowControl::FlowControl() const {
    const bool xon = FXonXoffIn && FXonXoffOut;
    const bool noXon = !FXonXoffIn && !FXonXoffOut;
    if (FControlRTS == rtsHandshake && FOutCTSFlow && noXon)
        return fcHardware;
    if (FControlRTS == rtsDisable && !FOutCTSFlow && xon)
        return fcSoftware;
    if (FControlRTS == rtsDisable && !FOutCTSFlow && noXon)
        return fcNone;
    return fcCustom;
}

void TComFlowControl::SetFlowControl(TFlowControl v) {
    if (v != fcCustom) {
        FControlRTS = rtsDisable;
        FOutCTSFlow = FXonXoffIn = FXonXoffOut = false;
        if (v == fcHardware) {
            FControlRTS = rtsHandshake;
            FOutCTSFlow = true;
        } else if (v == fcSoftware) {
            FXonXoffIn = FXonXoffOut = true;
        }
    }
    Changed();
}

} // namespace zt
