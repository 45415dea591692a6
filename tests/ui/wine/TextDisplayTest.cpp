#include "platform/win32/Utf16.h"
#include "tests/fakes/FakeMessageBox.h"
#include "ui/Application.h"
#include "ui/Form.h"
#include "ui/Label.h"
#include "ui/Panel.h"
#include "ui/Picture.h"
#include "ui/win32/Win32Host.h"
#include "ui/win32/Win32Peer.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace zt {
namespace {

// Texts of the main window's strip: the focus lamp beside its first heading, the clock
// centred in its fixed width top right, the pass line along the bottom, and a label with a
// Japanese name.
struct StripText : Form {
    explicit StripText(Application& app) : Form(app) {
        SetBorderStyle(BorderStyle::ThinLine);
        SetFont(Font{"MS UI Gothic", 17, clYellow});
        SetBounds(40, 40, 0, 90);
        SetClientWidth(636);
        panel.SetBounds(0, 0, 636, 88);
        panel.SetColor(clBlack);
        panel.SetBevels(Bevel::None, Bevel::None);
        focus.SetBounds(15, 7, 25, 15);
        focus.SetShapes(
            {{Shape::Rectangle, 0, 0, 15, 15, clBlack}, {Shape::Disc, 2, 2, 11, 11, clGray}});
        focus.SetVisible(false);
        heading.SetFont(Font{"MS UI Gothic", 15, clWhite});
        heading.SetAlignment(Alignment::Right);
        heading.SetCaption("Satellite");
        heading.SetRightEdge(94);
        heading.SetTop(5);
        clock.SetFont(Font{"MS UI Gothic", 15, clYellow});
        clock.SetAutoSize(false);
        clock.SetAlignment(Alignment::Center);
        clock.SetBounds(480, 5, 148, 15);
        clock.SetCaption("05/01 21:10:05(JST)");
        const Font accent{"MS UI Gothic", 15, clFuchsia};
        pass.SetFont(accent);
        pass.SetBounds(122, 65, 0, 0);
        pass.SetCaption("(AOS) 21:10 Az=241    (MAX) 21:15 El=45 Az=322    (LOS) 21:20 Az= 44");
        name.SetFont(accent);
        name.SetBounds(16, 40, 0, 0);
        name.SetCaption("ひまわり国際");
    }
    Panel panel{*this};
    Picture focus{panel}; // above the heading, as made first
    Label heading{panel};
    Label clock{panel};
    Label pass{panel};
    Label name{panel};
};

struct TextDisplay : ::testing::Test {
    void SetUp() override {
        strip->Show();
        const HWND window = reinterpret_cast<HWND>(strip->Handle());
        RedrawWindow(window, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }

    Win32Host host;
    FakeMessageBox messages;
    Application app{host, messages};
    std::unique_ptr<StripText> strip = app.CreateForm<StripText>();
};

HWND WindowOf(const Control& control) {
    return reinterpret_cast<HWND>(control.Handle());
}

// What the label's own window shows its text in.
struct LabelFont {
    explicit LabelFont(HWND label) : window(label), dc(GetDC(label)) {
        old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0)));
    }
    ~LabelFont() {
        SelectObject(dc, old);
        ReleaseDC(window, dc);
    }
    SIZE Extent(const std::wstring& text) const {
        SIZE size{};
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
        return size;
    }
    std::wstring Face() const {
        wchar_t face[LF_FACESIZE] = {};
        GetTextFaceW(dc, LF_FACESIZE, face);
        return face;
    }
    HWND window;
    HDC dc;
    HGDIOBJ old;
};

TEST_F(TextDisplay, FallbackFaceFitsThePassLineAndShowsJapaneseInTheSameFace) {
    const HWND pass = WindowOf(strip->pass);
    const LabelFont font(pass);
    const SIZE extent = font.Extent(WindowTextW(pass));
    EXPECT_LE(122 + extent.cx, 636) << ToUtf8(font.Face());
    EXPECT_LE(strip->pass.Left() + strip->pass.Width(), 636);

    // Latin and Japanese labels look alike: one face, with a glyph for every character.
    const HWND name = WindowOf(strip->name);
    const LabelFont japanese(name);
    EXPECT_EQ(japanese.Face(), font.Face());
    const std::wstring text = WindowTextW(name);
    std::wstring glyphs(text.size(), L'\0');
    GetGlyphIndicesW(japanese.dc, text.c_str(), static_cast<int>(text.size()),
                     reinterpret_cast<WORD*>(glyphs.data()), GGI_MARK_NONEXISTING_GLYPHS);
    EXPECT_EQ(glyphs.find(static_cast<wchar_t>(0xFFFF)), std::wstring::npos);
}

// What a window shows, row by row.
struct Pixels {
    Pixels(HWND window, HDC dc) {
        RECT client;
        GetClientRect(window, &client);
        width = client.right;
        for (int y = 0; y < client.bottom; ++y)
            for (int x = 0; x < width; ++x)
                colors.push_back(GetPixel(dc, x, y));
    }
    int width = 0;
    std::vector<COLORREF> colors;
};

// The columns that hold anything but the black ground.
struct Ink {
    explicit Ink(const Pixels& p) : first(p.width) {
        for (std::size_t i = 0; i < p.colors.size(); ++i)
            if (p.colors[i] != RGB(0, 0, 0)) {
                const int x = static_cast<int>(i) % p.width;
                first = std::min(first, x);
                last = std::max(last, x);
            }
    }
    int Span() const { return last - first + 1; }
    int first, last = -1;
};

TEST_F(TextDisplay, FixedWidthLabelsShowOneLineEvenWhenTooNarrow) {
    const HWND clock = WindowOf(strip->clock);
    EXPECT_EQ(WindowText(clock), "05/01 21:10:05(JST)"); // still readable by others
    const LabelFont font(clock);
    const int text = font.Extent(WindowTextW(clock)).cx;
    ASSERT_LE(text, 148); // the clock fits its place

    // A wrapped label shows only "05/01" of the line, far narrower than what it has room for.
    const struct {
        Alignment alignment;
        int width;
    } cases[] = {
        {Alignment::Center, 148}, {Alignment::Center, text - 24}, {Alignment::Right, text - 24}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.width);
        strip->clock.SetAlignment(c.alignment);
        strip->clock.SetBounds(480, 5, c.width, 15);
        RedrawWindow(clock, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        const Ink ink{Pixels(clock, font.dc)};
        const int shown = std::min(text, c.width);
        EXPECT_GE(ink.Span(), shown - 4);
        EXPECT_LE(ink.Span(), shown);
        if (c.alignment == Alignment::Center)
            EXPECT_NEAR((ink.first + ink.last + 1) / 2.0, c.width / 2.0, 2.0);
        else
            EXPECT_GE(ink.last, c.width - 3);
    }
}

TEST_F(TextDisplay, ALampShownBesideALabelLeavesItsTextWhole) {
    const HWND heading = WindowOf(strip->heading);
    const LabelFont font(heading);
    const Pixels before(heading, font.dc);
    ASSERT_GE(Ink(before).Span(), font.Extent(L"Satellite").cx - 4);
    strip->focus.SetVisible(true);
    UpdateWindow(WindowOf(strip->focus));
    EXPECT_EQ(Pixels(heading, font.dc).colors, before.colors);
}

} // namespace
} // namespace zt
