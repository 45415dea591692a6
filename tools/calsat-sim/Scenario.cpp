#include "tools/calsat-sim/Scenario.h"

#include "platform/LocaleFormats.h"

#include <charconv>
#include <sstream>
#include <stdexcept>

namespace zt::sim {

namespace {

std::vector<std::string> Words(std::string_view line) {
    std::istringstream in{std::string(line)};
    std::vector<std::string> words;
    for (std::string w; in >> w;)
        words.push_back(w);
    return words;
}

template <typename T> T Parse(const std::string& word, const char* what) {
    T value{};
    const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (ec != std::errc() || end != word.data() + word.size())
        throw std::runtime_error(what + word);
    return value;
}

double Number(const std::string& word) {
    return Parse<double>(word, "not a number: ");
}

int Integer(const std::string& word) {
    return Parse<int>(word, "not a whole number: ");
}

void ExpectCount(const std::vector<std::string>& w, size_t min, size_t max) {
    if (w.size() < min || w.size() > max)
        throw std::runtime_error("wrong number of words after " + w.front());
}

std::string RestAfterKeyword(std::string_view line) {
    const auto start = line.find_first_not_of(" \t", line.find_first_of(" \t"));
    const auto end = line.find_last_not_of(" \t\r");
    if (start == std::string_view::npos || end < start)
        throw std::runtime_error("missing value");
    return std::string(line.substr(start, end - start + 1));
}

void ParseLine(std::string_view line, Scenario& s) {
    const auto w = Words(line);
    const std::string& key = w.front();
    if (key == "satellite") {
        s.Satellite = RestAfterKeyword(line);
    } else if (key == "start") {
        s.Start = ParseUtc(RestAfterKeyword(line));
    } else if (key == "revolution") {
        ExpectCount(w, 2, 2);
        s.Revolution = Integer(w[1]);
    } else if (key == "timeoffset") {
        ExpectCount(w, 2, 2);
        s.TimeOffset = Integer(w[1]);
    } else if (key == "chrlst") {
        ExpectCount(w, 2, 2);
        s.ChrLst = w[1];
    } else if (key == "rows") {
        ExpectCount(w, 2, 2);
        s.Rows = Integer(w[1]);
    } else if (key == "observer") {
        ExpectCount(w, 3, 3);
        s.Site = {Number(w[1]), Number(w[2])};
    } else if (key == "orbit") {
        ExpectCount(w, 4, 5);
        s.Orbit = {Number(w[1]), Number(w[2]), Number(w[3]), w.size() > 4 ? Number(w[4]) : 0};
        if (s.Orbit->Altitude <= 0)
            throw std::runtime_error("the altitude must be above 0");
    } else if (key == "point") {
        ExpectCount(w, 4, 4);
        const ScriptPoint p{Number(w[1]), Number(w[2]), Number(w[3])};
        if (!s.Points.empty() && p.Seconds <= s.Points.back().Seconds)
            throw std::runtime_error("points must be in time order");
        s.Points.push_back(p);
    } else if (key == "change") {
        if (w.size() < 7)
            throw std::runtime_error("change needs SECONDS INCLINATION ALTITUDE PHASE NODE NAME");
        std::string name;
        for (size_t i = 6; i < w.size(); ++i)
            name += (name.empty() ? "" : " ") + w[i];
        s.Change = SatelliteChange{
            Number(w[1]), name, {Number(w[2]), Number(w[3]), Number(w[4]), Number(w[5])}};
        if (s.Change->Orbit.Altitude <= 0)
            throw std::runtime_error("the altitude must be above 0");
    } else if (key == "fault") {
        s.Faults.push_back(ParseFault(RestAfterKeyword(line)));
    } else {
        throw std::runtime_error("unknown keyword " + key);
    }
}

} // namespace

Scenario ParseScenario(std::string_view text) {
    Scenario s;
    int number = 0;
    for (size_t pos = 0; pos <= text.size();) {
        const size_t end = std::min(text.find('\n', pos), text.size());
        std::string_view line = text.substr(pos, end - pos);
        line = line.substr(0, line.find('#'));
        pos = end + 1;
        ++number;
        if (Words(line).empty())
            continue;
        try {
            ParseLine(line, s);
        } catch (const std::exception& e) {
            throw std::runtime_error("line " + std::to_string(number) + ": " + e.what());
        }
    }
    if (s.Orbit.has_value() == !s.Points.empty())
        throw std::runtime_error("a scenario needs either an orbit or scripted points");
    if (s.Change && !s.Orbit)
        throw std::runtime_error("a satellite change needs an orbit");
    return s;
}

Fault ParseFault(std::string_view text) {
    const auto w = Words(text);
    if (w.empty())
        throw std::runtime_error("empty fault");
    Fault f;
    if (w[0] == "delete") {
        ExpectCount(w, 3, 4);
        f = {Fault::DeleteValue, w[1], "", Number(w[2])};
        if (w.size() > 3)
            f.Until = Number(w[3]);
    } else if (w[0] == "text") {
        ExpectCount(w, 4, 5);
        f = {Fault::WriteText, w[1], w[2], Number(w[3])};
        if (w.size() > 4)
            f.Until = Number(w[4]);
    } else if (w[0] == "close") {
        ExpectCount(w, 2, 2);
        f = {Fault::CloseWindow, "", "", Number(w[1])};
    } else if (w[0] == "hang") {
        ExpectCount(w, 3, 3);
        f = {Fault::Hang, "", "", Number(w[1])};
        f.HangSeconds = Number(w[2]);
        if (f.HangSeconds <= 0)
            throw std::runtime_error("a hang lasts more than 0 seconds");
    } else {
        throw std::runtime_error("unknown fault " + w[0]);
    }
    return f;
}

TDateTime ParseUtc(std::string_view text) {
    int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0;
    char sep = 0;
    const std::string t(text);
    if (std::sscanf(t.c_str(), "%4d-%2d-%2d%c%2d:%2d:%2d", &y, &mo, &d, &sep, &h, &mi, &s) != 7 ||
        (sep != ' ' && sep != 'T'))
        throw std::runtime_error("not a UTC time (YYYY-MM-DD HH:MM:SS): " + t);
    try {
        return CombineDateTime(EncodeDate(y, mo, d), EncodeTime(h, mi, s));
    } catch (const EConvertError&) {
        throw std::runtime_error("not a UTC time (YYYY-MM-DD HH:MM:SS): " + t);
    }
}

} // namespace zt::sim
