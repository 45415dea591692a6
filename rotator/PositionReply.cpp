#include "rotator/PositionReply.h"

#include "rotator/RotatorMath.h"

namespace zt {
namespace {

bool IsBlankOrControl(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

std::string Trim(const std::string& s) {
    size_t first = 0, last = s.size();
    while (first < last && IsBlankOrControl(s[first]))
        ++first;
    while (last > first && IsBlankOrControl(s[last - 1]))
        --last;
    return s.substr(first, last - first);
}

// Characters from..to, counted from 1; what exists of them.
std::string Chars(const std::string& s, size_t from, size_t to) {
    return from > s.size() ? std::string() : s.substr(from - 1, to - from + 1);
}

// Signed decimal with leading blanks; on failure value holds the digits read before the
// offending character.
bool ToInt(const std::string& text, int& value) {
    size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    int sign = 1;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        sign = text[i++] == '-' ? -1 : 1;
    const size_t digitsFrom = i;
    int magnitude = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9' && magnitude < 100000000)
        magnitude = magnitude * 10 + (text[i++] - '0');
    value = sign * magnitude;
    return i == text.size() && i > digitsFrom;
}

std::string WorkingText(const std::string& reply) {
    std::string s = Trim(reply);
    if (const size_t crlf = s.find("\r\n"); crlf != std::string::npos)
        s.erase(crlf, 2);
    return s + "0000000";
}

} // namespace

const char* QueryCommand(PositionQuery query) {
    return query == PositionQuery::Az ? "C" : "C2";
}

bool AcceptedReplyLength(PositionQuery query, std::size_t length, bool gs232b) {
    // "AZ=aaa" with its line end is as long as "+0aaa" with its own.
    return query == PositionQuery::Az ? (length == 7 || length == 8)
                                      : (length == 12 || length == 15 || (gs232b && length == 16));
}

RotatorReading ReadRotatorPosition(const std::string& reply, PositionQuery query, bool gs232b) {
    const std::string s = WorkingText(reply);
    RotatorReading r;
    std::string az, el;
    if (gs232b && Chars(s, 1, 3) == "AZ=") {
        if (query == PositionQuery::AzEl && Chars(s, 9, 11) != "EL=")
            return r;
        az = Chars(s, 4, 6);
        el = query == PositionQuery::AzEl ? Chars(s, 12, 14) : "0";
    } else if (query == PositionQuery::Az) {
        if (Chars(s, 1, 2) != "AZ" && Chars(s, 7, 8) != "EL" && Chars(s, 7, 8) != "00")
            return r;
        az = Trim(Chars(s, 3, 5));
        el = Trim(Chars(s, 10, 12));
    } else {
        if (Chars(s, 1, 2) != "+0" && Chars(s, 5, 6) != "+0" && Chars(s, 5, 6) != "00")
            return r;
        az = Chars(s, 3, 5);
        el = Chars(s, 8, 10);
    }
    const bool azRead = ToInt(az, r.Az);
    const bool elRead = ToInt(el, r.El);
    r.Converted = azRead && elRead;
    return r;
}

Direction AntennaDirection(int rotatorAz, int rotatorEl, int azOffset) {
    Direction d{Azimuth360(rotatorAz + azOffset), rotatorEl};
    if (rotatorEl > 90) {
        d.Az = (d.Az + 180) % 360;
        d.El = 180 - rotatorEl;
    }
    return d;
}

} // namespace zt
