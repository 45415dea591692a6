#include "serial/CPortX.h"

#include "serial/ByteText.h"

#include <array>
#include <string_view>

namespace zt {

namespace {

constexpr std::array<const char*, 16> kBaudRates = {
    "Custom", "110",   "300",   "600",   "1200",  "2400",   "4800",   "9600",
    "14400",  "19200", "38400", "56000", "57600", "115200", "128000", "256000"};
constexpr std::array<const char*, 4> kDataBits = {"5", "6", "7", "8"};
constexpr std::array<const char*, 3> kStopBits = {"1", "1.5", "2"};
constexpr std::array<const char*, 5> kParities = {"None", "Odd", "Even", "Mark", "Space"};
constexpr std::array<const char*, 4> kFlowControls = {"Hardware", "Software", "None", "Custom"};

char FoldAsciiCase(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool SameTextAscii(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (FoldAsciiCase(a[i]) != FoldAsciiCase(b[i]))
            return false;
    return true;
}

// Index of the first table entry matching text, or fallback.
template <std::size_t N>
int Lookup(const std::array<const char*, N>& table, std::string_view text, int fallback) {
    for (std::size_t i = 0; i < N; ++i)
        if (SameTextAscii(table[i], text))
            return static_cast<int>(i);
    return fallback;
}

} // namespace

TCPortX::TCPortX(ISerialDevice& device, IUiThread& uiThread) : TComPort(device, uiThread) {
    Timeouts().SetReadInterval(500);
    Timeouts().SetReadTotalMultiplier(10);
    Timeouts().SetReadTotalConstant(500);
    Timeouts().SetWriteTotalMultiplier(10);
    Timeouts().SetWriteTotalConstant(100);
    OnRxChar = [this](TCustomComPort& Sender, int Count) { RecvChars(Sender, Count); };
}

TCPortX::~TCPortX() {
    // Closed here rather than by the core, whose batches would otherwise reach RecvChars
    // after this part of the object is gone.
    try {
        TComPort::Close();
    } catch (const EComPort&) {
        // Closed all the same; a destructor has nobody to tell.
    }
}

void TCPortX::Open() {
    SetTriggersOnRxChar(!FDelimiter.empty());
    FActive = true;
    TComPort::Open();
}

void TCPortX::Close() {
    try {
        TComPort::Close();
    } catch (const EComPort&) {
        FActive = false;
        throw;
    }
    FActive = false;
}

void TCPortX::SetActive(bool Value) {
    if (Value)
        Open();
    else
        Close();
}

void TCPortX::Clear() {
    ClearBuffer(true, true);
}

void TCPortX::RecvStr(int Len, std::string& Text) {
    Text.clear();
    std::string received;
    ReadStr(received, Len);
    Text = std::move(received);
}

void TCPortX::SendStr(const std::string& Text) {
    WriteStr(Text);
}

std::string TCPortX::BaudRate() const {
    return kBaudRates[TComPort::BaudRate()];
}

void TCPortX::SetBaudRate(const std::string& Value) {
    TComPort::SetBaudRate(static_cast<TBaudRate>(Lookup(kBaudRates, Value, br9600)));
}

std::string TCPortX::DataBits() const {
    return kDataBits[TComPort::DataBits()];
}

void TCPortX::SetDataBits(const std::string& Value) {
    TComPort::SetDataBits(static_cast<TDataBits>(Lookup(kDataBits, Value, dbEight)));
}

std::string TCPortX::StopBits() const {
    return kStopBits[TComPort::StopBits()];
}

void TCPortX::SetStopBits(const std::string& Value) {
    TComPort::SetStopBits(static_cast<TStopBits>(Lookup(kStopBits, Value, sbOneStopBit)));
}

std::string TCPortX::Parity() const {
    return kParities[TComPort::Parity().Bits()];
}

void TCPortX::SetParity(const std::string& Value) {
    TComPort::Parity().SetBits(static_cast<TParityBits>(Lookup(kParities, Value, prNone)));
}

std::string TCPortX::FlowControl() const {
    return kFlowControls[TComPort::FlowControl().FlowControl()];
}

void TCPortX::SetFlowControl(const std::string& Value) {
    TComPort::FlowControl().SetFlowControl(
        static_cast<TFlowControl>(Lookup(kFlowControls, Value, fcCustom)));
}

void TCPortX::SetDelimiter(const std::string& Value) {
    FDelimiter = Value;
    if (Value.empty()) {
        SetTriggersOnRxChar(false);
        return;
    }
    SetTriggersOnRxChar(true);
    SetEventChar(static_cast<char>(TextToBytes(Value).front()));
}

void TCPortX::RecvChars(TCustomComPort&, int Count) {
    ReadStr(FRecvMsg, Count);
    DoRecvMsg();
}

void TCPortX::DoRecvMsg() {
    if (FOnRecvMsg)
        FOnRecvMsg(*this, FRecvMsg);
}

} // namespace zt
