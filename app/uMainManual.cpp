// Turning the rotator by hand: the four direction buttons and their Ctrl keys.
#include "app/uMain.h"

namespace zt {
namespace {

// Indexed by the button's tag: left, right, down, up.
constexpr const char* MoveCommands[] = {"L", "R", "D", "U"};
constexpr const char* StopCommands[] = {"A", "A", "E", "E"};

} // namespace

void TMain::SetDirectionButtonsEnabled(bool leftRight, bool upDown) {
    bbLeft.SetEnabled(leftRight);
    bbRight.SetEnabled(leftRight);
    bbDown.SetEnabled(upDown);
    bbUp.SetEnabled(upDown);
}

void TMain::bbGroupeDownClick(SpeedButton& Sender) {
    const int tag = Sender.Tag();
    std::string command;
    if (Sender.Down()) {
        ControlMode = ctManual;
        SetDirectionButtonsEnabled(false, false);
        Sender.SetEnabled(true);
        command = MoveCommands[tag];
    } else {
        ControlMode = ctNone;
        SetDirectionButtonsEnabled(true, true);
        command = StopCommands[tag];
    }
    ClickedButton = &Sender;
    Gs232->DoCmd(command);
}

void TMain::ReleaseAtLimit() {
    if (!ClickedButton)
        return;
    SpeedButton& button = *ClickedButton;
    const int az = Gs232->RotatorAz();
    const int el = Gs232->RotatorEl();
    bool atLimit = false;
    switch (button.Tag()) {
    case 0:
        // The left button's command is not repeated: only its limit sends anything.
        if (az > 0)
            return;
        atLimit = true;
        break;
    case 1:
        atLimit = az >= (Gs232->AzRotator() == az450 ? 450 : 360);
        break;
    case 2:
        atLimit = el <= 0;
        break;
    case 3:
        atLimit =
            (Gs232->ElRotator() == el180 && el >= 180) || (Gs232->ElRotator() == el90 && el >= 90);
        break;
    }
    if (atLimit)
        button.SetDown(false);
    bbGroupeDownClick(button);
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
