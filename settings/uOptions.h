// The Options dialog: edits the parent application, rotator and serial-link settings, writes
// them to the settings file on OK and checks them before it lets the user leave.
#pragma once

#include "app/uConstant.h"
#include "platform/IFileDialog.h"
#include "platform/IFileSystem.h"
#include "platform/IRegistry.h"
#include "platform/LocaleFormats.h"
#include "ui/Button.h"
#include "ui/CheckBox.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/Form.h"
#include "ui/Label.h"
#include "ui/PageControl.h"
#include "ui/Panel.h"
#include "ui/RadioGroup.h"

#include <memory>
#include <optional>
#include <string>

namespace zt {

class TGS232;
class TXMLIniFile;

struct TOptionsServices {
    IRegistry& Registry;
    IFileSystem& Files;
    IFileDialog& OpenDialog1;
    LocaleFormats Formats;
};

// Made for one showing. The caller reads nothing back but the modal result: after OK the
// settings file holds the new values. Held values are what OK saves; each property's setter
// also shows the value in its control, and edits in a control reach its held value.
class TOptions : public Form {
public:
    // settingsFile: the settings file (beside the executable). gs232: the main window's
    // controller, asked for the antenna's position by Get Position.
    TOptions(Application& app, const TOptionsServices& services, std::string settingsFile,
             TGS232& gs232);

    // Held values. App's getter is GetApp: App() is the form's application.
    const std::string& GetApp() const { return FApp; }
    void SetApp(const std::string& Value);
    const std::string& IniFile() const { return FIniFile; }
    void SetIniFile(const std::string& Value);
    const std::string& RegKey() const { return FRegKey; }
    void SetRegKey(const std::string& Value);
    const std::string& Elements() const { return FElements; }
    void SetElements(const std::string& Value);
    const std::string& ComPort() const { return FComPort; }
    void SetComPort(const std::string& Value);
    int BaudRate() const { return FBaudRate; }
    void SetBaudRate(int Value);
    const std::string& DataBits() const { return FDataBits; }
    void SetDataBits(const std::string& Value);
    const std::string& Parity() const { return FParity; }
    void SetParity(const std::string& Value);
    const std::string& StopBits() const { return FStopBits; }
    void SetStopBits(const std::string& Value);
    const std::string& FlowControl() const { return FFlowControl; }
    void SetFlowControl(const std::string& Value);
    int IntervalTime() const { return FIntervalTime; }
    void SetIntervalTime(int Value);
    TAzRotator AzRotator() const { return FAzRotator; }
    void SetAzRotator(TAzRotator Value);
    TElRotator ElRotator() const { return FElRotator; }
    void SetElRotator(TElRotator Value);
    int AzOffset() const { return FAzOffset; }
    void SetAzOffset(int Value);
    // Spelled so; the key is "RotateSpeed".
    int RotaterSpeed() const { return FRotateSpeed; }
    void SetRotaterSpeed(int Value);
    int ParkingAz() const { return FParkingAz; }
    void SetParkingAz(int Value);
    int ParkingEl() const { return FParkingEl; }
    void SetParkingEl(int Value);
    bool GoParking() const { return FGoParking; }
    void SetGoParking(bool Value);
    bool Gs232BReplies() const { return FGs232BReplies; }
    void SetGs232BReplies(bool Value);
    const std::string& XMLIniFile() const { return FXMLIniFile; }
    // The settings had never been confirmed when the dialog was made: there is no working
    // set-up to protect, so Cancel leaves without the closing check, and leaves the file as
    // the dialog found it.
    bool FirstStart() const { return FFirstStart; }

    // Handlers.
    void FormCreate();
    void FormCloseQuery(bool& CanClose);
    void cmbAppChange();
    void cmbComPortChange();
    void edtIntervalTimeChange();
    void edtAzOffsetChange();
    void rgpAzimuthClick();
    void rgpElevationClick();
    void btnFile1Click();
    void btnFile2Click();
    void btnGetPositionClick();
    void btnOk0Click();
    void btnCancel0Click();

    PageControl PageControl1{*this};
    TabSheet tabApp{PageControl1};
    TabSheet tabGs232{PageControl1};
    TabSheet tabCom{PageControl1};

    // Declared in tab order within each parent.
    Label Label7{tabApp};
    ComboBox cmbApp{tabApp};
    Label Label16{tabApp};
    Edit edtInifile{tabApp};
    Button btnFile1{tabApp};
    Label Label14{tabApp};
    Edit edtElements{tabApp};
    Button btnFile2{tabApp};
    Button btnOk0{tabApp};
    Button btnCancel0{tabApp};
    Edit edtRegKey{tabApp};

    Label Label9{tabGs232};
    Edit edtIntervalTime{tabGs232};
    Label Label10{tabGs232};
    GroupBox grpAzimuth{tabGs232};
    RadioGroup rgpAzimuth{grpAzimuth};
    Label Label8{grpAzimuth};
    Edit edtAzOffset{grpAzimuth};
    Label Label15{grpAzimuth};
    ComboBox cmbRotateSpeed{grpAzimuth};
    GroupBox grpParking{tabGs232};
    Label Label12{grpParking};
    Edit edtParkingAz{grpParking};
    Label Label13{grpParking};
    Edit edtParkingEl{grpParking};
    CheckBox cbxGoParking{grpParking};
    Button btnGetPosition{grpParking};
    Button btnOk2{tabGs232};
    Button btnCancel2{tabGs232};
    RadioGroup rgpElevation{tabGs232};
    CheckBox cbxGs232BReplies{tabGs232};

    Label Label1{tabCom};
    ComboBox cmbComPort{tabCom};
    Label Label2{tabCom};
    ComboBox cmbBaudRate{tabCom};
    Label Label3{tabCom};
    ComboBox cmbDataBits{tabCom};
    Label Label4{tabCom};
    ComboBox cmbParity{tabCom};
    Label Label5{tabCom};
    ComboBox cmbStopBits{tabCom};
    Label Label6{tabCom};
    ComboBox cmbFlowControl{tabCom};
    Button btnOk1{tabCom};
    Button btnCancel1{tabCom};

private:
    void LayOut();
    void ConnectHandlers();
    // Edits in the boxes without a handler of their own reach the held values too.
    void ConnectEdits();
    void ListComPorts();
    void KeepFileAsFound();
    // The settings as the dialog found them; a file that does not parse reads as empty.
    std::unique_ptr<TXMLIniFile> OpenFoundSettings();
    // OK replaces a file that does not parse as a whole, in one step.
    void ReplaceUnreadableFile();
    void RestoreFileAsFound();
    void LoadPlacement();
    void LoadOptions();
    void SavePlacement();
    void SaveOptions();
    bool ValidateOptions();
    void PickFile(Edit& box, const char* defaultExt, const char* filter,
                  void (TOptions::*setHeld)(const std::string&));
    void ShowError(const std::string& text);

    TOptionsServices FServices;
    TGS232& FGs232;
    bool FFirstStart = false;
    bool FOptionsWritten = false;
    // The settings file's bytes when the dialog was made; none when there was no file.
    std::optional<std::string> FFileAsFound;
    // The file found does not parse: the dialog opens with its defaults.
    bool FFileUnreadable = false;

    std::string FApp;
    std::string FIniFile;
    std::string FRegKey;
    std::string FElements;
    std::string FComPort;
    int FBaudRate = 0;
    std::string FDataBits;
    std::string FParity;
    std::string FStopBits;
    std::string FFlowControl;
    int FIntervalTime = 0;
    TAzRotator FAzRotator = az450;
    TElRotator FElRotator = el180;
    int FAzOffset = 0;
    int FRotateSpeed = 0;
    int FParkingAz = 0;
    int FParkingEl = 0;
    bool FGoParking = false;
    bool FGs232BReplies = false;
    std::string FXMLIniFile;
};

} // namespace zt
