// A private scratch folder (with a Japanese name, so UTF-8 paths are exercised) and byte-exact
// file access for the settings store's tests.
#pragma once

#include "platform/LocaleFormats.h"
#include "settings/XMLInifile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

namespace zt::test {

inline std::filesystem::path Utf8Path(const std::string& s) {
    return std::filesystem::path(std::u8string(s.begin(), s.end()));
}

class SettingsFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string("zt-設定-") + info->test_suite_name() + "-" + info->name();
        for (char& c : name)
            if (c == '/')
                c = '_';
        dir = std::filesystem::temp_directory_path() / Utf8Path(name);
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
    }
    void TearDown() override {
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);
    }

    // The UTF-8 path of a file in the scratch folder.
    std::string File(const std::string& name = "zenitrack.xml") const {
        const std::u8string u8 = (dir / Utf8Path(name)).u8string();
        return std::string(u8.begin(), u8.end());
    }
    static std::string ReadBytes(const std::string& file) {
        std::ifstream in(Utf8Path(file), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    static void WriteBytes(const std::string& file, const std::string& bytes) {
        std::ofstream out(Utf8Path(file), std::ios::binary | std::ios::trunc);
        out << bytes;
    }
    std::unique_ptr<TXMLIniFile> Open(const LocaleFormats& fmt = LocaleFormats::US()) const {
        return std::make_unique<TXMLIniFile>(File(), fmt);
    }
    // A store on a file holding exactly the given document.
    std::unique_ptr<TXMLIniFile> OpenWith(const std::string& xml,
                                          const LocaleFormats& fmt = LocaleFormats::US()) {
        WriteBytes(File(), xml);
        return Open(fmt);
    }

    std::filesystem::path dir;
};

} // namespace zt::test
