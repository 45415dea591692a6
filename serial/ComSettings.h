#pragma once

#include "serial/ComTypes.h"

namespace zt {

class TCustomComPort;

// The groups of settings the open port takes as one platform call each.
enum class ComSettingGroup { Buffer, Line, Timeouts };

// Base of the setting objects: each change is applied to the open port at once.
class TComSettingObject {
protected:
    TComSettingObject(TCustomComPort& port, ComSettingGroup group)
        : FComPort(port), group_(group) {}
    template <class T> void Store(T& field, T value) {
        field = value;
        Changed();
    }
    void Changed();
    TCustomComPort& FComPort;

private:
    ComSettingGroup group_;
};

// Read and write time limits in ms.
class TComTimeouts : public TComSettingObject {
public:
    explicit TComTimeouts(TCustomComPort& port)
        : TComSettingObject(port, ComSettingGroup::Timeouts) {}
    int ReadInterval() const { return FReadInterval; }
    int ReadTotalMultiplier() const { return FReadTotalM; }
    int ReadTotalConstant() const { return FReadTotalC; }
    int WriteTotalMultiplier() const { return FWriteTotalM; }
    int WriteTotalConstant() const { return FWriteTotalC; }
    void SetReadInterval(int v) { Store(FReadInterval, v); }
    void SetReadTotalMultiplier(int v) { Store(FReadTotalM, v); }
    void SetReadTotalConstant(int v) { Store(FReadTotalC, v); }
    void SetWriteTotalMultiplier(int v) { Store(FWriteTotalM, v); }
    void SetWriteTotalConstant(int v) { Store(FWriteTotalC, v); }

private:
    int FReadInterval = -1;
    int FReadTotalM = 0;
    int FReadTotalC = 0;
    int FWriteTotalM = 100;
    int FWriteTotalC = 1000;
};

class TComFlowControl : public TComSettingObject {
public:
    explicit TComFlowControl(TCustomComPort& port)
        : TComSettingObject(port, ComSettingGroup::Line) {}
    bool OutCTSFlow() const { return FOutCTSFlow; }
    bool OutDSRFlow() const { return FOutDSRFlow; }
    TDTRFlowControl ControlDTR() const { return FControlDTR; }
    TRTSFlowControl ControlRTS() const { return FControlRTS; }
    bool XonXoffOut() const { return FXonXoffOut; }
    bool XonXoffIn() const { return FXonXoffIn; }
    bool DSRSensitivity() const { return FDSRSensitivity; }
    bool TxContinueOnXoff() const { return FTxContinueOnXoff; }
    char XonChar() const { return FXonChar; }
    char XoffChar() const { return FXoffChar; }
    void SetOutCTSFlow(bool v) { Store(FOutCTSFlow, v); }
    void SetOutDSRFlow(bool v) { Store(FOutDSRFlow, v); }
    void SetControlDTR(TDTRFlowControl v) { Store(FControlDTR, v); }
    void SetControlRTS(TRTSFlowControl v) { Store(FControlRTS, v); }
    void SetXonXoffOut(bool v) { Store(FXonXoffOut, v); }
    void SetXonXoffIn(bool v) { Store(FXonXoffIn, v); }
    void SetDSRSensitivity(bool v) { Store(FDSRSensitivity, v); }
    void SetTxContinueOnXoff(bool v) { Store(FTxContinueOnXoff, v); }
    void SetXonChar(char v) { Store(FXonChar, v); }
    void SetXoffChar(char v) { Store(FXoffChar, v); }

    // The shortcut over RTS handshake, CTS flow and both XON/XOFF flags.
    TFlowControl FlowControl() const;
    void SetFlowControl(TFlowControl v);

private:
    bool FOutCTSFlow = false;
    bool FOutDSRFlow = false;
    TDTRFlowControl FControlDTR = dtrDisable;
    TRTSFlowControl FControlRTS = rtsDisable;
    bool FXonXoffOut = false;
    bool FXonXoffIn = false;
    bool FDSRSensitivity = false;
    bool FTxContinueOnXoff = false;
    char FXonChar = 17;
    char FXoffChar = 19;
};

class TComParity : public TComSettingObject {
public:
    explicit TComParity(TCustomComPort& port) : TComSettingObject(port, ComSettingGroup::Line) {}
    TParityBits Bits() const { return FBits; }
    bool Check() const { return FCheck; }
    bool Replace() const { return FReplace; }
    char ReplaceChar() const { return FReplaceChar; }
    void SetBits(TParityBits v) { Store(FBits, v); }
    void SetCheck(bool v) { Store(FCheck, v); }
    void SetReplace(bool v) { Store(FReplace, v); }
    void SetReplaceChar(char v) { Store(FReplaceChar, v); }

private:
    TParityBits FBits = prNone;
    bool FCheck = false;
    bool FReplace = false;
    char FReplaceChar = 0;
};

// The driver's queue sizes in bytes.
class TComBuffer : public TComSettingObject {
public:
    explicit TComBuffer(TCustomComPort& port) : TComSettingObject(port, ComSettingGroup::Buffer) {}
    int InputSize() const { return FInputSize; }
    int OutputSize() const { return FOutputSize; }
    void SetInputSize(int v) { Store(FInputSize, v); }
    void SetOutputSize(int v) { Store(FOutputSize, v); }

private:
    int FInputSize = 1024;
    int FOutputSize = 1024;
};

} // namespace zt
