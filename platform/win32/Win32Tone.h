#pragma once

#include "platform/ITone.h"

namespace zt {

class Win32Tone : public ITone {
public:
    void Beep(int frequencyHz, int durationMs) override;
};

} // namespace zt
