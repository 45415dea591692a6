// The user's number, date and time formats as one value, and the conversions that use it.
// Every parse is strict: text that does not match throws EConvertError.
#pragma once

#include "app/uRecord.h"
#include "platform/ConvertError.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace zt {

// Order of day, month and year in a short date.
enum class TDateOrder { MDY, DMY, YMD };

struct LocaleFormats {
    std::string DecimalSeparator = ".";
    std::string DateSeparator = "/";
    std::string TimeSeparator = ":";
    // Patterns as the OS writes them: d dd M MM y yy yyyy, h hh H HH m mm s ss t tt;
    // text in single quotes and every other character is literal.
    std::string ShortDateFormat = "M/d/yyyy";
    std::string LongTimeFormat = "h:mm:ss tt";
    TDateOrder DateOrder = TDateOrder::MDY;
    std::string TimeAMString = "AM";
    std::string TimePMString = "PM";

    static LocaleFormats Japanese(); // yyyy/MM/dd, H:mm:ss, '.'
    static LocaleFormats US();       // M/d/yyyy, h:mm:ss tt, '.'
    static LocaleFormats German();   // dd.MM.yyyy, HH:mm:ss, ','
};

// The order in which a short-date pattern names day, month and year (MDY when unclear).
TDateOrder DateOrderOf(std::string_view shortDatePattern);

// Fixed point with four decimals, held as ten-thousandths.
struct TCurrency {
    std::int64_t Units = 0;
    friend bool operator==(TCurrency, TCurrency) = default;
};

// Decimal numbers with the locale's separator, optional exponent; blanks around are allowed.
// "INF", "-INF" and "NAN" stand for the values that have no digits.
double ParseFloat(std::string_view text, const LocaleFormats& fmt);
// General form, at most 15 significant digits.
std::string FormatFloat(double value, const LocaleFormats& fmt);

// Decimal number without exponent, rounded half away from zero to four decimals.
TCurrency ParseCurrency(std::string_view text, const LocaleFormats& fmt);
// At most four decimals, no trailing zeros.
std::string FormatCurrency(TCurrency value, const LocaleFormats& fmt);

// Date fields separated by DateSeparator in DateOrder; a two-digit year means 1950-2049.
TDateTime ParseDate(std::string_view text, const LocaleFormats& fmt);
// H:mm or H:mm:ss with TimeSeparator, 24-hour, or 12-hour with an AM/PM marker before or
// after (the locale's markers or "AM"/"PM", any case). Gives the fraction of a day.
TDateTime ParseTime(std::string_view text, const LocaleFormats& fmt);
// A date, a time, or a date and a time separated by blanks.
TDateTime ParseDateTime(std::string_view text, const LocaleFormats& fmt);

std::string FormatDate(TDateTime value, const LocaleFormats& fmt);     // ShortDateFormat
std::string FormatTime(TDateTime value, const LocaleFormats& fmt);     // LongTimeFormat
std::string FormatDateTime(TDateTime value, const LocaleFormats& fmt); // date, blank, time

// Calendar conversions; throw EConvertError for a field out of range or a date outside the
// years 1 to 9999. Before 1899-12-30 the time of day counts away from zero, as the type has it.
TDateTime EncodeDate(int year, int month, int day);
TDateTime EncodeTime(int hour, int minute, int second, int millisecond = 0);
TDateTime CombineDateTime(TDateTime date, TDateTime time);

struct TDateTimeParts {
    int Year = 0, Month = 0, Day = 0, Hour = 0, Minute = 0, Second = 0, Millisecond = 0;
};
// Rounds to the millisecond.
TDateTimeParts DecodeDateTime(TDateTime value);

} // namespace zt
