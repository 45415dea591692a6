#include "platform/IIniFile.h"

#include <charconv>

namespace zt {

namespace {

std::string_view Trimmed(std::string_view s) {
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

} // namespace

int IIniFile::ReadInteger(const std::string& path, const std::string& section,
                          const std::string& key, int def) {
    const std::string stored = ReadString(path, section, key, "");
    std::string_view text = Trimmed(stored);
    // from_chars takes no plus sign; a sign after it ("+-1") stays an error.
    if (text.size() > 1 && text.front() == '+' && text[1] != '-')
        text.remove_prefix(1);
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size())
        return def;
    return value;
}

} // namespace zt
