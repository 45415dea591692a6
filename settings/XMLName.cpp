#include "settings/XMLName.h"

#include <cstdint>
#include <optional>

namespace zt {
namespace {

std::optional<char32_t> NextCodePoint(std::string_view& s) {
    const auto lead = static_cast<unsigned char>(s[0]);
    size_t length = lead < 0x80                   ? 1
                    : lead >= 0xF0 && lead < 0xF5 ? 4
                    : lead >= 0xE0                ? 3
                    : lead >= 0xC2 && lead < 0xE0 ? 2
                                                  : 0;
    if (length == 0 || length > s.size())
        return std::nullopt;
    static constexpr unsigned char leadMask[] = {0, 0x7F, 0x1F, 0x0F, 0x07};
    char32_t c = lead & leadMask[length];
    for (size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(s[i]);
        if ((next & 0xC0) != 0x80)
            return std::nullopt;
        c = (c << 6) | (next & 0x3F);
    }
    static constexpr char32_t shortest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < shortest[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return std::nullopt;
    s.remove_prefix(length);
    return c;
}

bool In(char32_t c, char32_t low, char32_t high) {
    return c >= low && c <= high;
}

bool IsNameStart(char32_t c) {
    return c == ':' || c == '_' || In(c, 'A', 'Z') || In(c, 'a', 'z') || In(c, 0xC0, 0xD6) ||
           In(c, 0xD8, 0xF6) || In(c, 0xF8, 0x2FF) || In(c, 0x370, 0x37D) || In(c, 0x37F, 0x1FFF) ||
           In(c, 0x200C, 0x200D) || In(c, 0x2070, 0x218F) || In(c, 0x2C00, 0x2FEF) ||
           In(c, 0x3001, 0xD7FF) || In(c, 0xF900, 0xFDCF) || In(c, 0xFDF0, 0xFFFD) ||
           In(c, 0x10000, 0xEFFFF);
}

bool IsNameChar(char32_t c) {
    return IsNameStart(c) || c == '-' || c == '.' || In(c, '0', '9') || c == 0xB7 ||
           In(c, 0x300, 0x36F) || In(c, 0x203F, 0x2040);
}

} // namespace

bool IsValidXmlName(std::string_view name) {
    bool first = true;
    while (!name.empty()) {
        const auto c = NextCodePoint(name);
        if (!c || !(first ? IsNameStart(*c) : IsNameChar(*c)))
            return false;
        first = false;
    }
    return !first;
}

} // namespace zt
