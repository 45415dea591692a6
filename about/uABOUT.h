// The About box: product, version and other strings of the executable's version resource.
#pragma once

#include "platform/IVersionInfo.h"
#include "ui/Button.h"
#include "ui/Form.h"
#include "ui/Label.h"
#include "ui/Panel.h"
#include "ui/Picture.h"

#include <string>

namespace zt {

class TAboutBox : public Form {
public:
    // exeName: the running executable, whose version resource is shown.
    TAboutBox(Application& app, IVersionInfo& versionInfo, std::string exeName);

    Panel Panel1{*this};
    Picture ProgramIcon{Panel1};
    Label ProductName{Panel1};
    Label Version{Panel1};
    Label Copyright{Panel1};
    Label Comments{Panel1};
    Label CompanyName{Panel1};
    Label lblProductName{Panel1};
    Label lblVersion{Panel1};
    Label lblCopyRight{Panel1};
    Label lblComment{Panel1};
    Label lblCompanyName{Panel1};
    Button OKButton{*this};

private:
    void FormCreate();

    IVersionInfo& versionInfo_;
    std::string exeName_;
};

} // namespace zt
