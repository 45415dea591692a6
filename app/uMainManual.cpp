// Turning the rotator by hand: the four direction buttons and their Ctrl keys.
#include "app/uMain.h"

namespace zt {
namespace {

// One row per direction button: what it sends while held and on release, and where the
// rotator's travel ends for it.
struct TDirectionButton {
    SpeedButton TMain::*Button;
    const char* MoveCommand;
    const char* StopCommand;
    bool (*AtLimit)(const TGS232& gs232);
};

constexpr TDirectionButton DirectionButtons[] = {
    {&TMain::bbLeft, "L", "A", [](const TGS232& g) { return g.RotatorAz() <= 0; }},
    {&TMain::bbRight, "R", "A",
     [](const TGS232& g) { return g.RotatorAz() >= (g.AzRotator() == az450 ? 450 : 360); }},
    {&TMain::bbDown, "D", "E", [](const TGS232& g) { return g.RotatorEl() <= 0; }},
    {&TMain::bbUp, "U", "E",
     [](const TGS232& g) {
         return (g.ElRotator() == el180 && g.RotatorEl() >= 180) ||
                (g.ElRotator() == el90 && g.RotatorEl() >= 90);
     }},
};

const TDirectionButton& RowOf(TMain& main, const SpeedButton& button) {
    for (const auto& row : DirectionButtons)
        if (&(main.*row.Button) == &button)
            return row;
    return DirectionButtons[0];
}

} // namespace

void TMain::SetDirectionButtonsEnabled(bool leftRight, bool upDown) {
    bbLeft.SetEnabled(leftRight);
    bbRight.SetEnabled(leftRight);
    bbDown.SetEnabled(upDown);
    bbUp.SetEnabled(upDown);
}

void TMain::bbGroupeDownClick(SpeedButton& Sender) {
    PressDirection(Sender, TCaller::User);
}

void TMain::PressDirection(SpeedButton& Sender, TCaller Caller) {
    if (Closing)
        return;
    const TDirectionButton& row = RowOf(*this, Sender);
    if (Sender.Down()) {
        ControlMode = ctManual;
        // The held one is never disabled, not even for a moment: that would cancel a
        // press of it in progress, and the click releasing it would be lost.
        for (const auto& other : DirectionButtons)
            (this->*other.Button).SetEnabled(&(this->*other.Button) == &Sender);
    } else {
        ControlMode = ctNone;
        SetDirectionButtonsEnabled(true, true);
    }
    ClickedButton = &Sender;
    Gs232->DoCmd(Sender.Down() ? row.MoveCommand : row.StopCommand, Caller);
}

void TMain::ReleaseAtLimit() {
    // Only the limit acts: re-running the handler on every tick would touch the held
    // button while the user may be clicking it.
    if (!ClickedButton || !ClickedButton->Down() || !RowOf(*this, *ClickedButton).AtLimit(*Gs232))
        return;
    ClickedButton->SetDown(false);
    PressDirection(*ClickedButton, TCaller::Timer);
}

void TMain::FormKeyDown(Key& key, ShiftState shift) {
    if (shift != ssCtrl)
        return;
    switch (key) {
    case 'L':
        bbGroupeDownClick(bbLeft);
        break;
    case 'R':
        bbGroupeDownClick(bbRight);
        break;
    case 'U':
        bbGroupeDownClick(bbUp);
        break;
    case 'T':
        btnTrackingClick();
        break;
    default:
        return;
    }
    key = vkNone;
}

} // namespace zt
