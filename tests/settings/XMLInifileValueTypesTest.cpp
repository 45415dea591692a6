// The store's further value types: binary, expandable strings, floats, currency, dates.
#include "SettingsTestFiles.h"

#include <map>

namespace zt::test {
namespace {

using XMLIniFileValueTypes = SettingsFileTest;

std::vector<uint8_t> Bytes(int n) {
    std::vector<uint8_t> v;
    for (int i = 0; i < n; ++i)
        v.push_back(uint8_t(i * 17));
    return v;
}

TEST_F(XMLIniFileValueTypes, BinaryTextBreaksAfterEverySixteenthByte) {
    auto ini = Open();
    ini->WriteBinaryData("Empty", {});
    ini->WriteBinaryData("Sixteen", Bytes(16));
    std::vector<uint8_t> seventeen;
    for (int i = 0; i <= 16; ++i)
        seventeen.push_back(uint8_t(i));
    ini->WriteBinaryData("Seventeen", seventeen);
    ini->WriteBinaryData("Long", Bytes(40));

    EXPECT_EQ(ini->ReadString("Empty", "d"), "");
    EXPECT_EQ(ini->GetNodeType("Empty"), xdtBinary);
    EXPECT_EQ(ini->ReadString("Sixteen", ""), "00,11,22,33,44,55,66,77,88,99,AA,BB,CC,DD,EE,FF");
    EXPECT_EQ(ini->ReadString("Seventeen", ""),
              "00,01,02,03,04,05,06,07,08,09,0A,0B,0C,0D,0E,0F,\r\n10");
    ini->UpdateFile();

    auto reloaded = Open();
    std::vector<uint8_t> read{9, 9};
    reloaded->ReadBinaryData("Empty", read);
    EXPECT_TRUE(read.empty());
    reloaded->ReadBinaryData("Seventeen", read);
    EXPECT_EQ(read, seventeen);
    reloaded->ReadBinaryData("Long", read);
    EXPECT_EQ(read, Bytes(40));
    read = {9};
    reloaded->ReadBinaryData("Missing", read);
    EXPECT_TRUE(read.empty());
}

TEST_F(XMLIniFileValueTypes, BinaryReaderSkipsEmptyItemsAndRefusesOthers) {
    auto ini = OpenWith("<root><Gaps>01,,02, 1f ,\n</Gaps><Wide>1FF</Wide><Bad>01,0G</Bad></root>");
    std::vector<uint8_t> read;
    ini->ReadBinaryData("Gaps", read);
    EXPECT_EQ(read, (std::vector<uint8_t>{1, 2, 0x1F}));
    ini->ReadBinaryData("Wide", read);
    EXPECT_EQ(read, (std::vector<uint8_t>{0xFF}));
    read = {7};
    try {
        ini->ReadBinaryData("Bad", read);
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "''0x0G'' は整数ではありません");
    }
    EXPECT_EQ(read, (std::vector<uint8_t>{7})) << "a failed read leaves the array alone";
}

TEST_F(XMLIniFileValueTypes, ExpandStringsTakeSetVariablesOnly) {
    const std::map<std::string, std::string> env{{"HOME", "C:\\Users\\me"}, {"E", ""}};
    TXMLIniFile ini(File(), LocaleFormats::US(),
                    [&](const std::string& name) -> std::optional<std::string> {
                        const auto it = env.find(name);
                        return it == env.end() ? std::nullopt : std::optional(it->second);
                    });
    ini.WriteExpandString("P", "%HOME%\\a&b %UNSET% [%E%] 100% %%");
    EXPECT_EQ(ini.GetNodeType("P"), xdtExpandString);
    EXPECT_EQ(ini.ReadExpandString("P", ""), "C:\\Users\\me\\a&b %UNSET% [] 100% %%");
    EXPECT_EQ(ini.ReadString("P", ""), "%HOME%\\a&b %UNSET% [%E%] 100% %%");
    EXPECT_EQ(ini.ReadExpandString("Missing", "%HOME%"), "C:\\Users\\me");
}

struct LocaleCase {
    const char* name;
    LocaleFormats fmt;
    const char* floatText;    // 1234.5
    const char* currencyText; // -12.34
    const char* dateText;     // 2024-03-05
    const char* timeText;     // 14:07:09
};

class ValueTypesInLocale : public SettingsFileTest,
                           public ::testing::WithParamInterface<LocaleCase> {};

TEST_P(ValueTypesInLocale, WritesTheLocalesFormsAndReadsThemBack) {
    const LocaleCase& c = GetParam();
    const TDateTime date = EncodeDate(2024, 3, 5);
    const TDateTime time = EncodeTime(14, 7, 9);
    {
        auto ini = Open(c.fmt);
        ini->WriteFloat("F", 1234.5);
        ini->WriteFloat("Third", 1.0 / 3);
        ini->WriteCurrency("C", TCurrency{-123400});
        ini->WriteDate("D", date + time);
        ini->WriteDateTime("DT", date + time);
        ini->WriteTime("T", date + time);
        EXPECT_EQ(ini->ReadString("F", ""), c.floatText);
        EXPECT_EQ(ini->ReadString("C", ""), c.currencyText);
        EXPECT_EQ(ini->ReadString("D", ""), c.dateText);
        EXPECT_EQ(ini->ReadString("DT", ""), std::string(c.dateText) + " " + c.timeText);
        EXPECT_EQ(ini->ReadString("T", ""), c.timeText);
        ini->UpdateFile();
    }
    auto ini = Open(c.fmt);
    EXPECT_EQ(ini->ReadFloat("F", 0), 1234.5);
    EXPECT_NEAR(ini->ReadFloat("Third", 0), 1.0 / 3, 1e-15);
    EXPECT_EQ(ini->ReadCurrency("C", {}), TCurrency{-123400});
    EXPECT_EQ(ini->ReadDate("D", 0), date);
    EXPECT_NEAR(ini->ReadDateTime("DT", 0), date + time, 1e-9);
    EXPECT_NEAR(ini->ReadTime("T", 0), time, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Locales, ValueTypesInLocale,
                         ::testing::Values(LocaleCase{"Japanese", LocaleFormats::Japanese(),
                                                      "1234.5", "-12.34", "2024/03/05", "14:07:09"},
                                           LocaleCase{"US", LocaleFormats::US(), "1234.5", "-12.34",
                                                      "3/5/2024", "2:07:09 PM"},
                                           LocaleCase{"German", LocaleFormats::German(), "1234,5",
                                                      "-12,34", "05.03.2024", "14:07:09"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(XMLIniFileValueTypes, EmptyAndForeignTextPerType) {
    auto ini = OpenWith("<root><E/><B> </B><X>1.5</X></root>", LocaleFormats::German());
    for (const char* key : {"E", "B"}) {
        EXPECT_EQ(ini->ReadFloat(key, 2.5), 2.5) << key;
        EXPECT_EQ(ini->ReadTime(key, 0.25), 0.25) << key;
        EXPECT_EQ(ini->ReadInt64(key, 3), 3) << key;
    }
    EXPECT_THROW(ini->ReadCurrency("E", {}), EConvertError);
    EXPECT_THROW(ini->ReadDate("E", 0), EConvertError);
    EXPECT_THROW(ini->ReadDateTime("E", 0), EConvertError);
    try {
        ini->ReadFloat("X", 0);
        FAIL() << "a point is no decimal separator in German";
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "'1.5' は浮動小数点数ではありません");
    }
    EXPECT_THROW(ini->ReadCurrency("X", {}), EConvertError);
    EXPECT_EQ(ini->ReadFloat("Missing", 7.5), 7.5);
    EXPECT_EQ(ini->ReadDate("Missing", 9.0), 9.0);
}

} // namespace
} // namespace zt::test
