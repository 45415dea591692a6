// Held values, and what the controls' handlers do with them.
#include "settings/uOptions.h"

#include "rotator/GS232.h"
#include "settings/XMLInifile.h"
#include "settings/uOptionsRules.h"
#include "ui/Application.h"

namespace zt {

void TOptions::SetApp(const std::string& Value) {
    FApp = Value;
    cmbApp.SetText(Value);
}

void TOptions::SetIniFile(const std::string& Value) {
    FIniFile = Value;
    edtInifile.SetText(Value);
}

void TOptions::SetRegKey(const std::string& Value) {
    FRegKey = Value;
    edtRegKey.SetText(Value);
}

void TOptions::SetElements(const std::string& Value) {
    FElements = Value;
    edtElements.SetText(Value);
}

void TOptions::SetComPort(const std::string& Value) {
    FComPort = Value;
    cmbComPort.SetText(Value);
}

void TOptions::SetBaudRate(int Value) {
    FBaudRate = Value;
    cmbBaudRate.SetText(std::to_string(Value));
}

void TOptions::SetDataBits(const std::string& Value) {
    FDataBits = Value;
    cmbDataBits.SetText(Value);
}

void TOptions::SetParity(const std::string& Value) {
    FParity = Value;
    cmbParity.SetText(Value);
}

void TOptions::SetStopBits(const std::string& Value) {
    FStopBits = Value;
    cmbStopBits.SetText(Value);
}

void TOptions::SetFlowControl(const std::string& Value) {
    FFlowControl = Value;
    cmbFlowControl.SetText(Value);
}

void TOptions::SetIntervalTime(int Value) {
    FIntervalTime = Value;
    edtIntervalTime.SetText(std::to_string(Value));
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
    FAzOffset = Value;
    edtAzOffset.SetText(std::to_string(Value));
}

void TOptions::SetRotaterSpeed(int Value) {
    FRotateSpeed = Value;
    cmbRotateSpeed.SetItemIndex(Value);
}

void TOptions::SetParkingAz(int Value) {
    FParkingAz = Value;
    edtParkingAz.SetText(std::to_string(Value));
}

void TOptions::SetParkingEl(int Value) {
    FParkingEl = Value;
    edtParkingEl.SetText(std::to_string(Value));
}

void TOptions::SetGoParking(bool Value) {
    FGoParking = Value;
    cbxGoParking.SetChecked(Value);
}

void TOptions::cmbAppChange() {
    FApp = cmbApp.Text();
    TXMLIniFile ini(FXMLIniFile, FServices.Formats);
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
    int az = FParkingAz, el = FParkingEl;
    if (!FGs232.GetPos(az, el))
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
}

} // namespace zt
