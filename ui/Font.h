#pragma once

#include "ui/Color.h"

#include <string>

namespace zt {

struct Font {
    std::string name = "MS UI Gothic";
    int height = 15; // character height in pixels
    Color color = clBlack;
    bool bold = false;
    friend bool operator==(const Font&, const Font&) = default;
};

} // namespace zt
