#include "platform/win32/Win32Tone.h"

#include <windows.h>

namespace zt {

void Win32Tone::Beep(int frequencyHz, int durationMs) {
    if (durationMs <= 0)
        return;
    // Beep refuses frequencies outside 37..32767 Hz (a zero entry of the beep table); the
    // silence still lasts, so the caller's timing does not depend on the table's content.
    if (frequencyHz < 37 || frequencyHz > 32767 ||
        !::Beep(static_cast<DWORD>(frequencyHz), static_cast<DWORD>(durationMs)))
        ::Sleep(static_cast<DWORD>(durationMs));
}

} // namespace zt
