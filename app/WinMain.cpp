// The program entry: one instance at a time, the Win32 services wired to the main window.
#include "app/MainDialogs.h"
#include "app/uMain.h"
#include "platform/win32/ExecutablePath.h"
#include "platform/win32/Win32FileDialog.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32IniFile.h"
#include "platform/win32/Win32Locale.h"
#include "platform/win32/Win32MessageBox.h"
#include "platform/win32/Win32NamedMutex.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32SerialDevice.h"
#include "platform/win32/Win32Tone.h"
#include "platform/win32/Win32UiThread.h"
#include "platform/win32/Win32VersionInfo.h"
#include "platform/win32/Win32Windows.h"
#include "ui/Application.h"
#include "ui/win32/Win32Host.h"

#include <windows.h>

#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    using namespace zt;
    // Held until the process ends; a second instance leaves silently.
    constexpr const char* MutexName = "MutexZenitrackEx";
    Win32NamedMutex instance(MutexName);
    if (const unsigned long error = instance.CreateError()) {
        // Not a second copy: ending silently would look like one.
        Win32MessageBox("Zenitrack")
            .Show(std::string(MutexName) + "を作成できません (エラー " + std::to_string(error) +
                      ")",
                  MessageKind::Error);
        return 1;
    }
    if (!instance.TryAcquire())
        return 0;

    Win32Host host;
    Win32MessageBox messages("Zenitrack");
    Application app(host, messages);
    Win32UiThread uiThread(messages);
    Win32Registry registry;
    Win32Windows windows;
    Win32FileSystem files;
    Win32IniFile ini;
    Win32Tone tone;
    Win32SerialDevice serial;
    Win32FileDialog fileDialog;
    Win32VersionInfo versionInfo;
    const LocaleFormats formats = ReadUserLocaleFormats();
    const std::string exe = ExecutablePath();

    TMainDialogs dialogs(TOptionsServices{registry, files, fileDialog, formats}, versionInfo, exe);
    auto main = app.CreateForm<TMain>(TMainServices{registry, windows, files, ini, tone, serial,
                                                    uiThread, dialogs, formats, exe});
    app.Run(*main);
    return 0;
}
