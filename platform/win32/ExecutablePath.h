#pragma once

#include <string>

namespace zt {

// Full path of the running executable.
std::string ExecutablePath();

} // namespace zt
