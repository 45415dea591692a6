// The modal dialogs the main window opens. Each is made for one use and gone before the
// call returns; tests script their outcome.
#pragma once

#include <string>

namespace zt {

class Form;
class TGS232;

class IMainDialogs {
public:
    virtual ~IMainDialogs() = default;
    // The Options dialog on the settings file; gs232 answers its position query.
    // True only when it was closed with OK.
    virtual bool ShowOptions(Form& owner, const std::string& settingsFile, TGS232& gs232) = 0;
    virtual void ShowAboutBox(Form& owner) = 0;
};

} // namespace zt
