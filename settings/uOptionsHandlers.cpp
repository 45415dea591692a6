// Held values, and what the controls' handlers do with them.
#include "settings/uOptions.h"

#include "platform/ScopeGuard.h"
#include "rotator/GS232.h"
#include "settings/XMLInifile.h"
#include "settings/uOptionsRules.h"
#include "ui/Application.h"

namespace zt {
namespace {

// A held value is shown in its control as it is stored.
template <class Box> void Hold(std::string& held, const std::string& value, Box& box) {
    held = value;
    box.SetText(value);
}

template <class Box> void Hold(int& held, int value, Box& box) {
    held = value;
    box.SetText(std::to_string(value));
}

} // namespace

void TOptions::SetApp(const std::string& Value) {
    Hold(FApp, Value, cmbApp);
}

void TOptions::SetIniFile(const std::string& Value) {
    Hold(FIniFile, Value, edtInifile);
}

void TOptions::SetRegKey(const std::string& Value) {
    Hold(FRegKey, Value, edtRegKey);
}

void TOptions::SetElements(const std::string& Value) {
    Hold(FElements, Value, edtElements);
}

void TOptions::SetComPort(const std::string& Value) {
    Hold(FComPort, Value, cmbComPort);
}

void TOptions::SetBaudRate(int Value) {
    Hold(FBaudRate, Value, cmbBaudRate);
}

void TOptions::SetDataBits(const std::string& Value) {
    Hold(FDataBits, Value, cmbDataBits);
}

void TOptions::SetParity(const std::string& Value) {
    Hold(FParity, Value, cmbParity);
}

void TOptions::SetStopBits(const std::string& Value) {
    Hold(FStopBits, Value, cmbStopBits);
}

void TOptions::SetFlowControl(const std::string& Value) {
    Hold(FFlowControl, Value, cmbFlowControl);
}

void TOptions::SetIntervalTime(int Value) {
    Hold(FIntervalTime, Value, edtIntervalTime);
}

void TOptions::SetAzRotator(TAzRotator Value) {
    FAzRotator = Value;
    rgpAzimuth.SetItemIndex(Value);
}

void TOptions::SetElRotator(TElRotator Value) {
    FElRotator = Value;
    rgpElevation.SetItemIndex(Value);
}

void TOptions::SetAzOffset(int Value) {
    Hold(FAzOffset, Value, edtAzOffset);
}

void TOptions::SetRotaterSpeed(int Value) {
    FRotateSpeed = Value;
    cmbRotateSpeed.SetItemIndex(Value);
}

void TOptions::SetParkingAz(int Value) {
    Hold(FParkingAz, Value, edtParkingAz);
}

void TOptions::SetParkingEl(int Value) {
    Hold(FParkingEl, Value, edtParkingEl);
}

void TOptions::SetGoParking(bool Value) {
    FGoParking = Value;
    cbxGoParking.SetChecked(Value);
}

void TOptions::SetGs232BReplies(bool Value) {
    FGs232BReplies = Value;
    cbxGs232BReplies.SetChecked(Value);
}

void TOptions::cmbAppChange() {
    FApp = cmbApp.Text();
    const auto found = OpenFoundSettings();
    TXMLIniFile& ini = *found;
    if (!ini.OpenNode(SectionRegistry, false))
        return;
    // Shown as well, so that what OK saves is what the user sees.
    SetRegKey(ini.ReadString(cmbApp.Text(), ""));
}

void TOptions::cmbComPortChange() {
    const auto port = FindPort(cmbComPort.Items(), cmbComPort.Text());
    if (!port) {
        ShowError("ComPortのPort No.が誤っています");
        cmbComPort.SetFocus();
        return;
    }
    FComPort = *port;
}

void TOptions::edtIntervalTimeChange() {
    FIntervalTime = ParseIntegerText(edtIntervalTime.Text());
}

void TOptions::edtAzOffsetChange() {
    FAzOffset = ParseIntegerText(edtAzOffset.Text());
}

void TOptions::rgpAzimuthClick() {
    if (rgpAzimuth.ItemIndex() >= 0)
        FAzRotator = static_cast<TAzRotator>(rgpAzimuth.ItemIndex());
}

void TOptions::rgpElevationClick() {
    if (rgpElevation.ItemIndex() >= 0)
        FElRotator = static_cast<TElRotator>(rgpElevation.ItemIndex());
}

void TOptions::btnFile1Click() {
    PickFile(edtInifile, ".ini", "Ini file (*.*)|*.ini", &TOptions::SetIniFile);
}

void TOptions::btnFile2Click() {
    PickFile(edtElements, ".TXT", "Text file (*.*)|*.TXT", &TOptions::SetElements);
}

void TOptions::PickFile(Edit& box, const char* defaultExt, const char* filter,
                        void (TOptions::*setHeld)(const std::string&)) {
    const PickerStart start = SplitPickerPath(box.Text());
    const auto chosen =
        FServices.OpenDialog1.OpenFile({start.folder, start.fileName, defaultExt, filter});
    if (chosen)
        (this->*setHeld)(*chosen);
}

void TOptions::btnGetPositionClick() {
    if (!FGs232.Opend())
        return;
    // Asked in the reply style the dialog shows; the controller keeps its own until OK.
    const bool style = FGs232.Gs232BReplies();
    const auto restore = ScopeExit([&] { FGs232.SetGs232BReplies(style); });
    FGs232.SetGs232BReplies(FGs232BReplies);
    int az = FParkingAz, el = FParkingEl;
    if (!FGs232.GetPos(az, el, TCaller::User))
        return;
    if (az != FParkingAz || el != FParkingEl) {
        SetParkingAz((az + 3600) % 360);
        SetParkingEl((el + 1800) % 180);
    }
}

void TOptions::ConnectEdits() {
    const auto text = [](Control& box, std::string& held) {
        return [&box, &held] { held = box.Caption(); };
    };
    const auto number = [](Control& box, int& held) {
        return [&box, &held] { held = ParseIntegerText(box.Caption()); };
    };
    edtInifile.OnChange = text(edtInifile, FIniFile);
    edtElements.OnChange = text(edtElements, FElements);
    edtRegKey.OnChange = text(edtRegKey, FRegKey);
    cmbDataBits.OnChange = text(cmbDataBits, FDataBits);
    cmbParity.OnChange = text(cmbParity, FParity);
    cmbStopBits.OnChange = text(cmbStopBits, FStopBits);
    cmbFlowControl.OnChange = text(cmbFlowControl, FFlowControl);
    cmbBaudRate.OnChange = number(cmbBaudRate, FBaudRate);
    edtParkingAz.OnChange = number(edtParkingAz, FParkingAz);
    edtParkingEl.OnChange = number(edtParkingEl, FParkingEl);
    // Typing in the speed box keeps the held speed unless it names an item.
    cmbRotateSpeed.OnChange = [this] {
        if (cmbRotateSpeed.ItemIndex() >= 0)
            FRotateSpeed = cmbRotateSpeed.ItemIndex();
    };
    cbxGoParking.OnClick = [this] { FGoParking = cbxGoParking.Checked(); };
    cbxGs232BReplies.OnClick = [this] { FGs232BReplies = cbxGs232BReplies.Checked(); };
}

} // namespace zt
