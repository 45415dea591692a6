#pragma once

#include <initializer_list>

namespace zt {

enum TBaudRate {
    brCustom,
    br110,
    br300,
    br600,
    br1200,
    br2400,
    br4800,
    br9600,
    br14400,
    br19200,
    br38400,
    br56000,
    br57600,
    br115200,
    br128000,
    br256000
};
enum TDataBits { dbFive, dbSix, dbSeven, dbEight };
enum TStopBits { sbOneStopBit, sbOne5StopBits, sbTwoStopBits };
enum TParityBits { prNone, prOdd, prEven, prMark, prSpace };
enum TFlowControl { fcHardware, fcSoftware, fcNone, fcCustom };
enum TDTRFlowControl { dtrDisable, dtrEnable, dtrHandshake };
enum TRTSFlowControl { rtsDisable, rtsEnable, rtsHandshake, rtsToggle };
enum TComEvent {
    evRxChar,
    evTxEmpty,
    evRxFlag,
    evRing,
    evBreak,
    evCTS,
    evDSR,
    evError,
    evRLSD,
    evRx80Full
};
enum TSyncMethod { smThreadSync, smWindowSync, smNone };
enum TThreadPriority { tpIdle, tpLowest, tpLower, tpNormal, tpHigher, tpHighest, tpTimeCritical };

// A set of TComEvent, bit n standing for the event of ordinal n.
class TComEvents {
public:
    constexpr TComEvents() = default;
    constexpr TComEvents(std::initializer_list<TComEvent> events) {
        for (TComEvent e : events)
            bits_ |= Bit(e);
    }
    static constexpr TComEvents FromBits(unsigned bits) {
        TComEvents s;
        s.bits_ = bits & AllBits;
        return s;
    }
    static constexpr TComEvents All() { return FromBits(AllBits); }
    constexpr unsigned Bits() const { return bits_; }
    constexpr bool Contains(TComEvent e) const { return (bits_ & Bit(e)) != 0; }
    constexpr bool Empty() const { return bits_ == 0; }
    constexpr bool operator==(const TComEvents&) const = default;

private:
    static constexpr unsigned AllBits = (1u << (evRx80Full + 1)) - 1;
    static constexpr unsigned Bit(TComEvent e) { return 1u << e; }
    unsigned bits_ = 0;
};

// Line errors reported to OnError: the platform's SerialLineError bits.
using TComErrors = unsigned;

} // namespace zt
