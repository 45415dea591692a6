#include "CommandSet.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <optional>

namespace zt::gs232sim {
namespace {

std::string Upper(std::string_view text) {
    std::string s(text);
    for (char& c : s)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

// Reads a signed integer after optional blanks; advances pos past it.
std::optional<int> ReadInt(const std::string& s, size_t& pos) {
    while (pos < s.size() && s[pos] == ' ')
        ++pos;
    const size_t start = pos;
    if (pos < s.size() && (s[pos] == '-' || s[pos] == '+'))
        ++pos;
    const size_t digits = pos;
    while (pos < s.size() && std::isdigit(static_cast<unsigned char>(s[pos])) && pos - digits < 4)
        ++pos;
    if (pos == digits)
        return std::nullopt;
    return std::stoi(s.substr(start, pos - start));
}

bool AtEnd(const std::string& s, size_t pos) {
    while (pos < s.size() && s[pos] == ' ')
        ++pos;
    return pos == s.size();
}

std::string Field(const char* name, double degrees, ReplyStyle style) {
    char buf[16];
    if (style == ReplyStyle::A)
        std::snprintf(buf, sizeof buf, "+0%03ld", std::lround(degrees));
    else
        std::snprintf(buf, sizeof buf, "%s=%03ld", name, std::lround(degrees));
    return buf;
}

CommandResult Known(std::string reply = {}) {
    return {true, std::move(reply)};
}

} // namespace

std::string AzElReply(const RotatorModel& rotator, ReplyStyle style) {
    const char* gap = style == ReplyStyle::A ? "" : "  ";
    return Field("AZ", rotator.Az().Position(), style) + gap +
           Field("EL", rotator.El().Position(), style) + "\r\n";
}

std::string AzReply(const RotatorModel& rotator, ReplyStyle style) {
    return Field("AZ", rotator.Az().Position(), style) + "\r\n";
}

std::string ElReply(const RotatorModel& rotator, ReplyStyle style) {
    return Field("EL", rotator.El().Position(), style) + "\r\n";
}

CommandResult Execute(std::string_view command, RotatorModel& rotator, ReplyStyle style) {
    const std::string s = Upper(command);
    if (s.empty())
        return Known();
    if (s == "S") {
        rotator.Az().Stop();
        rotator.El().Stop();
        return Known();
    }
    if (s == "A") {
        rotator.Az().Stop();
        return Known();
    }
    if (s == "E") {
        rotator.El().Stop();
        return Known();
    }
    if (s == "L" || s == "R") {
        rotator.Az().Hold(s == "L" ? -1 : 1);
        return Known();
    }
    if (s == "U" || s == "D") {
        rotator.El().Hold(s == "D" ? -1 : 1);
        return Known();
    }
    if (s == "C")
        return Known(AzReply(rotator, style));
    if (s == "C2")
        return Known(AzElReply(rotator, style));
    if (s == "B")
        return Known(ElReply(rotator, style));
    if (s.size() == 2 && s[0] == 'X' && s[1] >= '1' && s[1] <= '4') {
        rotator.SetSpeed(s[1] - '0');
        return Known();
    }
    size_t pos = 1;
    if (s[0] == 'M') {
        const auto az = ReadInt(s, pos);
        if (!az || !AtEnd(s, pos))
            return {};
        rotator.Az().SetTarget(*az);
        return Known();
    }
    if (s[0] == 'W') {
        const auto az = ReadInt(s, pos);
        const auto el = az ? ReadInt(s, pos) : std::nullopt;
        if (!el || !AtEnd(s, pos))
            return {};
        rotator.Az().SetTarget(*az);
        rotator.El().SetTarget(*el);
        return Known();
    }
    return {};
}

} // namespace zt::gs232sim
