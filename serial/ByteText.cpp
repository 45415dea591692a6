#include "serial/ByteText.h"

namespace zt {

namespace {

// Length of the well-formed UTF-8 sequence at text[i] and its code point; 0 when malformed.
std::size_t DecodeOne(std::string_view text, std::size_t i, char32_t& code) {
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t len;
    char32_t min;
    if (lead < 0x80) {
        code = lead;
        return 1;
    } else if ((lead & 0xE0) == 0xC0) {
        len = 2, code = lead & 0x1F, min = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        len = 3, code = lead & 0x0F, min = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        len = 4, code = lead & 0x07, min = 0x10000;
    } else {
        return 0;
    }
    if (i + len > text.size())
        return 0;
    for (std::size_t k = 1; k < len; ++k) {
        const auto c = static_cast<unsigned char>(text[i + k]);
        if ((c & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (c & 0x3F);
    }
    if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return 0;
    return len;
}

} // namespace

std::string BytesToText(const std::uint8_t* bytes, std::size_t count) {
    std::string text;
    text.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint8_t b = bytes[i];
        if (b < 0x80) {
            text += static_cast<char>(b);
        } else {
            text += static_cast<char>(0xC0 | (b >> 6));
            text += static_cast<char>(0x80 | (b & 0x3F));
        }
    }
    return text;
}

std::vector<std::uint8_t> TextToBytes(std::string_view text) {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        char32_t code;
        std::size_t len = DecodeOne(text, i, code);
        if (len == 0) {
            code = static_cast<unsigned char>(text[i]);
            len = 1;
        }
        bytes.push_back(static_cast<std::uint8_t>(code & 0xFF));
        i += len;
    }
    return bytes;
}

} // namespace zt
