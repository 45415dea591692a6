#include "app/BeepTable.h"

#include <charconv>
#include <optional>

namespace zt {
namespace {

bool IsBlank(char c) {
    return c >= 1 && c <= ' ';
}

// A double-quoted item; a doubled quote inside stands for one.
std::string TakeQuoted(std::string_view text, size_t& i) {
    std::string item;
    for (++i; i < text.size(); ++i) {
        if (text[i] == '"') {
            if (i + 1 < text.size() && text[i + 1] == '"')
                ++i;
            else {
                ++i;
                break;
            }
        }
        item += text[i];
    }
    return item;
}

std::optional<int> ToInt(std::string_view item) {
    if (!item.empty() && item.front() == '+')
        item.remove_prefix(1);
    int value = 0;
    const auto [end, ec] = std::from_chars(item.data(), item.data() + item.size(), value);
    if (item.empty() || ec != std::errc() || end != item.data() + item.size())
        return std::nullopt;
    return value;
}

} // namespace

std::vector<std::string> SplitCommaText(std::string_view text) {
    std::vector<std::string> items;
    size_t i = 0;
    auto skipBlanks = [&] {
        while (i < text.size() && IsBlank(text[i]))
            ++i;
    };
    skipBlanks();
    while (i < text.size()) {
        if (text[i] == '"')
            items.push_back(TakeQuoted(text, i));
        else {
            const size_t start = i;
            while (i < text.size() && !IsBlank(text[i]) && text[i] != ',')
                ++i;
            items.emplace_back(text.substr(start, i - start));
        }
        skipBlanks();
        if (i < text.size() && text[i] == ',') {
            ++i;
            if (i == text.size())
                items.emplace_back();
            skipBlanks();
        }
    }
    return items;
}

TBeepTable ParseBeepTable(std::string_view text) {
    const auto items = SplitCommaText(std::string(text) + ",0,0,0,0,0,0");
    TBeepTable table{};
    // An unclosed quote swallows the padding too.
    for (size_t i = 0; i < table.size() && i < items.size(); ++i)
        table[i] = ToInt(items[i]).value_or(DefaultBeepTable[i]);
    return table;
}

std::string FormatBeepTable(const TBeepTable& table) {
    std::string text;
    for (const int value : table) {
        if (!text.empty())
            text += ',';
        text += std::to_string(value);
    }
    return text;
}

} // namespace zt
