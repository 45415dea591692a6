#include "app/MainDialogs.h"

#include "about/uABOUT.h"
#include "ui/Application.h"

namespace zt {

bool TMainDialogs::ShowOptions(Form& owner, const std::string& settingsFile, TGS232& gs232) {
    auto dialog = owner.App().CreateForm<TOptions>(options_, settingsFile, gs232);
    return dialog->ShowModal() == ModalResult::Ok;
}

void TMainDialogs::ShowAboutBox(Form& owner) {
    auto box = owner.App().CreateForm<TAboutBox>(versionInfo_, exeName_);
    box->ShowModal();
}

} // namespace zt
