#include "settings/ValueText.h"

#include <cstdlib>
#include <limits>

namespace zt {
namespace {

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

bool StartsWithText(std::string_view s, std::string_view prefix) {
    if (s.size() < prefix.size())
        return false;
    for (size_t i = 0; i < prefix.size(); ++i)
        if (Lower(s[i]) != Lower(prefix[i]))
            return false;
    return true;
}

std::string ReplaceAll(std::string_view s, std::string_view from, std::string_view to,
                       bool anyCase) {
    std::string out;
    for (size_t i = 0; i < s.size();) {
        const std::string_view rest = s.substr(i);
        if (anyCase ? StartsWithText(rest, from) : rest.substr(0, from.size()) == from) {
            out += to;
            i += from.size();
        } else {
            out += s[i++];
        }
    }
    return out;
}

[[noreturn]] void NotAnInteger(std::string_view text) {
    throw EConvertError("''" + std::string(text) + "'' は整数ではありません");
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// The value as an unsigned bit pattern of the given width.
std::uint64_t ParseIntegerBits(std::string_view text, unsigned bits) {
    std::string_view s = text;
    while (!s.empty() && (s[0] == ' ' || s[0] == '\t'))
        s.remove_prefix(1);
    bool negative = false;
    if (!s.empty() && (s[0] == '+' || s[0] == '-')) {
        negative = s[0] == '-';
        s.remove_prefix(1);
    }
    unsigned base = 10;
    if (StartsWithText(s, "0x"))
        s.remove_prefix(2), base = 16;
    else if (StartsWithText(s, "$") || StartsWithText(s, "x"))
        s.remove_prefix(1), base = 16;
    const std::uint64_t widthMax = bits == 64 ? ~std::uint64_t(0) : (std::uint64_t(1) << bits) - 1;
    const std::uint64_t signedMax = widthMax >> 1;
    const std::uint64_t limit = base == 16 ? widthMax : signedMax + (negative ? 1 : 0);
    if (s.empty())
        NotAnInteger(text);
    std::uint64_t value = 0;
    for (char c : s) {
        const int digit = base == 16 ? HexDigit(c) : (c >= '0' && c <= '9' ? c - '0' : -1);
        if (digit < 0 || value > (limit - unsigned(digit)) / base)
            NotAnInteger(text);
        value = value * base + unsigned(digit);
    }
    return (negative ? 0 - value : value) & widthMax;
}

} // namespace

std::string EscapeValueText(std::string_view value) {
    std::string s = ReplaceAll(value, "&", "&amp;", false);
    s = ReplaceAll(s, ">", "&gt;", false);
    s = ReplaceAll(s, "<", "&lt;", false);
    return ReplaceAll(s, "\"", "&quot;", false);
}

std::string UnescapeValueText(std::string_view text) {
    std::string s = ReplaceAll(text, "&gt;", ">", true);
    s = ReplaceAll(s, "&lt;", "<", true);
    s = ReplaceAll(s, "&quot;", "\"", true);
    return ReplaceAll(s, "&amp;", "&", true);
}

std::int32_t ParseIntegerText(std::string_view text) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(ParseIntegerBits(text, 32)));
}

std::int64_t ParseInt64Text(std::string_view text) {
    return static_cast<std::int64_t>(ParseIntegerBits(text, 64));
}

std::string BoolText(bool value) {
    return value ? "-1" : "0";
}

bool ParseBoolText(std::string_view text, const LocaleFormats& fmt) {
    if (text.size() == 4 && StartsWithText(text, "true"))
        return true;
    if (text.size() == 5 && StartsWithText(text, "false"))
        return false;
    try {
        return ParseFloat(text, fmt) != 0;
    } catch (const EConvertError&) {
        throw EConvertError("'" + std::string(text) + "' は正しい論理型ではありません");
    }
}

std::string BinaryText(const std::vector<std::uint8_t>& bytes) {
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string s;
    for (size_t i = 0; i < bytes.size(); ++i) {
        s += digits[bytes[i] >> 4];
        s += digits[bytes[i] & 0xF];
        if (i + 1 < bytes.size()) {
            s += ',';
            if (i % 16 == 15)
                s += "\r\n";
        }
    }
    return s;
}

std::vector<std::uint8_t> ParseBinaryText(std::string_view text) {
    std::string compact = ReplaceAll(text, "\r\n", "", false);
    compact = ReplaceAll(compact, " ", "", false);
    std::vector<std::uint8_t> bytes;
    std::string_view rest = compact;
    while (true) {
        const size_t comma = rest.find(',');
        std::string_view item = rest.substr(0, comma);
        while (!item.empty() && static_cast<unsigned char>(item.front()) <= 0x20)
            item.remove_prefix(1);
        while (!item.empty() && static_cast<unsigned char>(item.back()) <= 0x20)
            item.remove_suffix(1);
        if (!item.empty())
            bytes.push_back(static_cast<std::uint8_t>(ParseIntegerText("0x" + std::string(item))));
        if (comma == std::string_view::npos)
            return bytes;
        rest.remove_prefix(comma + 1);
    }
}

std::optional<std::string> ProcessEnvironment(const std::string& name) {
    if (const char* value = std::getenv(name.c_str()))
        return std::string(value);
    return std::nullopt;
}

std::string ExpandEnvironmentText(std::string_view text, const TEnvironmentLookup& lookup) {
    std::string out;
    while (!text.empty()) {
        const size_t open = text.find('%');
        const size_t close = open == std::string_view::npos ? open : text.find('%', open + 1);
        if (close == std::string_view::npos) {
            out += text;
            break;
        }
        out += text.substr(0, open);
        const std::string name(text.substr(open + 1, close - open - 1));
        const auto value = name.empty() ? std::nullopt : lookup(name);
        out += value ? *value : std::string(text.substr(open, close - open + 1));
        text.remove_prefix(close + 1);
    }
    return out;
}

} // namespace zt
