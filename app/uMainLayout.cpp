// The main window's controls: where they sit, how they look, what they run.
#include "app/uMain.h"

#include "ui/Application.h"

namespace zt {
namespace {

constexpr const char* FontName = "MS UI Gothic";

Font MakeFont(int height, Color color) {
    return Font{FontName, height, color, false};
}

void PlaceLabel(Label& label, int left, int top, const Font& font, const std::string& caption) {
    label.SetFont(font);
    label.SetBounds(left, top, 0, 0);
    label.SetCaption(caption);
}

// Right-aligned labels grow to the left, so their right edge stays put.
void PlaceRightLabel(Label& label, int rightEdge, int top, const Font& font,
                     const std::string& caption = {}) {
    label.SetAlignment(Alignment::Right);
    label.SetFont(font);
    label.SetBounds(rightEdge, top, 0, 0);
    label.SetCaption(caption);
}

void PlaceDirectionButton(SpeedButton& button, int left, Glyph glyph) {
    button.SetBounds(left, 3, 33, 33);
    button.SetGlyph(glyph);
    button.SetGroupIndex(1);
    button.SetAllowAllUp(true);
}

} // namespace

TMain::TMain(Application& app, const TMainServices& services)
    : Form(app), Reg(services.Registry), Services(services),
      LiveState(services.Registry, services.Formats),
      VisibleTimeReader(services.Windows, services.Formats),
      TimeOffsetReader(services.Files, services.Ini, app.Messages(), services.Formats) {
    // The controller exists from the start, so no handler ever finds it missing even when
    // reading the stored settings fails during creation.
    Gs232 = std::make_unique<TGS232>(services.SerialDevice, services.UiThread, app.Messages(),
                                     services.Formats, services.Now);
    Timer1.SetEnabled(false);
    Layout();
    OnCreate = [this] { FormCreate(); };
    OnActivate = [this] { FormActivate(); };
    OnCloseQuery = [this](bool& CanClose) { FormCloseQuery(CanClose); };
    OnClose = [this] { FormClose(); };
    OnKeyDown = [this](Key& key, ShiftState shift) { FormKeyDown(key, shift); };
    Timer1.OnTimer = [this] { Timer1Timer(); };
    btnTracking.OnClick = [this] { btnTrackingClick(); };
    for (SpeedButton* b : {&bbLeft, &bbRight, &bbDown, &bbUp})
        b->OnClick = [this, b] { bbGroupeDownClick(*b); };
}

TMain::~TMain() = default;

void TMain::Layout() {
    SetCaption("Zenitrack on CALSAT32");
    SetFont(MakeFont(17, clYellow));
    SetBorderStyle(BorderStyle::ThinLine);
    SetClientWidth(636);
    SetHeight(90);

    Panel1.SetBounds(0, 0, ClientWidth(), ClientHeight());
    Panel1.SetColor(clBlack);
    Panel1.SetPopupMenu(&PopupMenu1);

    imgFocused.SetBounds(15, 7, 25, 15);
    imgFocused.SetVisible(false); // until a cycle finds the window focused
    imgFocused.SetShapes(
        {{Shape::Rectangle, 0, 0, 15, 15, clBlack}, {Shape::Disc, 2, 2, 11, 11, clGray}});

    const Font heading = MakeFont(15, clWhite);
    PlaceRightLabel(Label1, 94, 5, heading, "Satellite");
    PlaceRightLabel(Label2, 190, 5, heading, "Antenna");
    PlaceRightLabel(Label3, 283, 5, heading, "Rotator");
    PlaceLabel(Label4, 15, 26, heading, "Az");
    PlaceLabel(Label5, 15, 44, heading, "El");

    const Font value = MakeFont(17, clYellow);
    PlaceRightLabel(lblSatelliteAz, 94, 26, value);
    PlaceRightLabel(lblSatelliteEl, 94, 44, value);
    PlaceRightLabel(lblAntennaAz, 188, 26, value);
    PlaceRightLabel(lblAntennaEl, 190, 44, value);
    PlaceRightLabel(lblRotatorAz, 286, 26, value);
    PlaceRightLabel(lblRotatorEl, 286, 44, value);

    ImgOverlap.SetBounds(289, 30, 6, 12);
    ImgFlipMode.SetBounds(289, 48, 6, 12);
    ShowLamp(ImgOverlap, false);
    ShowLamp(ImgFlipMode, false);

    const Font accent = MakeFont(15, clFuchsia);
    PlaceLabel(lblRotateModeName, 312, 5, accent, "");

    Panel2.SetBounds(312, 23, 161, 38);
    Panel2.SetBevels(Bevel::None, Bevel::None);
    PlaceDirectionButton(bbLeft, 7, Glyph::ArrowLeft);
    PlaceDirectionButton(bbRight, 46, Glyph::ArrowRight);
    PlaceDirectionButton(bbDown, 85, Glyph::ArrowDown);
    PlaceDirectionButton(bbUp, 124, Glyph::ArrowUp);

    btnTracking.SetBounds(503, 23, 113, 38);
    btnTracking.SetFont(MakeFont(15, clPurple));
    btnTracking.SetCaption("&Tracking On");
    // A group of its own that never lets go: always shown pressed.
    btnTracking.SetGroupIndex(2);
    btnTracking.SetDown(true);

    lblYMD.SetAutoSize(false);
    lblYMD.SetAlignment(Alignment::Center);
    lblYMD.SetFont(MakeFont(15, clYellow)); // the 17-pixel default overflows its 148 x 15
    lblYMD.SetBounds(480, 5, 148, 15);

    PlaceLabel(lblSatellite, 16, 65, accent, "");
    PlaceLabel(lblAOSAz, 122, 65, accent, "");

    actOptions.caption = "Options";
    actOptions.shortCut = CtrlKey('Z');
    actOptions.OnExecute = [this] { actOptionsExecute(); };
    actTerminal.caption = "Terminal";
    // Shown with Ctrl+T, but disabled, so the key reaches the tracking switch.
    actTerminal.shortCut = CtrlKey('T');
    actGotoParking.caption = "Go to Parking";
    actGotoParking.shortCut = CtrlKey('P');
    actGotoParking.OnExecute = [this] { actGotoParkingExecute(); };
    actAboutBox.caption = "AboutBox";
    actAboutBox.shortCut = CtrlKey('A');
    actAboutBox.OnExecute = [this] { actAboutBoxExecute(); };
    actExit.caption = "Exit";
    actExit.shortCut = CtrlKey('X');
    actExit.OnExecute = [this] { actExitExecute(); };
    actDebug.caption = "Debug";
    actDebug.shortCut = CtrlKey('D');
    actDebug.visible = false;
    actDebug.OnExecute = [this] { actDebugExecute(); };
    for (Action* a : {&actOptions, &actTerminal, &actGotoParking, &actAboutBox})
        PopupMenu1.Add(*a);
    PopupMenu1.AddSeparator();
    PopupMenu1.Add(actExit);
}

void TMain::ShowLamp(Picture& lamp, bool red) {
    // A 6 x 16 lamp picture of which the 6 x 12 control shows the top rows: a bar with a
    // silver right column and bottom row.
    lamp.SetShapes({{Shape::Rectangle, 0, 0, 6, 16, clSilver},
                    {Shape::Rectangle, 0, 0, 5, 15, red ? clRed : clLime}});
}

} // namespace zt
