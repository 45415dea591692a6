#include "platform/LocaleFormats.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <vector>

namespace zt {

LocaleFormats LocaleFormats::Japanese() {
    LocaleFormats f;
    f.ShortDateFormat = "yyyy/MM/dd";
    f.LongTimeFormat = "H:mm:ss";
    f.DateOrder = TDateOrder::YMD;
    f.TimeAMString = "午前";
    f.TimePMString = "午後";
    return f;
}

LocaleFormats LocaleFormats::US() {
    return LocaleFormats{};
}

LocaleFormats LocaleFormats::German() {
    LocaleFormats f;
    f.DecimalSeparator = ",";
    f.DateSeparator = ".";
    f.ShortDateFormat = "dd.MM.yyyy";
    f.LongTimeFormat = "HH:mm:ss";
    f.DateOrder = TDateOrder::DMY;
    return f;
}

namespace {

constexpr double MsPerDay = 86400000.0;
// 0001-01-01 and 10000-01-01 as days since 1899-12-30.
constexpr double MinDate = -693593.0;
constexpr double MaxDateEnd = 2958466.0;

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

bool SameText(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (Lower(a[i]) != Lower(b[i]))
            return false;
    return true;
}

[[noreturn]] void Fail(const char* message, std::string_view text) {
    std::string m = message;
    m.replace(m.find("%s"), 2, text);
    throw EConvertError(m);
}

constexpr const char* FloatMessage = "'%s' は浮動小数点数ではありません";
constexpr const char* DateMessage = "'%s' は正しい日付ではありません";
constexpr const char* TimeMessage = "'%s' は正しい時刻ではありません";
constexpr const char* DateTimeMessage = "'%s' は正しい日付と時刻ではありません";

// The text split into a sign, integer digits, fraction digits and an exponent part.
struct DecimalText {
    bool negative = false;
    std::string_view integer, fraction, exponent;
};

std::optional<DecimalText> SplitDecimal(std::string_view s, std::string_view separator,
                                        bool allowExponent) {
    DecimalText d;
    if (!s.empty() && (s[0] == '+' || s[0] == '-')) {
        d.negative = s[0] == '-';
        s.remove_prefix(1);
    }
    size_t i = 0;
    while (i < s.size() && IsDigit(s[i]))
        ++i;
    d.integer = s.substr(0, i);
    s.remove_prefix(i);
    if (!separator.empty() && s.substr(0, separator.size()) == separator) {
        s.remove_prefix(separator.size());
        i = 0;
        while (i < s.size() && IsDigit(s[i]))
            ++i;
        d.fraction = s.substr(0, i);
        s.remove_prefix(i);
    }
    if (d.integer.empty() && d.fraction.empty())
        return std::nullopt;
    if (allowExponent && !s.empty() && (s[0] == 'e' || s[0] == 'E')) {
        d.exponent = s;
        size_t j = 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            ++j;
        if (j == s.size())
            return std::nullopt;
        for (; j < s.size(); ++j)
            if (!IsDigit(s[j]))
                return std::nullopt;
        s = {};
    }
    if (!s.empty())
        return std::nullopt;
    return d;
}

// Digits only; at most maxDigits of them.
std::optional<int> SmallNumber(std::string_view s, size_t maxDigits) {
    if (s.empty() || s.size() > maxDigits)
        return std::nullopt;
    int v = 0;
    for (char c : s) {
        if (!IsDigit(c))
            return std::nullopt;
        v = v * 10 + (c - '0');
    }
    return v;
}

std::vector<std::string_view> Split(std::string_view s, std::string_view separator) {
    std::vector<std::string_view> parts;
    for (size_t at; (at = s.find(separator)) != std::string_view::npos;) {
        parts.push_back(s.substr(0, at));
        s.remove_prefix(at + separator.size());
    }
    parts.push_back(s);
    return parts;
}

bool IsLeapYear(int y) {
    return y % 4 == 0 && (y % 100 != 0 || y % 400 == 0);
}

int DaysInMonth(int y, int m) {
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && IsLeapYear(y) ? 29 : days[m - 1];
}

bool IsValidDate(int y, int m, int d) {
    return y >= 1 && y <= 9999 && m >= 1 && m <= 12 && d >= 1 && d <= DaysInMonth(y, m);
}

// Days since 1970-01-01 of a proleptic Gregorian date, and back.
long DaysFromCivil(int y, int m, int d) {
    y -= m <= 2;
    const long era = (y >= 0 ? y : y - 399) / 400;
    const long yoe = y - era * 400;
    const long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void CivilFromDays(long z, int& y, int& m, int& d) {
    z += 719468;
    const long era = (z >= 0 ? z : z - 146096) / 146097;
    const long doe = z - era * 146097;
    const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long mp = (5 * doy + 2) / 153;
    d = int(doy - (153 * mp + 2) / 5 + 1);
    m = int(mp < 10 ? mp + 3 : mp - 9);
    y = int(yoe + era * 400 + (m <= 2));
}

constexpr long UnixEpochInDays = 25569; // 1970-01-01 as days since 1899-12-30

std::optional<TDateTime> TryParseDate(std::string_view text, const LocaleFormats& fmt) {
    if (fmt.DateSeparator.empty())
        return std::nullopt;
    const auto parts = Split(Trim(text), fmt.DateSeparator);
    if (parts.size() != 3)
        return std::nullopt;
    int yi = 2, mi = 0, di = 1;
    if (fmt.DateOrder == TDateOrder::DMY)
        di = 0, mi = 1, yi = 2;
    else if (fmt.DateOrder == TDateOrder::YMD)
        yi = 0, mi = 1, di = 2;
    const auto y = SmallNumber(parts[yi], 4);
    const auto m = SmallNumber(parts[mi], 2);
    const auto d = SmallNumber(parts[di], 2);
    if (!y || !m || !d)
        return std::nullopt;
    int year = *y;
    if (parts[yi].size() <= 2)
        year += year < 50 ? 2000 : 1900;
    if (!IsValidDate(year, *m, *d))
        return std::nullopt;
    return EncodeDate(year, *m, *d);
}

// Removes an AM/PM marker at either end; tells which one it was.
std::optional<bool> TakeMarker(std::string_view& s, const LocaleFormats& fmt) {
    const std::pair<std::string_view, bool> markers[] = {
        {fmt.TimeAMString, false}, {fmt.TimePMString, true}, {"AM", false}, {"PM", true}};
    for (const auto& [marker, pm] : markers) {
        if (marker.empty() || s.size() <= marker.size())
            continue;
        if (SameText(s.substr(s.size() - marker.size()), marker)) {
            s = Trim(s.substr(0, s.size() - marker.size()));
            return pm;
        }
        if (SameText(s.substr(0, marker.size()), marker)) {
            s = Trim(s.substr(marker.size()));
            return pm;
        }
    }
    return std::nullopt;
}

std::optional<TDateTime> TryParseTime(std::string_view text, const LocaleFormats& fmt) {
    std::string_view s = Trim(text);
    const auto pm = TakeMarker(s, fmt);
    if (fmt.TimeSeparator.empty())
        return std::nullopt;
    const auto parts = Split(s, fmt.TimeSeparator);
    if (parts.size() < 2 || parts.size() > 3)
        return std::nullopt;
    auto h = SmallNumber(parts[0], 2);
    const auto m = SmallNumber(parts[1], 2);
    const auto sec = parts.size() == 3 ? SmallNumber(parts[2], 2) : std::optional<int>(0);
    if (!h || !m || !sec || *m > 59 || *sec > 59 || *h > (pm ? 12 : 23))
        return std::nullopt;
    if (pm)
        *h = *h % 12 + (*pm ? 12 : 0);
    return EncodeTime(*h, *m, *sec);
}

std::optional<TDateTime> TryParseDateTime(std::string_view text, const LocaleFormats& fmt) {
    if (auto d = TryParseDate(text, fmt))
        return d;
    if (auto t = TryParseTime(text, fmt))
        return t;
    const std::string_view s = Trim(text);
    const size_t blank = s.find_first_of(" \t");
    if (blank == std::string_view::npos)
        return std::nullopt;
    const auto d = TryParseDate(s.substr(0, blank), fmt);
    const auto t = TryParseTime(s.substr(blank), fmt);
    if (!d || !t)
        return std::nullopt;
    return CombineDateTime(*d, *t);
}

std::string Padded(int value, int width) {
    std::string s = std::to_string(value);
    if (int(s.size()) < width)
        s.insert(0, size_t(width - int(s.size())), '0');
    return s;
}

// Renders one of the OS's date or time patterns.
std::string FormatPattern(std::string_view pattern, const TDateTimeParts& p,
                          const LocaleFormats& fmt) {
    std::string out;
    for (size_t i = 0; i < pattern.size();) {
        const char c = pattern[i];
        if (c == '\'') {
            const size_t end = pattern.find('\'', i + 1);
            const size_t stop = end == std::string_view::npos ? pattern.size() : end;
            out.append(pattern.substr(i + 1, stop - i - 1));
            i = stop + 1;
            continue;
        }
        size_t n = 1;
        while (i + n < pattern.size() && pattern[i + n] == c)
            ++n;
        const int width = n >= 2 ? 2 : 1;
        const std::string_view marker = p.Hour < 12 ? fmt.TimeAMString : fmt.TimePMString;
        switch (c) {
        case 'd':
            out += Padded(p.Day, width);
            break;
        case 'M':
            out += Padded(p.Month, width);
            break;
        case 'y':
            out += n >= 3 ? Padded(p.Year, 4) : Padded(p.Year % 100, width);
            break;
        case 'H':
            out += Padded(p.Hour, width);
            break;
        case 'h':
            out += Padded(p.Hour % 12 == 0 ? 12 : p.Hour % 12, width);
            break;
        case 'm':
            out += Padded(p.Minute, width);
            break;
        case 's':
            out += Padded(p.Second, width);
            break;
        case 't':
            out += n >= 2 ? marker : marker.substr(0, 1);
            break;
        case 'g':
            break; // era names: none in the Gregorian calendar
        default:
            out.append(n, c);
        }
        i += n;
    }
    return out;
}

} // namespace

TDateOrder DateOrderOf(std::string_view pattern) {
    const size_t d = pattern.find('d'), m = pattern.find('M'), y = pattern.find('y');
    if (d == std::string_view::npos || m == std::string_view::npos || y == std::string_view::npos)
        return TDateOrder::MDY;
    if (y < m && m < d)
        return TDateOrder::YMD;
    if (d < m)
        return TDateOrder::DMY;
    return TDateOrder::MDY;
}

double ParseFloat(std::string_view text, const LocaleFormats& fmt) {
    const std::string_view s = Trim(text);
    if (SameText(s, "INF") || SameText(s, "+INF"))
        return std::numeric_limits<double>::infinity();
    if (SameText(s, "-INF"))
        return -std::numeric_limits<double>::infinity();
    if (SameText(s, "NAN"))
        return std::numeric_limits<double>::quiet_NaN();
    const auto d = SplitDecimal(s, fmt.DecimalSeparator, true);
    if (!d)
        Fail(FloatMessage, text);
    std::string plain(d->negative ? "-" : "");
    plain.append(d->integer.empty() ? "0" : d->integer);
    if (!d->fraction.empty())
        plain.append(".").append(d->fraction);
    plain.append(d->exponent);
    double value = 0;
    const auto r = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (r.ec != std::errc() || r.ptr != plain.data() + plain.size())
        Fail(FloatMessage, text);
    return value;
}

std::string FormatFloat(double value, const LocaleFormats& fmt) {
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value < 0 ? "-INF" : "INF";
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 15);
    std::string s(buf, r.ptr);
    const size_t e = s.find('e');
    if (e != std::string::npos) {
        std::string exponent = s.substr(e + 1);
        const bool negative = exponent[0] == '-';
        exponent.erase(0, exponent.find_first_not_of("+-0"));
        s = s.substr(0, e) + "E" + (negative ? "-" : "") + exponent;
    }
    const size_t point = s.find('.');
    if (point != std::string::npos)
        s.replace(point, 1, fmt.DecimalSeparator);
    return s;
}

TCurrency ParseCurrency(std::string_view text, const LocaleFormats& fmt) {
    const auto d = SplitDecimal(Trim(text), fmt.DecimalSeparator, false);
    if (!d)
        Fail(FloatMessage, text);
    const std::uint64_t limit =
        std::uint64_t(std::numeric_limits<std::int64_t>::max()) + (d->negative ? 1 : 0);
    std::uint64_t whole = 0;
    for (char c : d->integer) {
        if (whole > (limit - unsigned(c - '0')) / 10)
            Fail(FloatMessage, text);
        whole = whole * 10 + unsigned(c - '0');
    }
    std::uint64_t fraction = 0;
    for (size_t i = 0; i < 4; ++i)
        fraction = fraction * 10 + (i < d->fraction.size() ? unsigned(d->fraction[i] - '0') : 0);
    if (d->fraction.size() > 4 && d->fraction[4] >= '5')
        ++fraction;
    if (whole > (limit - fraction) / 10000)
        Fail(FloatMessage, text);
    const std::uint64_t units = whole * 10000 + fraction;
    return TCurrency{d->negative ? std::int64_t(0 - units) : std::int64_t(units)};
}

std::string FormatCurrency(TCurrency value, const LocaleFormats& fmt) {
    const bool negative = value.Units < 0;
    const std::uint64_t units = negative ? 0 - std::uint64_t(value.Units) : value.Units;
    std::string s(negative ? "-" : "");
    s += std::to_string(units / 10000);
    if (const std::uint64_t fraction = units % 10000) {
        std::string digits = Padded(int(fraction), 4);
        digits.erase(digits.find_last_not_of('0') + 1);
        s += fmt.DecimalSeparator + digits;
    }
    return s;
}

TDateTime EncodeDate(int year, int month, int day) {
    if (!IsValidDate(year, month, day))
        throw EConvertError("日付のエンコードに誤りがあります");
    return double(DaysFromCivil(year, month, day) + UnixEpochInDays);
}

TDateTime EncodeTime(int hour, int minute, int second, int millisecond) {
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 ||
        millisecond < 0 || millisecond > 999)
        throw EConvertError("時刻のエンコードに誤りがあります");
    return (((hour * 60.0 + minute) * 60.0 + second) * 1000.0 + millisecond) / MsPerDay;
}

TDateTime CombineDateTime(TDateTime date, TDateTime time) {
    return date < 0 ? date - time : date + time;
}

TDateTimeParts DecodeDateTime(TDateTime value) {
    if (!(value > MinDate - 1 && value < MaxDateEnd))
        Fail(DateTimeMessage, FormatFloat(value, LocaleFormats{}));
    double days = std::trunc(value);
    long long ms = std::llround(std::fabs(value - days) * MsPerDay);
    if (ms >= static_cast<long long>(MsPerDay)) {
        days += value < 0 ? -1 : 1;
        ms = 0;
    }
    if (days < MinDate || days >= MaxDateEnd)
        Fail(DateTimeMessage, FormatFloat(value, LocaleFormats{}));
    TDateTimeParts p;
    CivilFromDays(long(days) - UnixEpochInDays, p.Year, p.Month, p.Day);
    p.Millisecond = int(ms % 1000);
    p.Second = int(ms / 1000 % 60);
    p.Minute = int(ms / 60000 % 60);
    p.Hour = int(ms / 3600000);
    return p;
}

TDateTime ParseDate(std::string_view text, const LocaleFormats& fmt) {
    if (auto d = TryParseDate(text, fmt))
        return *d;
    Fail(DateMessage, text);
}

TDateTime ParseTime(std::string_view text, const LocaleFormats& fmt) {
    if (auto t = TryParseTime(text, fmt))
        return *t;
    Fail(TimeMessage, text);
}

TDateTime ParseDateTime(std::string_view text, const LocaleFormats& fmt) {
    if (auto dt = TryParseDateTime(text, fmt))
        return *dt;
    Fail(DateTimeMessage, text);
}

std::string FormatDate(TDateTime value, const LocaleFormats& fmt) {
    return FormatPattern(fmt.ShortDateFormat, DecodeDateTime(value), fmt);
}

std::string FormatTime(TDateTime value, const LocaleFormats& fmt) {
    return FormatPattern(fmt.LongTimeFormat, DecodeDateTime(value), fmt);
}

std::string FormatDateTime(TDateTime value, const LocaleFormats& fmt) {
    const TDateTimeParts p = DecodeDateTime(value);
    return FormatPattern(fmt.ShortDateFormat, p, fmt) + " " +
           FormatPattern(fmt.LongTimeFormat, p, fmt);
}

} // namespace zt
