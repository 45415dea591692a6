#pragma once

#include "platform/IWindows.h"
#include "tests/fakes/CaseInsensitive.h"

#include <map>
#include <set>
#include <string>
#include <vector>

namespace zt {

// A desktop of windows held in memory. Handles start at 1.
class FakeWindows : public IWindows {
public:
    struct Window {
        WindowHandle parent = 0;
        std::string caption;
        std::string className;
        int id = 0;
        std::string text;
        WindowRect rect;
    };

    WindowHandle AddTopLevel(const std::string& caption, WindowRect rect = {}) {
        return Add({0, caption, "TopLevel", 0, caption, rect});
    }
    WindowHandle AddChild(WindowHandle parent, const std::string& className, int id,
                          const std::string& text = {}) {
        return Add({parent, {}, className, id, text, {}});
    }
    void Remove(WindowHandle window) { windows.erase(window); }

    WindowHandle FindTopLevel(const std::string& caption) override {
        for (const auto& [handle, w] : windows)
            if (w.parent == 0 && EqualIgnoringCase(w.caption, caption))
                return handle;
        return 0;
    }
    void EnumDescendants(WindowHandle parent,
                         const std::function<bool(WindowHandle)>& visit) override {
        Visit(parent, visit);
    }
    std::string ClassName(WindowHandle window) override {
        return Find(window).className.substr(0, 255);
    }
    int ControlId(WindowHandle window) override { return Find(window).id; }
    std::string Text(WindowHandle window, int maxChars) override {
        return AnsweredText(window, maxChars).value_or(std::string());
    }
    std::optional<std::string> AnsweredText(WindowHandle window, int maxChars) override {
        ++textRequests;
        if (busy.count(window))
            return std::nullopt;
        return Find(window).text.substr(0, static_cast<size_t>(maxChars));
    }
    bool OnSomeScreen(const WindowRect& r) override {
        for (const WindowRect& s : screens)
            if (r.Left < s.Right && s.Left < r.Right && r.Top < s.Bottom && s.Top < r.Bottom)
                return true;
        return false;
    }
    std::optional<WindowRect> ScreenRect(WindowHandle window) override {
        if (!windows.count(window))
            return std::nullopt;
        return windows[window].rect;
    }
    WindowHandle Foreground() override { return foreground; }
    bool SetForeground(WindowHandle window) override {
        if (!windows.count(window))
            return false;
        foreground = window;
        return true;
    }

    std::map<WindowHandle, Window> windows;
    WindowHandle foreground = 0;
    int textRequests = 0;
    // Windows whose program does not answer in time: their text reads as no answer.
    std::set<WindowHandle> busy;
    std::vector<WindowRect> screens{{0, 0, 1280, 1024}};

private:
    WindowHandle Add(Window w) {
        windows[next] = std::move(w);
        return next++;
    }
    const Window& Find(WindowHandle window) {
        static const Window none;
        const auto it = windows.find(window);
        return it == windows.end() ? none : it->second;
    }
    // Depth first, parents before their children; false once visit asked to stop.
    bool Visit(WindowHandle parent, const std::function<bool(WindowHandle)>& visit) {
        for (const auto& [handle, w] : windows)
            if (w.parent == parent && parent != 0 && (!visit(handle) || !Visit(handle, visit)))
                return false;
        return true;
    }
    WindowHandle next = 1;
};

} // namespace zt
