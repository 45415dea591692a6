#include "platform/win32/Utf16.h"
#include "tests/fakes/FakeMessageBox.h"
#include "ui/Action.h"
#include "ui/Application.h"
#include "ui/Button.h"
#include "ui/CheckBox.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/Form.h"
#include "ui/Label.h"
#include "ui/PageControl.h"
#include "ui/Panel.h"
#include "ui/PopupMenu.h"
#include "ui/RadioGroup.h"
#include "ui/SpeedButton.h"
#include "ui/Timer.h"
#include "ui/win32/Win32Host.h"
#include "ui/win32/Win32Peer.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>

namespace zt {
namespace {

using Texts = std::set<std::pair<std::string, std::string>>; // class name, text

BOOL CALLBACK CollectText(HWND window, LPARAM out) {
    wchar_t cls[64];
    GetClassNameW(window, cls, 64);
    wchar_t text[256];
    SendMessageW(window, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text));
    reinterpret_cast<Texts*>(out)->insert({ToUtf8(cls), ToUtf8(text)});
    return TRUE;
}

Texts ChildTexts(WindowHandle form) {
    Texts texts;
    EnumChildWindows(reinterpret_cast<HWND>(form), CollectText, reinterpret_cast<LPARAM>(&texts));
    return texts;
}

HWND ChildWithText(WindowHandle form, const std::string& text) {
    return FindWindowExW(reinterpret_cast<HWND>(form), nullptr, nullptr, ToUtf16(text).c_str());
}

// A strip like the main window: a black panel with labels, latching buttons, commands and
// a timer, plus a few inputs. A watchdog ends the loop should an expected event never come.
struct Strip : Form {
    explicit Strip(Application& app) : Form(app) {
        SetCaption("Zenitrack on CALSAT32");
        SetBorderStyle(BorderStyle::ThinLine);
        SetBounds(40, 40, 0, 90);
        SetClientWidth(636);
        panel.SetBounds(0, 0, 636, 88);
        panel.SetColor(clBlack);
        panel.SetBevels(Bevel::None, Bevel::None);
        panel.SetFont(Font{"MS UI Gothic", 17, clYellow});
        azimuth.SetAlignment(Alignment::Right);
        azimuth.SetBounds(60, 26, 34, 17);
        azimuth.SetCaption("123°");
        tracking.SetBounds(503, 23, 113, 38);
        tracking.SetCaption("&Tracking On");
        tracking.SetGroupIndex(2);
        tracking.SetDown(true);
        left.SetBounds(7, 3, 33, 33);
        left.SetGlyph(Glyph::ArrowLeft);
        left.SetGroupIndex(1);
        left.SetAllowAllUp(true);
        port.SetBounds(320, 5, 97, 23);
        port.SetItems({"COM1", "COM3"});
        port.SetText("COM3");
        interval.SetBounds(420, 5, 57, 23);
        interval.SetText("2000");
        parking.SetBounds(320, 65, 110, 17);
        parking.SetCaption("Go to Parking");
        rotator.SetBounds(130, 62, 180, 26);
        rotator.SetColumns(2);
        rotator.SetItems({"450°", "360°"});
        rotator.SetItemIndex(0);
        debug.shortCut = CtrlKey('D');
        debug.OnExecute = [this] { Close(); };
        watchdog.SetInterval(10000);
        watchdog.OnTimer = [this] {
            timedOut = true;
            Close();
        };
    }
    Panel panel{*this};
    Label azimuth{panel};
    SpeedButton tracking{panel};
    SpeedButton left{panel};
    ComboBox port{panel};
    Edit interval{panel};
    CheckBox parking{panel};
    RadioGroup rotator{panel};
    Action debug{*this};
    Timer watchdog{*this};
    bool timedOut = false;
};

struct Win32Ui : ::testing::Test {
    Win32Host host;
    FakeMessageBox messages;
    Application app{host, messages};
};

TEST_F(Win32Ui, ControlsAreRealWindowsThatReadBackTheirTexts) {
    auto strip = app.CreateForm<Strip>();
    strip->Show();
    const HWND window = reinterpret_cast<HWND>(strip->Handle());
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(WindowText(window), "Zenitrack on CALSAT32");
    RECT client, outer;
    GetClientRect(window, &client);
    GetWindowRect(window, &outer);
    EXPECT_EQ(client.right, 636);
    EXPECT_EQ(outer.bottom - outer.top, 90);
    EXPECT_EQ(outer.left, 40);

    const Texts texts = ChildTexts(strip->Handle());
    for (const auto& expected : Texts{{"Static", "123°"},
                                      {"Button", "&Tracking On"},
                                      {"ComboBox", "COM3"},
                                      {"Edit", "2000"},
                                      {"Button", "Go to Parking"},
                                      {"Button", "450°"},
                                      {"Button", "360°"}})
        EXPECT_TRUE(texts.count(expected)) << expected.first << " " << expected.second;

    // Later changes reach the windows; an autosized label keeps its right edge on screen.
    strip->azimuth.SetCaption("7°");
    strip->tracking.SetCaption("&Tracking Off");
    EXPECT_TRUE(ChildTexts(strip->Handle()).count({"Static", "7°"}));
    EXPECT_NE(ChildWithText(strip->panel.Handle(), "&Tracking Off"), nullptr);
    RECT label;
    const HWND labelWindow = reinterpret_cast<HWND>(strip->azimuth.Handle());
    GetWindowRect(labelWindow, &label);
    MapWindowPoints(HWND_DESKTOP, GetParent(labelWindow), reinterpret_cast<POINT*>(&label), 2);
    EXPECT_EQ(label.right, 94);
    EXPECT_GT(strip->azimuth.Width(), 0);
}

TEST_F(Win32Ui, ClicksKeysAndTicksComeThroughTheMessageLoop) {
    auto strip = app.CreateForm<Strip>();
    int clicks = 0, ticks = 0;
    Timer ticker{*strip};
    ticker.SetInterval(50);
    strip->left.OnClick = [&] {
        ++clicks;
        throw std::runtime_error("no link");
    };
    ticker.OnTimer = [&] {
        if (++ticks == 4) {
            ticker.SetEnabled(false);
            // A key with Ctrl held, as the keyboard would deliver it.
            BYTE keys[256];
            GetKeyboardState(keys);
            keys[VK_CONTROL] = 0x80;
            SetKeyboardState(keys);
            PostMessageW(reinterpret_cast<HWND>(strip->Handle()), WM_KEYDOWN, 'D', 1);
        }
    };
    strip->Show();
    PostMessageW(reinterpret_cast<HWND>(strip->left.Handle()), BM_CLICK, 0, 0);
    const auto start = std::chrono::steady_clock::now();
    app.Run(*strip); // until Ctrl+D closes the strip
    const auto elapsed = std::chrono::steady_clock::now() - start;
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);

    EXPECT_FALSE(strip->timedOut);
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(strip->left.Down());
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"no link"});
    EXPECT_EQ(ticks, 4);
    EXPECT_GE(elapsed, std::chrono::milliseconds(150)); // four ticks of 50 ms
    EXPECT_FALSE(IsWindowVisible(reinterpret_cast<HWND>(strip->Handle())));
}

// What the open popup menu showed; then picks its first item from the keyboard.
struct MenuSeen {
    std::vector<std::string> items;
    std::vector<bool> grayed;
} menuSeen;

BOOL CALLBACK PickFirstItem(HWND window, LPARAM) {
    wchar_t cls[16];
    GetClassNameW(window, cls, 16);
    if (std::wstring(cls) != L"#32768" || !IsWindowVisible(window))
        return TRUE;
    const HMENU menu = reinterpret_cast<HMENU>(SendMessageW(window, MN_GETHMENU, 0, 0));
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        wchar_t text[64] = {};
        GetMenuStringW(menu, static_cast<UINT>(i), text, 64, MF_BYPOSITION);
        menuSeen.items.push_back(ToUtf8(text));
        menuSeen.grayed.push_back(
            (GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & MF_GRAYED) != 0);
    }
    PostMessageW(window, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageW(window, WM_KEYDOWN, VK_RETURN, 0);
    return FALSE;
}

void CALLBACK LookForMenu(HWND, UINT, UINT_PTR timer, DWORD) {
    if (menuSeen.items.empty())
        EnumThreadWindows(GetCurrentThreadId(), PickFirstItem, 0);
    if (!menuSeen.items.empty())
        KillTimer(nullptr, timer);
}

TEST_F(Win32Ui, ARightClickOnThePanelOpensItsMenuOfCommands) {
    auto strip = app.CreateForm<Strip>();
    Action options{*strip}, terminal{*strip};
    options.caption = "Options";
    options.shortCut = CtrlKey('Z');
    bool optionsRan = false;
    options.OnExecute = [&] {
        optionsRan = true;
        strip->Close();
    };
    terminal.caption = "Terminal";
    terminal.shortCut = CtrlKey('T');
    terminal.enabled = false;
    PopupMenu menu;
    menu.Add(options);
    menu.Add(terminal);
    menu.AddSeparator();
    menu.Add(strip->debug);
    strip->debug.visible = false;
    strip->panel.SetPopupMenu(&menu);
    strip->Show();
    SetTimer(nullptr, 0, 100, LookForMenu);
    PostMessageW(reinterpret_cast<HWND>(strip->panel.Handle()), WM_CONTEXTMENU,
                 reinterpret_cast<WPARAM>(strip->panel.Handle()), MAKELPARAM(100, 60));
    app.Run(*strip);
    EXPECT_FALSE(strip->timedOut);
    EXPECT_TRUE(optionsRan);
    EXPECT_EQ(menuSeen.items,
              (std::vector<std::string>{"Options\tCtrl+Z", "Terminal\tCtrl+T", ""}));
    ASSERT_EQ(menuSeen.grayed.size(), 3u);
    EXPECT_FALSE(menuSeen.grayed[0]);
    EXPECT_TRUE(menuSeen.grayed[1]); // the disabled command
}

struct Dialog : Form {
    explicit Dialog(Application& app) : Form(app) {
        SetCaption("Options");
        SetBorderStyle(BorderStyle::Dialog);
        SetCaptionButtons(false);
        SetPosition(FormPosition::ScreenCenter);
        SetBounds(0, 0, 0, 0);
        SetClientWidth(351);
        SetClientHeight(248);
        ok.SetBounds(8, 168, 57, 33);
        ok.SetCaption("Ok");
        ok.SetDefault(true);
        ok.SetModalResult(ModalResult::Ok);
        OnActivate = [this] {
            ownerEnabled = IsWindowEnabled(GetWindow(reinterpret_cast<HWND>(Handle()), GW_OWNER));
            PostMessageW(reinterpret_cast<HWND>(ok.Handle()), BM_CLICK, 0, 0);
        };
    }
    Button ok{*this};
    int ownerEnabled = -1;
};

TEST_F(Win32Ui, AModalDialogDisablesItsOwnerUntilLeft) {
    auto strip = app.CreateForm<Strip>();
    strip->Show();
    auto dialog = app.CreateForm<Dialog>();
    ModalResult result = ModalResult::None;
    strip->debug.OnExecute = [&] {
        result = dialog->ShowModal();
        strip->Close();
    };
    strip->debug.Execute();
    EXPECT_EQ(result, ModalResult::Ok);
    EXPECT_EQ(dialog->ownerEnabled, 0);
    EXPECT_TRUE(IsWindowEnabled(reinterpret_cast<HWND>(strip->Handle())));
    const Size screen = host.ScreenSize();
    EXPECT_EQ(dialog->Left(), (screen.width - dialog->Width()) / 2);
    RECT client;
    GetClientRect(reinterpret_cast<HWND>(dialog->Handle()), &client);
    EXPECT_EQ(client.right, 351);
    EXPECT_EQ(client.bottom, 248);
    const LONG_PTR style = GetWindowLongPtrW(reinterpret_cast<HWND>(dialog->Handle()), GWL_STYLE);
    EXPECT_TRUE(style & WS_CAPTION);
    EXPECT_FALSE(style & WS_SYSMENU);
}

} // namespace
} // namespace zt
