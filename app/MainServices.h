// What the main window is given: the platform services it and its controller use.
#pragma once

#include "app/IMainDialogs.h"
#include "app/uRoutine.h"
#include "platform/IFileSystem.h"
#include "platform/IIniFile.h"
#include "platform/IRegistry.h"
#include "platform/ISerialDevice.h"
#include "platform/ITone.h"
#include "platform/IUiThread.h"
#include "platform/IWindows.h"
#include "platform/LocaleFormats.h"

#include <string>

namespace zt {

struct TMainServices {
    IRegistry& Registry;
    IWindows& Windows;
    IFileSystem& Files;
    IIniFile& Ini;
    ITone& Tone;
    ISerialDevice& SerialDevice;
    IUiThread& UiThread;
    IMainDialogs& Dialogs;
    LocaleFormats Formats;
    // The running executable; the settings file lies beside it.
    std::string ExecutablePath;
    // The clock of the controller's parking wait.
    MonotonicNow Now = std::chrono::steady_clock::now;
};

} // namespace zt
