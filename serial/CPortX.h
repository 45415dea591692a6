#pragma once

#include "serial/ComPort.h"
#include "serial/EComPort.h"

#include <functional>
#include <string>
#include <utility>

namespace zt {

class TCPortX;

using TRecvMsgEvent = std::function<void(TCPortX& Sender, const std::string& RecvStr)>;

// The serial port the rotator controller talks through: line settings as texts, time limits
// preset for short command-and-reply exchanges, whole-text receive and send, and an optional
// message mode. Failures are EComPort (serial/EComPort.h). Call everything on the UI thread.
class TCPortX : public TComPort {
public:
    // Nothing is opened. The device and the UI thread must outlive the port.
    TCPortX(ISerialDevice& device, IUiThread& uiThread);
    ~TCPortX() override;

    // Sets Active and opens the port; Active stays true when opening fails.
    void Open();
    // Closes the port, then clears Active.
    void Close();
    bool Active() const { return FActive; }
    // true opens, false closes.
    void SetActive(bool Value);
    // Discards everything waiting in the input and output buffers.
    void Clear();

    // Receives up to Len bytes, one character per byte; returns when Len bytes have come,
    // more than 500 ms pass between bytes, or 10 * Len + 500 ms have passed. May be empty.
    void RecvStr(int Len, std::string& Text);
    // Like RecvStr, but returns as soon as a complete reply has come: its text ended by an
    // LF, or by a CR that no LF follows within about 100 ms; without a line end, RecvStr's
    // limits end it. CR and LF before the first other character end nothing. Text is what
    // RecvStr gives for the same bytes, as long as nothing follows the line end within
    // RecvStr's interval (a controller sends nothing more before the next command).
    // Needs a total read limit; without one it is RecvStr.
    void RecvLine(int Len, std::string& Text);
    // Sends the low eight bits of each character's code in one write, waiting up to
    // 10 ms per byte + 100 ms; a write cut short by that limit is no error.
    void SendStr(const std::string& Text);

    // Texts as the settings file holds them; a setter matches its table ignoring the case
    // of A to Z, and a text outside the table falls back ("9600", "8", "1", "None",
    // "Custom", the last leaving the individual flow-control settings as they are).
    std::string BaudRate() const;
    void SetBaudRate(const std::string& Value);
    std::string DataBits() const;
    void SetDataBits(const std::string& Value);
    std::string StopBits() const;
    void SetStopBits(const std::string& Value);
    std::string Parity() const;
    void SetParity(const std::string& Value);
    std::string FlowControl() const;
    void SetFlowControl(const std::string& Value);

    // Message mode: a non-empty delimiter makes each receive notification read the bytes
    // waiting into RecvMsg and pass them to OnRecvMsg; its first character becomes the
    // event character.
    const std::string& Delimiter() const { return FDelimiter; }
    void SetDelimiter(const std::string& Value);
    const std::string& RecvMsg() const { return FRecvMsg; }
    const TRecvMsgEvent& OnRecvMsg() const { return FOnRecvMsg; }
    void SetOnRecvMsg(TRecvMsgEvent Value) { FOnRecvMsg = std::move(Value); }

private:
    void RecvChars(TCustomComPort& Sender, int Count);
    void DoRecvMsg();

    bool FActive = false;
    std::string FDelimiter;
    std::string FRecvMsg;
    TRecvMsgEvent FOnRecvMsg;
};

} // namespace zt
