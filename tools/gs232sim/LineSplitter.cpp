#include "LineSplitter.h"

namespace zt::gs232sim {

std::vector<std::string> LineSplitter::Feed(std::string_view bytes) {
    std::vector<std::string> lines;
    for (char c : bytes) {
        if (c == '\r') {
            lines.push_back(std::move(FPending));
            FPending.clear();
        } else if (c != '\n' && FPending.size() < MaxLine) {
            FPending += c;
        }
    }
    return lines;
}

} // namespace zt::gs232sim
