// Saving at the file-system seam: what reaches the disk, in which order, and what a failure
// leaves behind.
#include "tests/fakes/FakeFileSystem.h"

#include "settings/XMLInifile.h"

#include <gtest/gtest.h>

namespace zt {
namespace {

const std::string Settings = "C:\\zt\\zenitrack.xml";
const std::string Temporary = Settings + ".tmp";
const std::string Saved = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
                          "<root><K Type=\"10\">old</K></root>\n";

class XMLIniFileSave : public ::testing::Test {
protected:
    TXMLIniFile Open() { return TXMLIniFile(files, Settings, LocaleFormats::US()); }
    // The calls that changed the disk, in order.
    std::vector<std::string> Writes() const {
        std::vector<std::string> writes;
        for (const std::string& call : files.calls)
            if (call.rfind("WriteFlushed", 0) == 0 || call.rfind("RenameOver", 0) == 0 ||
                call.rfind("RemoveFile", 0) == 0)
                writes.push_back(call);
        return writes;
    }
    FakeFileSystem files;
};

TEST_F(XMLIniFileSave, EverySaveReachesTheDiskBesideTheFileBeforeItIsRenamedOver) {
    auto ini = Open(); // a missing file is written at once
    ini.WriteString("K", "new");
    ini.UpdateFile();
    const std::vector<std::string> once{"WriteFlushed " + Temporary,
                                        "RenameOver " + Temporary + " " + Settings};
    std::vector<std::string> twice = once;
    twice.insert(twice.end(), once.begin(), once.end());
    EXPECT_EQ(Writes(), twice);
    EXPECT_EQ(files.disk.size(), 1u);
    EXPECT_EQ(Open().ReadString("K", ""), "new");
}

TEST_F(XMLIniFileSave, AFileWhoseStatusCannotBeReadIsAnErrorAndIsNeverOverwritten) {
    files.disk[Settings] = Saved;
    files.failing = {"Exists " + Settings};
    EXPECT_THROW(Open(), EXMLDocError);
    EXPECT_EQ(files.disk, (std::map<std::string, std::string>{{Settings, Saved}}));
    EXPECT_TRUE(Writes().empty());
}

TEST_F(XMLIniFileSave, AFailedSaveLeavesOnlyTheOldFile) {
    for (const std::string& failing :
         {"WriteFlushed " + Temporary, "RenameOver " + Temporary + " " + Settings}) {
        files.disk = {{Settings, Saved}};
        files.failing.clear();
        auto ini = Open();
        ini.WriteString("K", "new");
        files.failing = {failing};
        try {
            ini.UpdateFile();
            ADD_FAILURE() << failing << ": no error";
        } catch (const EXMLDocError& e) {
            EXPECT_EQ(std::string(e.what()).rfind("Cannot save the file \"" + Settings + "\": ", 0),
                      0u)
                << e.what();
        }
        EXPECT_EQ(files.disk, (std::map<std::string, std::string>{{Settings, Saved}})) << failing;
        EXPECT_TRUE(ini.Modified()) << failing;
    }
}

TEST_F(XMLIniFileSave, ThroughALinkTheTargetIsReplacedAndTheLinkStays) {
    const std::string target = "D:\\shared\\zenitrack.xml";
    files.links = {{Settings, "C:\\zt\\hop.xml"}, {"C:\\zt\\hop.xml", target}};
    files.disk = {{target, Saved}};
    auto ini = Open();
    EXPECT_EQ(ini.ReadString("K", ""), "old");
    ini.WriteString("K", "new");
    ini.UpdateFile();
    EXPECT_EQ(Writes(), (std::vector<std::string>{"WriteFlushed " + target + ".tmp",
                                                  "RenameOver " + target + ".tmp " + target}));
    EXPECT_EQ(files.links.count(Settings), 1u);
    EXPECT_EQ(Open().ReadString("K", ""), "new");
}

} // namespace
} // namespace zt
