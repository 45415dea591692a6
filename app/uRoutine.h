// Small routines over platform services, shared by several units.
#pragma once

#include "platform/IUiThread.h"
#include "platform/IVersionInfo.h"
#include "platform/IWindows.h"

#include <array>
#include <chrono>
#include <functional>
#include <string>
#include <string_view>

namespace zt {

using MonotonicNow = std::function<std::chrono::steady_clock::time_point()>;

// Waits until the clock has advanced by ms while the UI thread keeps handling its messages,
// so timer ticks and clicks run during the wait. Returns early only when the UI thread is
// quitting.
void DelayMs(IUiThread& ui, int ms, const MonotonicNow& now = std::chrono::steady_clock::now);

// Names of the version resource's strings, as GetVersionInfo indexes them.
inline constexpr std::array<std::string_view, 12> VersionInfoKeys{
    "Comments",     "CompanyName",    "FileDescription", "FileVersion",
    "InternalName", "LegalCopyright", "LegalTrademarks", "OriginalFilename",
    "PrivateBuild", "ProductName",    "ProductVersion",  "SpecialBuild"};

// Copies the string VersionInfoKeys[Index] of FileName's version resource (first
// translation) into Value; leaves Value unchanged when the file or the string is missing.
// Throws std::runtime_error when the resource has no translation table.
void GetVersionInfo(IVersionInfo& info, const std::string& FileName, int Index, std::string& Value);

// CALSAT32's pass table: the text box of this class and control id, read in one request of
// at most PassTableMaxChars characters.
inline constexpr const char* PassTableClass = "ThunderRT6TextBox";
inline constexpr int PassTableId = 84;
inline constexpr int PassTableMaxChars = 1024;

// Context of the search for the pass table among a window's descendants.
struct TTextBoxSearch {
    IWindows& Windows;
    // Receives the text of the pass table when it is found and answers.
    std::string& Text;
    bool Found = false;
    // The text box did not answer in time (CALSAT32 busy); Text is left as it was.
    bool Unanswered = false;
};

// Child-window enumeration callback: at the pass-table text box, takes its text and returns
// false (stop); for every other window returns true (go on).
bool EnumTextBoxProc(WindowHandle hwnd, TTextBoxSearch& context);

} // namespace zt
