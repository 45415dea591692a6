#include "tests/ui/UiFixture.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/Label.h"
#include "ui/RadioGroup.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zt {
namespace {

struct Inputs : Form {
    explicit Inputs(Application& app) : Form(app) {
        edit.OnChange = [this] { changes.push_back("edit " + edit.Text()); };
        combo.OnChange = [this] { changes.push_back("combo " + combo.Text()); };
        radio.OnClick = [this] { changes.push_back("radio " + std::to_string(radio.ItemIndex())); };
    }
    Edit edit{*this};
    ComboBox combo{*this};
    RadioGroup radio{*this};
    Label left{*this}, right{*this}, fixed{*this};
    std::vector<std::string> changes;
};

TEST(Inputs, WhichChangesRunTheHandlers) {
    UiFixture ui;
    auto f = ui.app.CreateForm<Inputs>();
    f->combo.SetItems({"Low", "High"});
    f->radio.SetItems({"450°", "360°"});

    f->edit.SetText("2000");  // code: runs
    f->edit.SetText("2000");  // unchanged: does not
    f->edit.EnterText("200"); // user: runs
    f->combo.SetText("High"); // code: does not
    EXPECT_EQ(f->combo.ItemIndex(), 1);
    f->combo.EnterText("Lo"); // user typing
    EXPECT_EQ(f->combo.ItemIndex(), -1);
    f->combo.SelectItem(0);   // user picking
    f->radio.SetItemIndex(1); // code: runs (the selection changed)
    f->radio.ClickItem(1);    // unchanged: does not
    f->radio.ClickItem(0);
    EXPECT_EQ(f->changes, (std::vector<std::string>{"edit 2000", "edit 200", "combo Lo",
                                                    "combo Low", "radio 1", "radio 0"}));
}

TEST(Inputs, SortedComboIgnoresCaseAndKeepsDuplicates) {
    UiFixture ui;
    auto f = ui.app.CreateForm<Inputs>();
    f->combo.SetSorted(true);
    for (const char* port : {"COM2", "com10", "COM1", "COM2"})
        f->combo.AddItem(port);
    EXPECT_EQ(f->combo.Items(), (std::vector<std::string>{"COM1", "com10", "COM2", "COM2"}));

    f->combo.SetStyle(ComboStyle::DropDownList);
    f->combo.SetText("COM3"); // not in the list
    EXPECT_EQ(f->combo.Text(), "");
    EXPECT_EQ(f->combo.ItemIndex(), -1);
    f->combo.EnterText("COM1"); // a list cannot be typed into
    EXPECT_EQ(f->combo.Text(), "");
}

TEST(Inputs, AutoSizedLabelsKeepTheirAlignedEdge) {
    UiFixture ui; // 8 pixels per character
    auto f = ui.app.CreateForm<Inputs>();
    f->left.SetBounds(15, 26, 50, 20);
    f->right.SetAlignment(Alignment::Right);
    f->right.SetBounds(80, 26, 14, 20); // right edge 94
    f->fixed.SetAutoSize(false);
    f->fixed.SetAlignment(Alignment::Center);
    f->fixed.SetBounds(480, 5, 148, 15);

    f->SetFont(Font{"MS UI Gothic", 17, clYellow});
    const struct {
        const char* text;
        int width;
    } cases[] = {{"123°", 32}, {"7°", 16}, {"", 0}, {"45°", 24}};
    for (const auto& c : cases) {
        for (Label* l : {&f->left, &f->right, &f->fixed})
            l->SetCaption(c.text);
        EXPECT_EQ(f->left.Left(), 15);
        EXPECT_EQ(f->left.Width(), c.width) << c.text;
        EXPECT_EQ(f->left.Height(), 17);
        EXPECT_EQ(f->right.RightEdge(), 94) << c.text;
        EXPECT_EQ(f->right.Width(), c.width) << c.text;
        EXPECT_EQ(f->fixed.Left(), 480);
        EXPECT_EQ(f->fixed.Width(), 148);
    }
    // A smaller font on the label itself re-fits it, right edge kept.
    f->right.SetFont(Font{"MS UI Gothic", 15, clWhite});
    EXPECT_EQ(f->right.Height(), 15);
    EXPECT_EQ(f->right.RightEdge(), 94);
}

} // namespace
} // namespace zt
