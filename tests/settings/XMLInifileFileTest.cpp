// The settings file on disk: its exact bytes, loading, saving and failures.
#include "SettingsTestFiles.h"

#include "app/uConstant.h"

namespace zt::test {
namespace {

constexpr char Declaration[] = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n";

using XMLIniFileOnDisk = SettingsFileTest;

TEST_F(XMLIniFileOnDisk, StoreBuildsTheIndentedFileOfTheExample) {
    auto ini = Open();
    ASSERT_TRUE(ini->OpenNode(SectionOptionsGS232, true));
    ini->WriteInteger(KeyInterval, 1000);
    ini->WriteBool(KeyGoParking, true);
    ASSERT_TRUE(ini->OpenNode(SectionOptionsCom, true));
    ini->WriteString(KeyComPort, "COM3");
    ini->CloseNode();
    ini->UpdateFile();

    EXPECT_EQ(ReadBytes(File()), std::string(Declaration) +
                                     "<root>\n"
                                     "\t<Options>\n"
                                     "\t\t<GS232>\n"
                                     "\t\t\t<Interval Type=\"9\">1000</Interval>\n"
                                     "\t\t\t<GoParking Type=\"2\">-1</GoParking>\n"
                                     "\t\t</GS232>\n"
                                     "\t\t<Com>\n"
                                     "\t\t\t<ComPort Type=\"10\">COM3</ComPort>\n"
                                     "\t\t</Com>\n"
                                     "\t</Options>\n"
                                     "</root>\n");
}

TEST_F(XMLIniFileOnDisk, CreateOnAMissingFileWritesAnEmptyDocumentAtOnce) {
    auto ini = Open();
    EXPECT_EQ(ReadBytes(File()), std::string(Declaration) + "<root/>\n");
    EXPECT_EQ(ini->RootNodeName(), "root");
    EXPECT_EQ(ini->CurrentLocationPath(), "/");
    EXPECT_FALSE(ini->Modified());
}

TEST_F(XMLIniFileOnDisk, AfterReloadOnlyElementsOfTheLaterStoreAreIndented) {
    OpenWith(std::string(Declaration) + "<root>\n\t<Options>\n\t\t<GS232>\n"
                                        "\t\t\t<Interval Type=\"9\">1000</Interval>\n"
                                        "\t\t</GS232>\n\t</Options>\n</root>\n");
    auto ini = Open();
    ASSERT_TRUE(ini->OpenNode("/Options/GS232", false));
    ini->WriteInteger("Interval", 5);
    ini->WriteInteger("AzOffset", 7);
    ASSERT_TRUE(ini->OpenNode("/Main", true));
    ini->WriteInteger("Left", 3);
    ini->UpdateFile();

    EXPECT_EQ(ReadBytes(File()),
              std::string(Declaration) +
                  "<root><Options><GS232><Interval Type=\"9\">5</Interval>"
                  "\t<AzOffset Type=\"9\">7</AzOffset>\n\t\t</GS232></Options>"
                  "\t<Main>\n\t\t<Left Type=\"9\">3</Left>\n\t</Main>\n</root>\n");
}

TEST_F(XMLIniFileOnDisk, StringsAreEscapedTwiceOnDisk) {
    auto ini = Open();
    ini->WriteString("V", "a&b<c>d\"e'f");
    ini->UpdateFile();
    EXPECT_NE(
        ReadBytes(File()).find("<V Type=\"10\">a&amp;amp;b&amp;lt;c&amp;gt;d&amp;quot;e'f</V>"),
        std::string::npos);
}

TEST_F(XMLIniFileOnDisk, AcceptsAByteOrderMarkAndAnyDocumentElementName) {
    auto ini = OpenWith("\xEF\xBB\xBF<?xml version=\"1.0\"?>\r\n"
                        "<settings><A Type=\"9\">5</A><Sub><B>x</B></Sub></settings>");
    EXPECT_EQ(ini->RootNodeName(), "settings");
    EXPECT_EQ(ini->ReadInteger("A", 0), 5);
    ASSERT_TRUE(ini->OpenNode("/Sub", false));
    EXPECT_EQ(ini->ReadString("B", ""), "x");
    ASSERT_TRUE(ini->OpenNode("/", false));
    EXPECT_EQ(ini->CurrentNode(), ini->RootNode());
}

TEST_F(XMLIniFileOnDisk, UnparsableFileFailsCreateAndKeepsItsBytes) {
    for (const std::string bytes :
         {"", "<root>", "<root></Other>", "plain text", "<a/><b/>", "\xEF\xBB\xBF", "<root/>junk",
          "  ", "<!-- only a comment -->"}) {
        WriteBytes(File(), bytes);
        EXPECT_THROW(Open(), EDOMParseError) << bytes;
        EXPECT_EQ(ReadBytes(File()), bytes);
    }
}

TEST_F(XMLIniFileOnDisk, ParseErrorNamesTheLineAndItsFirstFortyCharacters) {
    std::string longLine;
    for (int i = 0; i < 45; ++i)
        longLine += "あ";
    WriteBytes(File(), "<root>\n<a>\n" + longLine + "</b></root>");
    try {
        Open();
        FAIL() << "no parse error";
    } catch (const EDOMParseError& e) {
        const std::string expectedTail = "\r\n行: 3\r\n" + longLine.substr(0, 40 * 3);
        const std::string message = e.what();
        ASSERT_GT(message.size(), expectedTail.size());
        EXPECT_EQ(message.substr(message.size() - expectedTail.size()), expectedTail);
        EXPECT_EQ(e.Line(), 3);
    }
}

TEST_F(XMLIniFileOnDisk, SavesOnlyWhenSomethingWasWritten) {
    const std::string original = std::string(Declaration) + "<root><K Type=\"10\">v</K></root>\n";
    auto ini = OpenWith(original);
    const std::string marker = "changed behind the store's back";
    WriteBytes(File(), marker);

    ini->ReadString("K", "");
    ini->OpenNode("/", false);
    EXPECT_FALSE(ini->Modified());
    ini->UpdateFile();
    EXPECT_EQ(ReadBytes(File()), marker) << "reading must not save";

    ini->WriteString("K", "v"); // the same value still counts as a change
    EXPECT_TRUE(ini->Modified());
    ini->UpdateFile();
    EXPECT_EQ(ReadBytes(File()), original);
    EXPECT_FALSE(ini->Modified());

    WriteBytes(File(), marker);
    ini->UpdateFile();
    EXPECT_EQ(ReadBytes(File()), marker) << "a second save without a write does nothing";

    ini->OpenNode("/New", true); // creating a section is a change too
    EXPECT_TRUE(ini->Modified());
}

TEST_F(XMLIniFileOnDisk, UnsavedChangesAreLostWithTheStore) {
    Open()->WriteString("K", "v");
    EXPECT_EQ(ReadBytes(File()), std::string(Declaration) + "<root/>\n");
}

TEST_F(XMLIniFileOnDisk, WithoutAFileNameTheStoreLivesInMemoryOnly) {
    TXMLIniFile ini("", LocaleFormats::US());
    ini.OpenNode("/A", true);
    ini.WriteInteger("K", 1);
    ini.UpdateFile();
    EXPECT_EQ(ini.ReadInteger("K", 0), 1);
    EXPECT_TRUE(std::filesystem::is_empty(dir));
}

TEST_F(XMLIniFileOnDisk, OfTwoStoresOnOneFileTheLaterSaveWins) {
    auto first = Open();
    auto second = Open();
    first->WriteString("First", "1");
    first->UpdateFile();
    second->WriteString("Second", "2");
    second->UpdateFile();

    auto reader = Open();
    EXPECT_EQ(reader->ReadString("First", "missing"), "missing");
    EXPECT_EQ(reader->ReadString("Second", "missing"), "2");
}

TEST_F(XMLIniFileOnDisk, FailedSaveKeepsTheOldFileAndTheChange) {
    auto ini = Open();
    ini->WriteString("K", "saved");
    ini->UpdateFile();
    const std::string saved = ReadBytes(File());

    // Occupy the name the save writes to before it replaces the file.
    std::filesystem::create_directory(Utf8Path(File("zenitrack.xml.tmp")));
    ini->WriteString("K", "newer");
    EXPECT_THROW(ini->UpdateFile(), EXMLDocError);
    EXPECT_EQ(ReadBytes(File()), saved);
    EXPECT_TRUE(ini->Modified());

    std::filesystem::remove(Utf8Path(File("zenitrack.xml.tmp")));
    ini->UpdateFile();
    EXPECT_EQ(Open()->ReadString("K", ""), "newer");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir),
                            std::filesystem::directory_iterator()),
              1)
        << "nothing but the settings file is left behind";
}

#ifndef _WIN32 // Wine cannot make links; its test uses one made by the build
TEST_F(XMLIniFileOnDisk, SavingThroughALinkReplacesItsTargetAndKeepsTheLink) {
    std::filesystem::create_directory(dir / "real");
    WriteBytes(File("real/zenitrack.xml"), std::string(Declaration) + "<root/>\n");
    std::filesystem::create_symlink("real/zenitrack.xml", Utf8Path(File()));
    auto ini = Open();
    ini->WriteString("K", "v");
    ini->UpdateFile();
    EXPECT_TRUE(std::filesystem::is_symlink(Utf8Path(File())));
    EXPECT_EQ(Open()->ReadString("K", ""), "v");
    EXPECT_FALSE(std::filesystem::exists(Utf8Path(File("real/zenitrack.xml.tmp"))));
}
#endif

TEST_F(XMLIniFileOnDisk, SaveIntoAVanishedFolderFails) {
    std::filesystem::create_directory(dir / "sub");
    TXMLIniFile ini(File("sub/zenitrack.xml"), LocaleFormats::US());
    std::filesystem::remove_all(dir / "sub");
    WriteBytes(File("sub"), "a file where the folder was");
    ini.WriteInteger("K", 1);
    EXPECT_THROW(ini.UpdateFile(), EXMLDocError);
    EXPECT_TRUE(ini.Modified());
    EXPECT_EQ(ReadBytes(File("sub")), "a file where the folder was");
}

} // namespace
} // namespace zt::test
