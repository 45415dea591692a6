#include "calsat/LiveValues.h"

#include "platform/DecimalInteger.h"

#include <cmath>
#include <limits>
#include <optional>

namespace zt {

namespace {

constexpr double MjdAtDateTimeZero = 15018;
// The date-time type spans the years 1 to 9999.
constexpr double FirstDateTime = -693593;
constexpr double EndDateTime = 2958466;

// In the run-time's words and language, as the number and date conversions below them say it.
EConvertError NotA(std::string_view text, const char* what) {
    return EConvertError("'" + std::string(text) + "' は" + what + "ではありません");
}

} // namespace

TDateTime MjdToDateTime(std::string_view text, const LocaleFormats& fmt) {
    const TDateTime value = ParseFloat(text, fmt) - MjdAtDateTimeZero;
    if (!(value >= FirstDateTime && value < EndDateTime))
        throw NotA(text, "正しい日付と時刻");
    return value;
}

std::string SatelliteName(std::string_view text) {
    return std::string(text.substr(0, text.find('[')));
}

int ParseRevolution(std::string_view text) {
    const std::optional<int> value = TryParseDecimalInteger(text);
    if (!value)
        throw NotA(text, "整数");
    return *value;
}

int RoundDegrees(std::string_view text, const LocaleFormats& fmt) {
    // nearbyint rounds halves to even in the default rounding mode.
    const double rounded = std::nearbyint(ParseFloat(text, fmt));
    if (!(rounded >= std::numeric_limits<int>::min() && rounded <= std::numeric_limits<int>::max()))
        throw NotA(text, "正しい方位");
    return static_cast<int>(rounded);
}

} // namespace zt
