// The settings file on the Windows file system: saving through a link, a failed replace,
// and a status that cannot be read.
#include "platform/win32/Utf16.h"
#include "platform/win32/Win32FileSystem.h"
#include "settings/XMLInifile.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace zt {
namespace {

namespace fs = std::filesystem;

std::string Bytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(Win32SettingsDisk, SavingThroughALinkReplacesItsTargetAndKeepsTheLink) {
    const std::string link = "Z:" ZT_SETTINGS_LINKS_DIR "/zenitrack.xml";
    const fs::path target =
        fs::path(ToUtf16("Z:" ZT_SETTINGS_LINKS_DIR)).make_preferred() / L"real" / L"zenitrack.xml";
    std::ofstream(target, std::ios::binary | std::ios::trunc) << "<root/>";
    Win32FileSystem files;
    TXMLIniFile ini(files, link, LocaleFormats::US());
    ini.WriteString("K", "through the link");
    ini.UpdateFile();

    // Wine shows such a link as a plain file: only its resolved name shows it is still one.
    EXPECT_EQ(fs::path(ToUtf16(files.ResolvedPath(link))), target) << "the link is still a link";
    EXPECT_NE(Bytes(target).find("through the link"), std::string::npos);
    EXPECT_FALSE(fs::exists(fs::path(target) += L".tmp"));
}

class Win32SettingsFolder : public ::testing::Test {
protected:
    Win32SettingsFolder() {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        folder = fs::path(temp) / L"zt-settings-\x8a2d\x5b9a";
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    ~Win32SettingsFolder() override { fs::remove_all(folder); }
    std::string Path(const wchar_t* name) const { return ToUtf8((folder / name).wstring()); }
    fs::path folder;
    Win32FileSystem files;
};

TEST_F(Win32SettingsFolder, AFailedReplaceLeavesOnlyTheOldFile) {
    const std::string settings = Path(L"zenitrack.xml");
    TXMLIniFile ini(files, settings, LocaleFormats::US());
    const std::string old = Bytes(folder / L"zenitrack.xml");
    // Held open without sharing, as a virus scanner or an editor may hold it.
    const HANDLE holder = CreateFileW(ToUtf16(settings).c_str(), GENERIC_READ, 0, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    ini.WriteString("K", "new");
    EXPECT_THROW(ini.UpdateFile(), EXMLDocError);
    std::vector<fs::path> left;
    for (const auto& entry : fs::directory_iterator(folder))
        left.push_back(entry.path().filename());
    CloseHandle(holder);
    EXPECT_EQ(left, std::vector<fs::path>{L"zenitrack.xml"}) << "no temporary file beside it";
    EXPECT_EQ(Bytes(folder / L"zenitrack.xml"), old);
}

TEST_F(Win32SettingsFolder, OnlyAMissingFileIsMissing) {
    EXPECT_FALSE(files.Exists(Path(L"missing.xml")));
    EXPECT_FALSE(files.Exists(Path(L"no-folder\\missing.xml")));
    EXPECT_TRUE(files.Exists(Path(L"")));
    EXPECT_THROW(files.Exists(Path(L"bad?name.xml")), EFileSystemError);
    EXPECT_THROW(TXMLIniFile(files, Path(L"bad?name.xml"), LocaleFormats::US()), EXMLDocError);
}

} // namespace
} // namespace zt
