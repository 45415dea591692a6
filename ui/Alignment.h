#pragma once

namespace zt {

enum class Alignment { Left, Right, Center };

} // namespace zt
