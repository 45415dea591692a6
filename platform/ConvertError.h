// The one conversion error of every layer: text that should be a number, date or time.
#pragma once

#include <stdexcept>
#include <string>

namespace zt {

class EConvertError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace zt
