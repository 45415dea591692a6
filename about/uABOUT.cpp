#include "about/uABOUT.h"

#include "app/uRoutine.h"

namespace zt {
namespace {

void Place(Label& label, int left, int top, const std::string& caption) {
    label.SetLeft(left);
    label.SetTop(top);
    label.SetCaption(caption);
}

} // namespace

TAboutBox::TAboutBox(Application& app, IVersionInfo& versionInfo, std::string exeName)
    : Form(app), versionInfo_(versionInfo), exeName_(std::move(exeName)) {
    SetCaption("バージョン情報");
    SetBorderStyle(BorderStyle::Dialog);
    SetPosition(FormPosition::ScreenCenter);
    SetClientWidth(324);
    SetClientHeight(213);
    SetColor(RgbColor(0xFFFBF0));
    SetFont(Font{"メイリオ", 11, RgbColor(0x2B5F93)});

    Panel1.SetBounds(8, 8, 308, 161);
    Panel1.SetBevels(Bevel::Lowered, Bevel::Raised);
    ProgramIcon.SetBounds(20, 16, 32, 32);
    ProgramIcon.SetShapes({{Shape::AppIcon, 0, 0, 32, 32, {}}});
    Place(ProductName, 88, 16, "Product");
    Place(Version, 93, 39, "Version");
    Place(Copyright, 8, 80, "Copyright");
    Place(Comments, 8, 101, "Comment");
    Comments.SetAutoSize(false);
    Comments.SetWordWrap(true);
    Comments.SetBounds(8, 101, 65, 16);
    Place(CompanyName, 8, 123, "Author");
    Place(lblProductName, 154, 16, "");
    Place(lblVersion, 154, 40, "");
    Place(lblCopyRight, 79, 80, "");
    Place(lblComment, 79, 101, "");
    Place(lblCompanyName, 79, 123, "");

    OKButton.SetBounds(127, 180, 75, 25);
    OKButton.SetCaption("OK");
    OKButton.SetDefault(true);
    // Esc closes the box as well; there is nothing to cancel.
    OKButton.SetCancel(true);
    OKButton.SetModalResult(ModalResult::Ok);

    OnCreate = [this] { FormCreate(); };
}

void TAboutBox::FormCreate() {
    // A string the resource lacks leaves its label empty.
    const auto show = [this](Label& label, int index) {
        std::string value;
        GetVersionInfo(versionInfo_, exeName_, index, value);
        label.SetCaption(value);
    };
    show(lblProductName, 9);
    show(lblVersion, 3);
    show(lblCopyRight, 5);
    show(lblComment, 0);
    show(lblCompanyName, 1);
}

} // namespace zt
