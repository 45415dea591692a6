// Sections: location paths, opening with and without creation, and child-node operations.
#include "SettingsTestFiles.h"

namespace zt::test {
namespace {

constexpr char TwoSections[] = "<root><Options><GS232><K>gs</K></GS232><Com/></Options>"
                               "<K>root</K></root>";

using XMLIniFileNodes = SettingsFileTest;

struct OpenCase {
    const char* from; // section opened first
    const char* path;
    bool found;
    const char* currentAfter;
};

TEST_F(XMLIniFileNodes, OpenNodeWithoutCreationFollowsTheRules) {
    const OpenCase cases[] = {
        {"/", "/Options/GS232", true, "/Options/GS232/"},
        {"/", "/Options/GS232/", true, "/Options/GS232/"},
        {"/", "/Options/Missing", false, "/"},
        {"/", "/options", false, "/"},
        {"/", "/Options//GS232", false, "/"},
        {"/", "//Options", false, "/"},
        {"/", "/", true, "/"},
        {"/", "", true, "/"},
        {"/Options", "GS232", true, "/Options/GS232/"},
        {"/Options", "", true, "/Options/"},
        {"/Options", "Com/", true, "/Options/Com/"},
        {"/Options", "Options", false, "/Options/"},
        {"/Options/GS232", "/", true, "/"},
    };
    for (const auto& c : cases) {
        auto ini = OpenWith(TwoSections);
        ASSERT_TRUE(ini->OpenNode(c.from, false));
        EXPECT_EQ(ini->NodeExists(c.path), c.found) << c.from << " + " << c.path;
        EXPECT_EQ(ini->OpenNode(c.path, false), c.found) << c.from << " + " << c.path;
        EXPECT_EQ(ini->CurrentLocationPath(), c.currentAfter) << c.from << " + " << c.path;
        EXPECT_FALSE(ini->Modified());
    }
}

TEST_F(XMLIniFileNodes, KeysActOnTheCurrentSectionOrTheGivenParent) {
    auto ini = OpenWith(TwoSections);
    EXPECT_EQ(ini->ReadString("K", ""), "root") << "right after Create: the document element";
    EXPECT_FALSE(ini->OpenNode("/Options/Missing", false));
    EXPECT_EQ(ini->ReadString("K", ""), "root") << "a failed open keeps the section";
    ASSERT_TRUE(ini->OpenNode("/Options/GS232", false));
    EXPECT_EQ(ini->ReadString("K", ""), "gs");
    EXPECT_EQ(ini->ReadString("K", "", ini->RootNode()), "root");
    ini->WriteString("New", "v", ini->RootNode());
    ASSERT_TRUE(ini->OpenNode("/", false));
    EXPECT_EQ(ini->ReadString("New", ""), "v");
    EXPECT_EQ(ini->ReadString("K/x", "d"), "d") << "a key name is not a path";
}

TEST_F(XMLIniFileNodes, OpenNodeWithCreationBuildsTheMissingSections) {
    auto ini = OpenWith(TwoSections);
    ASSERT_TRUE(ini->OpenNode("/Options/GS232", true));
    EXPECT_FALSE(ini->Modified()) << "opening existing sections changes nothing";

    ASSERT_TRUE(ini->OpenNode("Deeper/Still", true));
    EXPECT_EQ(ini->CurrentLocationPath(), "/Options/GS232/Deeper/Still/");
    EXPECT_TRUE(ini->Modified());
    EXPECT_TRUE(ini->NodeExists("/Options/GS232/Deeper/Still"));
    EXPECT_FALSE(Open()->NodeExists("/Options/GS232/Deeper")) << "not saved yet";
    ini->UpdateFile();
    EXPECT_TRUE(Open()->NodeExists("/Options/GS232/Deeper/Still"));
}

TEST_F(XMLIniFileNodes, OpenNodeWithCreationRefusesInvalidNames) {
    auto ini = OpenWith(TwoSections);
    EXPECT_THROW(ini->OpenNode("/New//X", true), EXMLDocError);
    EXPECT_THROW(ini->OpenNode("/Bad name", true), EXMLDocError);
    EXPECT_EQ(ini->CurrentLocationPath(), "/");
    EXPECT_TRUE(ini->NodeExists("/New")) << "sections before the bad component stay";
    EXPECT_FALSE(ini->NodeExists("/Bad name"));
}

TEST_F(XMLIniFileNodes, CreateNodeAddsAlsoWhenTheNameExists) {
    auto ini = Open();
    ini->OpenNode("/S", true);
    ASSERT_TRUE(ini->CreateNode("A"));
    ini->WriteString("A", "first");
    ASSERT_TRUE(ini->CreateNode("A"));
    EXPECT_TRUE(ini->HasChildNodes());
    // Formatting text counts: lf+tab, tab, A, lf+tab, tab, A, lf+tab.
    EXPECT_EQ(ini->ChildNodesCount(), 7);
    std::vector<std::string> names{"kept"};
    ini->GetNodeNames(names);
    EXPECT_EQ(names, (std::vector<std::string>{"kept", "#text", "#text", "A", "#text", "#text", "A",
                                               "#text"}));
    EXPECT_EQ(ini->ChildNodes(2), ini->ChildNodeByName("A"));
    EXPECT_EQ(ini->ReadString("A", ""), "first");
    EXPECT_EQ(std::string(ini->ChildNodes(0).value()), "\n\t");
    EXPECT_THROW(ini->ChildNodes(7), std::out_of_range);
    EXPECT_THROW(ini->ChildNodes(-1), std::out_of_range);

    EXPECT_FALSE(ini->CreateNode("no good"));
    EXPECT_FALSE(ini->CreateNode("x", ini->ChildNodes(0))) << "a text node takes no children";
    EXPECT_EQ(ini->ChildNodesCount(), 7);
}

TEST_F(XMLIniFileNodes, DeleteNodeRemovesTheFirstElementOfTheName) {
    auto ini = OpenWith("<root><A>1</A><B/><A>2</A></root>");
    EXPECT_TRUE(ini->DeleteNode("Missing"));
    EXPECT_FALSE(ini->Modified());
    EXPECT_TRUE(ini->DeleteNode("A"));
    EXPECT_TRUE(ini->Modified());
    EXPECT_EQ(ini->ReadString("A", ""), "2");
    EXPECT_EQ(ini->ChildNodesCount(), 2);
}

TEST_F(XMLIniFileNodes, ChildNodeByNameOfAMissingChildFails) {
    auto ini = OpenWith(TwoSections);
    try {
        ini->ChildNodeByName("Nope");
        FAIL();
    } catch (const EXMLDocError& e) {
        EXPECT_STREQ(e.what(), "ノード \"Nope\" が見つかりません");
    }
    EXPECT_FALSE(ini->HasChildNodes(ini->ChildNodeByName("Options").child("Com")));
}

} // namespace
} // namespace zt::test
