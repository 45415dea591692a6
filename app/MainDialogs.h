// The real Options dialog and About box behind the main window's dialog seam.
#pragma once

#include "app/IMainDialogs.h"
#include "platform/IVersionInfo.h"
#include "settings/uOptions.h"

#include <string>

namespace zt {

class TMainDialogs : public IMainDialogs {
public:
    // exeName: the executable whose version resource the About box shows.
    TMainDialogs(const TOptionsServices& options, IVersionInfo& versionInfo, std::string exeName)
        : options_(options), versionInfo_(versionInfo), exeName_(std::move(exeName)) {}

    bool ShowOptions(Form& owner, const std::string& settingsFile, TGS232& gs232) override;
    void ShowAboutBox(Form& owner) override;

private:
    TOptionsServices options_;
    IVersionInfo& versionInfo_;
    std::string exeName_;
};

} // namespace zt
