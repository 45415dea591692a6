// zt-drive: drives other programs' windows for end-to-end tests: finds them, reads their
// controls' texts, moves them and types keys into them.
#include "platform/win32/Utf16.h"

#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <string>
#include <vector>

using namespace zt;

namespace {

constexpr const char* Usage =
    R"(Usage: zt-drive COMMAND CAPTION [ARGS]
  wait CAPTION MS        wait until the top-level window exists (exit 1 on timeout)
  gone CAPTION MS        wait until it no longer exists (exit 1 on timeout)
  rect CAPTION           print its screen rectangle: left top right bottom
  texts CAPTION          print each descendant: class, id and text, tab-separated
  move CAPTION X Y       move it (its size stays)
  keys CAPTION KEY...    bring it to the front and type each KEY, e.g. ctrl+T alt+T T esc
  front CAPTION          exit 0 when it is the foreground window
  windows                print each visible top-level window: class and caption
  click CAPTION ID       click the middle of its descendant with control id ID
  controls CAPTION       print each descendant: class, id, kind, visible (1/0), screen
                         rectangle (left top right bottom) and text, tab-separated; kind is
                         a button's (push, default, check, radio, group, owner-drawn) or "-"
  clickat CAPTION X Y    bring it to the front and click the screen point X Y
)";

HWND Find(const std::string& caption) {
    return FindWindowW(nullptr, ToUtf16(caption).c_str());
}

bool WaitFor(const std::string& caption, int ms, bool present) {
    for (DWORD start = GetTickCount();; Sleep(50)) {
        if ((Find(caption) != nullptr) == present)
            return true;
        if (GetTickCount() - start > static_cast<DWORD>(ms))
            return false;
    }
}

std::string TextOf(HWND w) {
    wchar_t text[1025] = {};
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(w, WM_GETTEXT, 1025, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000,
                        &ignored);
    return ToUtf8(text);
}

BOOL CALLBACK PrintChild(HWND w, LPARAM) {
    wchar_t cls[256] = {};
    GetClassNameW(w, cls, 256);
    std::printf("%s\t%d\t%s\n", ToUtf8(cls).c_str(), GetDlgCtrlID(w), TextOf(w).c_str());
    return TRUE;
}

BOOL CALLBACK PrintTopLevel(HWND w, LPARAM) {
    if (!IsWindowVisible(w))
        return TRUE;
    wchar_t cls[256] = {};
    GetClassNameW(w, cls, 256);
    std::printf("%s\t%s\n", ToUtf8(cls).c_str(), TextOf(w).c_str());
    return TRUE;
}

const char* ButtonKind(HWND w) {
    switch (GetWindowLongPtrW(w, GWL_STYLE) & BS_TYPEMASK) {
    case BS_PUSHBUTTON:
        return "push";
    case BS_DEFPUSHBUTTON:
        return "default";
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_3STATE:
    case BS_AUTO3STATE:
        return "check";
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
        return "radio";
    case BS_GROUPBOX:
        return "group";
    case BS_OWNERDRAW:
        return "owner-drawn";
    default:
        return "other";
    }
}

BOOL CALLBACK PrintControl(HWND w, LPARAM) {
    wchar_t cls[256] = {};
    GetClassNameW(w, cls, 256);
    RECT r;
    GetWindowRect(w, &r);
    const bool button = lstrcmpiW(cls, L"BUTTON") == 0;
    std::printf("%s\t%d\t%s\t%d\t%ld\t%ld\t%ld\t%ld\t%s\n", ToUtf8(cls).c_str(), GetDlgCtrlID(w),
                button ? ButtonKind(w) : "-", IsWindowVisible(w) ? 1 : 0, r.left, r.top, r.right,
                r.bottom, TextOf(w).c_str());
    return TRUE;
}

struct Search {
    int Id;
    HWND Found;
};

BOOL CALLBACK MatchId(HWND w, LPARAM p) {
    auto* s = reinterpret_cast<Search*>(p);
    if (GetDlgCtrlID(w) != s->Id)
        return TRUE;
    s->Found = w;
    return FALSE;
}

HWND FindDescendant(HWND parent, int id) {
    Search s{id, nullptr};
    EnumChildWindows(parent, MatchId, reinterpret_cast<LPARAM>(&s));
    return s.Found;
}

// A real mouse click, so it takes the same road as a user's.
void ClickAt(int x, int y) {
    SetCursorPos(x, y);
    Sleep(50);
    INPUT in[2]{};
    in[0].type = in[1].type = INPUT_MOUSE;
    in[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    in[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, in, sizeof(INPUT));
    Sleep(150);
}

void Click(HWND w) {
    RECT r;
    GetWindowRect(w, &r);
    ClickAt((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

void Press(WORD vk, bool up, std::vector<INPUT>& inputs) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    inputs.push_back(in);
}

// "ctrl+shift+L": modifiers down, the key, modifiers up.
bool Type(const std::string& keys) {
    std::vector<WORD> modifiers;
    std::string rest = keys;
    for (size_t plus; (plus = rest.find('+')) != std::string::npos && plus + 1 < rest.size();) {
        const std::string m = rest.substr(0, plus);
        rest = rest.substr(plus + 1);
        if (m == "ctrl")
            modifiers.push_back(VK_CONTROL);
        else if (m == "shift")
            modifiers.push_back(VK_SHIFT);
        else if (m == "alt")
            modifiers.push_back(VK_MENU);
        else
            return false;
    }
    WORD key = 0;
    if (rest == "enter")
        key = VK_RETURN;
    else if (rest == "esc")
        key = VK_ESCAPE;
    else if (rest.size() == 1)
        key = static_cast<WORD>(toupper(static_cast<unsigned char>(rest[0])));
    else
        return false;
    std::vector<INPUT> inputs;
    for (WORD m : modifiers)
        Press(m, false, inputs);
    Press(key, false, inputs);
    Press(key, true, inputs);
    for (auto m = modifiers.rbegin(); m != modifiers.rend(); ++m)
        Press(*m, true, inputs);
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    Sleep(150);
    return true;
}

int Run(const std::vector<std::string>& a) {
    if (a.size() == 1 && a[0] == "windows") {
        EnumWindows(PrintTopLevel, 0);
        return 0;
    }
    if (a.size() < 2) {
        std::fputs(Usage, stderr);
        return 2;
    }
    const std::string& command = a[0];
    const std::string& caption = a[1];
    if (command == "wait" && a.size() == 3)
        return WaitFor(caption, std::stoi(a[2]), true) ? 0 : 1;
    if (command == "gone" && a.size() == 3)
        return WaitFor(caption, std::stoi(a[2]), false) ? 0 : 1;
    const HWND w = Find(caption);
    if (!w) {
        std::fprintf(stderr, "zt-drive: no window \"%s\"\n", caption.c_str());
        return 1;
    }
    if (command == "rect") {
        RECT r;
        GetWindowRect(w, &r);
        std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right, r.bottom);
        return 0;
    }
    if (command == "texts") {
        EnumChildWindows(w, PrintChild, 0);
        return 0;
    }
    if (command == "move" && a.size() == 4) {
        SetWindowPos(w, nullptr, std::stoi(a[2]), std::stoi(a[3]), 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    }
    if (command == "click" && a.size() == 3) {
        const HWND child = FindDescendant(w, std::stoi(a[2]));
        if (!child) {
            std::fprintf(stderr, "zt-drive: no control %s\n", a[2].c_str());
            return 1;
        }
        SetForegroundWindow(w);
        Sleep(300);
        Click(child);
        return 0;
    }
    if (command == "controls") {
        EnumChildWindows(w, PrintControl, 0);
        return 0;
    }
    if (command == "clickat" && a.size() == 4) {
        SetForegroundWindow(w);
        Sleep(300);
        ClickAt(std::stoi(a[2]), std::stoi(a[3]));
        return 0;
    }
    if (command == "front")
        return GetForegroundWindow() == w ? 0 : 1;
    if (command == "keys" && a.size() >= 3) {
        SetForegroundWindow(w);
        Sleep(300);
        for (size_t i = 2; i < a.size(); ++i)
            if (!Type(a[i])) {
                std::fprintf(stderr, "zt-drive: bad key \"%s\"\n", a[i].c_str());
                return 2;
            }
        return 0;
    }
    std::fputs(Usage, stderr);
    return 2;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    _setmode(_fileno(stdout), _O_BINARY);
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i)
        args.push_back(ToUtf8(argv[i]));
    try {
        return Run(args);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "zt-drive: %s\n", e.what());
        return 2;
    }
}
