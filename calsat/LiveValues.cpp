#include "calsat/LiveValues.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace zt {

namespace {

constexpr double MjdAtDateTimeZero = 15018;
// The date-time type spans the years 1 to 9999.
constexpr double FirstDateTime = -693593;
constexpr double EndDateTime = 2958466;

std::string Quoted(std::string_view text) {
    return "'" + std::string(text) + "'";
}

} // namespace

TDateTime MjdToDateTime(std::string_view text, const LocaleFormats& fmt) {
    const TDateTime value = ParseFloat(text, fmt) - MjdAtDateTimeZero;
    if (!(value >= FirstDateTime && value < EndDateTime))
        throw EConvertError(Quoted(text) + " is not a valid date and time");
    return value;
}

std::string SatelliteName(std::string_view text) {
    return std::string(text.substr(0, text.find('[')));
}

int ParseRevolution(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    const auto last = text.find_last_not_of(' ');
    std::string_view digits =
        first == std::string_view::npos ? std::string_view() : text.substr(first, last - first + 1);
    if (digits.size() > 1 && digits.front() == '+' && digits[1] != '-')
        digits.remove_prefix(1);
    int value = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.empty() || ec != std::errc() || end != digits.data() + digits.size())
        throw EConvertError(Quoted(text) + " is not a valid integer value");
    return value;
}

int RoundDegrees(std::string_view text, const LocaleFormats& fmt) {
    // nearbyint rounds halves to even in the default rounding mode.
    const double rounded = std::nearbyint(ParseFloat(text, fmt));
    if (!(rounded >= std::numeric_limits<int>::min() && rounded <= std::numeric_limits<int>::max()))
        throw EConvertError(Quoted(text) + " is not a valid direction");
    return static_cast<int>(rounded);
}

} // namespace zt
