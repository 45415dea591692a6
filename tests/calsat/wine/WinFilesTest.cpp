#include "calsat/TimeOffsetReader.h"
#include "platform/win32/Utf16.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32IniFile.h"
#include "tests/fakes/FakeMessageBox.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace zt {
namespace {

// A scratch folder in the temporary folder, removed afterwards.
struct FilesTest : testing::Test {
    FilesTest() {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        folder = std::filesystem::path(temp) / L"zt-calsat-\x65e5";
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder / L"sub.ini");
    }
    ~FilesTest() override { std::filesystem::remove_all(folder); }
    std::string Write(const std::wstring& name, const std::string& text) {
        std::ofstream(folder / name, std::ios::binary) << text;
        return ToUtf8((folder / name).wstring());
    }
    std::string Path(const std::wstring& name) { return ToUtf8((folder / name).wstring()); }
    std::filesystem::path folder;
};

TEST_F(FilesTest, FileExistsOnlyForFiles) {
    Win32FileSystem files;
    EXPECT_TRUE(files.FileExists(Write(L"CALSAT32.INI", "")));
    EXPECT_FALSE(files.FileExists(Path(L"sub.ini")));
    EXPECT_FALSE(files.FileExists(Path(L"missing.ini")));
    EXPECT_FALSE(files.FileExists(""));
}

TEST(Win32FileSystem, ALinkCountsWhenItsTargetIsAFile) {
    const std::string links = "Z:" ZT_LINKS_DIR "/";
    Win32FileSystem files;
    EXPECT_TRUE(files.FileExists(links + "target.ini"));
    EXPECT_TRUE(files.FileExists(links + "to-file.ini"));
    EXPECT_FALSE(files.FileExists(links + "to-folder.ini"));
    EXPECT_FALSE(files.FileExists(links + "dangling.ini"));
}

TEST_F(FilesTest, IniNamesMatchIgnoringCaseAndBadNumbersGiveTheDefault) {
    const std::string ini = Write(L"CALSAT32.INI", "[timeoffset]\r\ntimeoffset=3600\r\n"
                                                   "CHRLST=CET\r\n[JIKAN]\r\nJISA=\r\n"
                                                   "Word=nine\r\nPart=12abc\r\n");
    Win32IniFile files;
    EXPECT_EQ(files.ReadInteger(ini, "TIMEOFFSET", "TimeOffset", 32400), 3600);
    EXPECT_EQ(files.ReadString(ini, "TIMEOFFSET", "ChrLST", "JST"), "CET");
    EXPECT_EQ(files.ReadString(ini, "TIMEOFFSET", "Missing", "JST"), "JST");
    for (const char* key : {"JISA", "Word", "Part", "Missing"})
        EXPECT_EQ(files.ReadInteger(ini, "jikan", key, 9), 9) << key;
    EXPECT_EQ(files.ReadInteger(Path(L"missing.ini"), "TIMEOFFSET", "TimeOffset", 32400), 32400);

    Win32FileSystem fs;
    FakeMessageBox messages;
    TTimeOffsetReader reader(fs, files, messages, LocaleFormats::US());
    TObservationPoint obs;
    reader.ReadTimeOffset("CALSAT32", ini, obs);
    EXPECT_DOUBLE_EQ(obs.TimeOffset, 3600.0 / 86400);
    EXPECT_EQ(obs.LocalTimeStr, "CET");
    reader.ReadTimeOffset("CALSAT32", Path(L"missing.ini"), obs);
    EXPECT_EQ(messages.texts(), std::vector<std::string>{Path(L"missing.ini") + " Not found"});
    EXPECT_EQ(obs.LocalTimeStr, "CET");
}

} // namespace
} // namespace zt
