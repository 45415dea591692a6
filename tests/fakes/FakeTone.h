#pragma once

#include "platform/ITone.h"

#include <vector>

namespace zt {

// Records every tone instead of sounding it.
class FakeTone : public ITone {
public:
    struct Tone {
        int frequencyHz;
        int durationMs;
        bool operator==(const Tone&) const = default;
    };
    void Beep(int frequencyHz, int durationMs) override {
        tones.push_back({frequencyHz, durationMs});
    }
    std::vector<Tone> tones;
};

} // namespace zt
