#pragma once

#include <algorithm>
#include <cctype>
#include <string>

namespace zt {

// Orders ASCII text ignoring case, as the registry and INI files match names.
struct CaseInsensitiveLess {
    bool operator()(const std::string& a, const std::string& b) const {
        return std::lexicographical_compare(
            a.begin(), a.end(), b.begin(), b.end(),
            [](unsigned char x, unsigned char y) { return std::tolower(x) < std::tolower(y); });
    }
};

inline bool EqualIgnoringCase(const std::string& a, const std::string& b) {
    return !CaseInsensitiveLess{}(a, b) && !CaseInsensitiveLess{}(b, a);
}

} // namespace zt
