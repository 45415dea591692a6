// The dialog's controls: places, captions, items and tab order, and their handlers.
#include "settings/uOptions.h"

namespace zt {
namespace {

void PlaceLabel(Label& label, int left, int top, const char* caption) {
    label.SetLeft(left);
    label.SetTop(top);
    label.SetCaption(caption);
}

void PlaceCombo(ComboBox& box, int left, int top, int width, std::vector<std::string> items = {}) {
    box.SetBounds(left, top, width, 23);
    box.SetItems(std::move(items));
}

// Right-aligned numeric box with the input method off.
void PlaceNumberBox(Edit& box, int left, int top, int width, bool digitsOnly) {
    box.SetBounds(left, top, width, 23);
    box.SetAlignment(Alignment::Right);
    box.SetNumbersOnly(digitsOnly);
    box.SetImeOff(true);
}

void PlaceButton(Button& button, int left, int top, int width, int height, const char* caption) {
    button.SetBounds(left, top, width, height);
    button.SetCaption(caption);
}

// Enter on any page acts as OK, Esc as Cancel.
void MakeOkCancel(Button& ok, Button& cancel) {
    ok.SetCaption("Ok");
    ok.SetDefault(true);
    ok.SetModalResult(ModalResult::Ok);
    cancel.SetCaption("Cancel");
    cancel.SetCancel(true);
    cancel.SetModalResult(ModalResult::Cancel);
}

} // namespace

void TOptions::LayOut() {
    SetCaption("Options");
    SetBorderStyle(BorderStyle::Dialog);
    SetPosition(FormPosition::ScreenCenter);
    SetClientWidth(351);
    SetClientHeight(248);
    SetFont(Font{"MS UI Gothic", 15});
    PageControl1.SetBounds(0, 0, 351, 248);
    tabApp.SetCaption("Application");
    tabGs232.SetCaption("GS232");
    tabCom.SetCaption("COM port");
    PageControl1.SetActivePageIndex(0);

    PlaceLabel(Label7, 9, 12, "Parent App");
    // Wide enough for "CALSAT32" in the fallback font too.
    PlaceCombo(cmbApp, 85, 9, 116, {"CALSAT32"});
    cmbApp.SetText("CALSAT32");
    PlaceLabel(Label16, 9, 36, "INIFILE");
    edtInifile.SetBounds(8, 56, 265, 23);
    PlaceButton(btnFile1, 280, 54, 57, 25, "Refer・・");
    PlaceLabel(Label14, 9, 84, "Satellite information file");
    edtElements.SetBounds(8, 104, 265, 23);
    PlaceButton(btnFile2, 280, 102, 57, 25, "Refer・・");
    edtRegKey.SetBounds(8, 136, 265, 23);
    btnOk0.SetBounds(8, 168, 57, 33);
    btnCancel0.SetBounds(80, 168, 57, 33);
    MakeOkCancel(btnOk0, btnCancel0);

    PlaceLabel(Label9, 13, 10, "Interval");
    PlaceNumberBox(edtIntervalTime, 80, 6, 57, true);
    edtIntervalTime.SetMaxLength(5);
    PlaceLabel(Label10, 144, 10, "mSec.");
    grpAzimuth.SetBounds(3, 30, 250, 71);
    grpAzimuth.SetCaption("Azimuth rotator");
    rgpAzimuth.SetBounds(3, 17, 115, 39);
    rgpAzimuth.SetColumns(2);
    rgpAzimuth.SetItems({"450°", "360°"});
    rgpAzimuth.SetItemIndex(0);
    PlaceLabel(Label8, 129, 23, "Offset");
    // The offset may be negative, so this box takes a sign.
    PlaceNumberBox(edtAzOffset, 180, 17, 45, false);
    PlaceLabel(Label15, 129, 46, "Speed");
    PlaceCombo(cmbRotateSpeed, 180, 43, 60, {"Low", "Medium 1", "Medium 2", "High"});
    rgpElevation.SetBounds(3, 104, 210, 39);
    rgpElevation.SetCaption("Elevation rotator");
    rgpElevation.SetColumns(3);
    rgpElevation.SetItems({"180°", "90°", "None"});
    rgpElevation.SetItemIndex(0);
    grpParking.SetBounds(3, 149, 262, 68);
    grpParking.SetCaption("Parking");
    PlaceLabel(Label12, 12, 18, "Azimuth");
    PlaceNumberBox(edtParkingAz, 77, 17, 33, true);
    PlaceLabel(Label13, 12, 44, "Elevation");
    PlaceNumberBox(edtParkingEl, 77, 42, 33, true);
    PlaceButton(btnGetPosition, 133, 12, 110, 28, "Get Position");
    cbxGoParking.SetBounds(133, 46, 110, 17);
    cbxGoParking.SetCaption("Go to Parking");
    // Controllers that answer in the GS-232B style ("AZ=aaa  EL=eee").
    cbxGs232BReplies.SetBounds(196, 9, 140, 17);
    cbxGs232BReplies.SetCaption("GS-232B replies");
    btnOk2.SetBounds(272, 45, 57, 33);
    btnCancel2.SetBounds(272, 89, 57, 33);
    MakeOkCancel(btnOk2, btnCancel2);

    PlaceLabel(Label1, 15, 14, "Port No.");
    PlaceCombo(cmbComPort, 112, 8, 97);
    cmbComPort.SetSorted(true);
    PlaceLabel(Label2, 15, 44, "Baud Rate");
    PlaceCombo(cmbBaudRate, 112, 39, 97,
               {"1200", "2400", "4800", "9600", "19200", "57600", "115200", "144000", "384000"});
    PlaceLabel(Label3, 15, 74, "Data Bits");
    PlaceCombo(cmbDataBits, 112, 70, 97, {"8"});
    PlaceLabel(Label4, 15, 105, "Parity");
    PlaceCombo(cmbParity, 112, 101, 97, {"None", "Odd", "Even", ""});
    PlaceLabel(Label5, 15, 135, "Stop Bits");
    PlaceCombo(cmbStopBits, 113, 132, 97, {"1", "2"});
    PlaceLabel(Label6, 15, 166, "Flow Cotorol");
    PlaceCombo(cmbFlowControl, 113, 163, 97, {"None", "Hardware", "Software"});
    btnOk1.SetBounds(256, 9, 65, 33);
    btnCancel1.SetBounds(256, 48, 65, 33);
    MakeOkCancel(btnOk1, btnCancel1);
}

void TOptions::ConnectHandlers() {
    OnCreate = [this] { FormCreate(); };
    OnCloseQuery = [this](bool& canClose) { FormCloseQuery(canClose); };
    cmbApp.OnChange = [this] { cmbAppChange(); };
    cmbComPort.OnChange = [this] { cmbComPortChange(); };
    edtIntervalTime.OnChange = [this] { edtIntervalTimeChange(); };
    edtAzOffset.OnChange = [this] { edtAzOffsetChange(); };
    rgpAzimuth.OnClick = [this] { rgpAzimuthClick(); };
    rgpElevation.OnClick = [this] { rgpElevationClick(); };
    btnFile1.OnClick = [this] { btnFile1Click(); };
    btnFile2.OnClick = [this] { btnFile2Click(); };
    btnGetPosition.OnClick = [this] { btnGetPositionClick(); };
    for (Button* ok : {&btnOk0, &btnOk1, &btnOk2})
        ok->OnClick = [this] { btnOk0Click(); };
    for (Button* cancel : {&btnCancel0, &btnCancel1, &btnCancel2})
        cancel->OnClick = [this] { btnCancel0Click(); };
    ConnectEdits();
}

} // namespace zt
