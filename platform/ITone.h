#pragma once

namespace zt {

// The tone generator. Returns when the tone has ended.
class ITone {
public:
    virtual ~ITone() = default;
    virtual void Beep(int frequencyHz, int durationMs) = 0;
};

} // namespace zt
