#include "calsat/PassTable.h"

namespace zt {

namespace {

constexpr size_t WordsPerRow = 11;

enum Word : size_t {
    wDate = 0,
    wAos = 1,
    wAosAz = 2,
    wMax = 4,
    wMaxEl = 5,
    wMaxAz = 6,
    wLos = 7,
    wLosAz = 8
};

bool IsSeparator(char c) {
    return c >= 1 && c <= 32;
}

} // namespace

std::vector<std::string> SplitPassTableWords(std::string_view text) {
    std::vector<std::string> words;
    size_t i = 0;
    while (true) {
        while (i < text.size() && IsSeparator(text[i]))
            ++i;
        if (i == text.size())
            return words;
        if (text[i] == '"') {
            const size_t close = text.find('"', i + 1);
            const size_t end = close == std::string_view::npos ? text.size() : close;
            words.emplace_back(text.substr(i + 1, end - i - 1));
            i = close == std::string_view::npos ? text.size() : close + 1;
        } else {
            const size_t start = i;
            while (i < text.size() && !IsSeparator(text[i]))
                ++i;
            words.emplace_back(text.substr(start, i - start));
        }
    }
}

void ChoosePass(std::string_view text, TDateTime Now, double timeOffset, const LocaleFormats& fmt,
                TVisibleTime& VisibleTime) {
    const std::vector<std::string> words = SplitPassTableWords(text);
    if (words.empty()) {
        VisibleTime.AosDateTime = VisibleTime.MaxDateTime = VisibleTime.LosDateTime = Now;
        return;
    }
    const size_t rows = words.size() / WordsPerRow;
    if (rows == 0)
        return;
    const auto word = [&](size_t row, Word w) -> const std::string& {
        return words[row * WordsPerRow + w];
    };
    // Every time of a row takes the row's date, even when the pass runs over midnight.
    const auto time = [&](size_t row, Word w) {
        return ParseDateTime(word(row, wDate) + " " + word(row, w), fmt) - timeOffset;
    };
    size_t row = 0;
    TDateTime los = time(0, wLos);
    while (los < Now && row + 1 < rows)
        los = time(++row, wLos);
    TVisibleTime pass;
    pass.LosDateTime = los;
    pass.AosDateTime = time(row, wAos);
    pass.MaxDateTime = time(row, wMax);
    pass.AosAz = ParseFloat(word(row, wAosAz), fmt);
    pass.MaxEl = ParseFloat(word(row, wMaxEl), fmt);
    pass.MaxAz = ParseFloat(word(row, wMaxAz), fmt);
    pass.LosAz = ParseFloat(word(row, wLosAz), fmt);
    VisibleTime = pass;
}

} // namespace zt
