#include "serial/CPortX.h"

#include "platform/ScopeGuard.h"
#include "serial/BaudRates.h"
#include "serial/ByteText.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

namespace zt {

namespace {

constexpr std::array<const char*, 4> DataBitsTexts = {"5", "6", "7", "8"};
constexpr std::array<const char*, 3> StopBitsTexts = {"1", "1.5", "2"};
constexpr std::array<const char*, 5> ParityTexts = {"None", "Odd", "Even", "Mark", "Space"};
constexpr std::array<const char*, 4> FlowControlTexts = {"Hardware", "Software", "None", "Custom"};

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

const char* TextOf(const char* entry) {
    return entry;
}

const char* TextOf(const BaudRateRow& row) {
    return row.text;
}

// Index of the first table entry whose text matches, or fallback.
template <class Table> int Lookup(const Table& table, std::string_view text, int fallback) {
    for (std::size_t i = 0; i < table.size(); ++i)
        if (SameTextAscii(TextOf(table[i]), text))
            return static_cast<int>(i);
    return fallback;
}

constexpr std::int64_t LineEndBaseGraceMs = 100;
// The longest character frame: start bit, 8 data bits, parity, 2 stop bits.
constexpr std::int64_t BitsPerCharacter = 12;

// How long a CR at the end of what has come may still be followed by its LF: the LF is one
// character behind it on the wire, but a USB adapter may hand it over one transfer later.
std::int64_t LineEndGraceMs(std::uint32_t bitsPerSecond) {
    const std::int64_t speed = bitsPerSecond > 0 ? bitsPerSecond : 110;
    return LineEndBaseGraceMs + (2 * BitsPerCharacter * 1000 + speed - 1) / speed;
}

// What the received text says about the reply's end. CR and LF before the first other
// character (an echoed line end) end nothing.
struct LineEnd {
    bool text = false;     // a character other than CR and LF has come
    bool complete = false; // an LF has come after it
    bool afterCr = false;  // the text so far ends in a CR after it
    void Take(std::string_view chunk) {
        for (const char c : chunk) {
            if (c != '\r' && c != '\n')
                text = true;
            else if (c == '\n' && text)
                complete = true;
        }
        afterCr = text && !chunk.empty() && chunk.back() == '\r';
    }
};

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
    const auto inactive = ScopeExit([this] { FActive = false; });
    TComPort::Close();
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

void TCPortX::RecvLine(int Len, std::string& Text) {
    Text.clear();
    const int multiplier = Timeouts().ReadTotalMultiplier();
    const int constant = Timeouts().ReadTotalConstant();
    const std::int64_t total = std::int64_t{multiplier} * Len + constant;
    if (Len <= 0 || multiplier < 0 || constant < 0 || total == 0) {
        // Without a total limit there is no time to bound the reply by.
        RecvStr(Len, Text);
        return;
    }
    const std::int64_t interval = Timeouts().ReadInterval() > 0 ? Timeouts().ReadInterval() : 0;
    const std::int64_t grace = LineEndGraceMs(BitsPerSecond());
    bool limitsChanged = false;
    bool limitsRestored = false;
    const auto restoreQuietly = ScopeExit([&] {
        if (!limitsChanged || limitsRestored)
            return;
        try {
            ApplyTimeoutSettings();
        } catch (const EComPort&) {
            // The error on its way out says more than this one.
        }
    });
    const std::int64_t end = NowMs() + total;
    std::string received;
    int count = 0;
    LineEnd line;
    while (count < Len && !line.complete) {
        std::int64_t wait = end - NowMs();
        if (count > 0 && interval > 0)
            wait = std::min(wait, interval);
        if (line.afterCr)
            wait = std::min(wait, grace);
        if (wait <= 0)
            break;
        std::string chunk;
        limitsChanged = true;
        const int n = ReadFirstBytes(chunk, Len - count, static_cast<int>(wait));
        if (n == 0)
            break;
        count += n;
        line.Take(chunk);
        received += chunk;
    }
    if (limitsChanged)
        ApplyTimeoutSettings();
    limitsRestored = true;
    Text = std::move(received);
}

void TCPortX::SendStr(const std::string& Text) {
    WriteStr(Text);
}

std::string TCPortX::BaudRate() const {
    return BaudRateOf(TComPort::BaudRate()).text;
}

void TCPortX::SetBaudRate(const std::string& Value) {
    TComPort::SetBaudRate(static_cast<TBaudRate>(Lookup(BaudRateTable, Value, br9600)));
}

std::string TCPortX::DataBits() const {
    return DataBitsTexts[TComPort::DataBits()];
}

void TCPortX::SetDataBits(const std::string& Value) {
    TComPort::SetDataBits(static_cast<TDataBits>(Lookup(DataBitsTexts, Value, dbEight)));
}

std::string TCPortX::StopBits() const {
    return StopBitsTexts[TComPort::StopBits()];
}

void TCPortX::SetStopBits(const std::string& Value) {
    TComPort::SetStopBits(static_cast<TStopBits>(Lookup(StopBitsTexts, Value, sbOneStopBit)));
}

std::string TCPortX::Parity() const {
    return ParityTexts[TComPort::Parity().Bits()];
}

void TCPortX::SetParity(const std::string& Value) {
    TComPort::Parity().SetBits(static_cast<TParityBits>(Lookup(ParityTexts, Value, prNone)));
}

std::string TCPortX::FlowControl() const {
    return FlowControlTexts[TComPort::FlowControl().FlowControl()];
}

void TCPortX::SetFlowControl(const std::string& Value) {
    TComPort::FlowControl().SetFlowControl(
        static_cast<TFlowControl>(Lookup(FlowControlTexts, Value, fcCustom)));
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
