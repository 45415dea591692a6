// Frames the byte stream into commands: each ends with CR; LF is ignored.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zt::gs232sim {

class LineSplitter {
public:
    // Bytes beyond this without a CR are dropped, so noise on the line cannot grow memory.
    static constexpr size_t MaxLine = 64;
    std::vector<std::string> Feed(std::string_view bytes);

private:
    std::string FPending;
};

} // namespace zt::gs232sim
