#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace zt::sim {

// The stand-in's main window "CALSAT32(SGP)": a status line, and one level down in a
// frame the pass table, a text box of class "ThunderRT6TextBox" with control id 84.
class SimWindow {
public:
    // tick runs every periodMs on the window's thread.
    SimWindow(HINSTANCE instance, std::function<void()> tick, UINT periodMs);
    SimWindow(const SimWindow&) = delete;
    SimWindow& operator=(const SimWindow&) = delete;

    void SetPassTable(const std::string& text);
    void SetStatus(const std::string& text);
    void Close();
    // Runs the message loop until the window is gone; returns the exit code.
    int Run();

private:
    static LRESULT CALLBACK MainProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    static LRESULT CALLBACK TextBoxProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

    std::function<void()> Tick;
    HWND Main = nullptr;
    HWND Status = nullptr;
    HWND PassTable = nullptr;
    std::string ShownTable;
};

} // namespace zt::sim
