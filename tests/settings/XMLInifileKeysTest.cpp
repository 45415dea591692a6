// Keys: value texts, escaping, conversion rules and their failures.
#include "SettingsTestFiles.h"

#include <optional>

namespace zt::test {
namespace {

using XMLIniFileKeys = SettingsFileTest;

TEST_F(XMLIniFileKeys, StringsSurviveSaveAndReloadExactly) {
    const std::string values[] = {"&",
                                  "<",
                                  ">",
                                  "\"",
                                  "'",
                                  "&amp;",
                                  "&lt;",
                                  "&AMP;gt;",
                                  "&&;;&quot",
                                  "a & b < c > \"d\" 'e'",
                                  "日本語 & Grüße",
                                  " padded ",
                                  "   ",
                                  "tab\tand\nline",
                                  "ctl\x01\x1f",
                                  ""};
    {
        auto ini = Open();
        int i = 0;
        for (const auto& v : values)
            ini->WriteString("K" + std::to_string(i++), v);
        ini->UpdateFile();
    }
    auto ini = Open();
    int i = 0;
    for (const auto& v : values)
        EXPECT_EQ(ini->ReadString("K" + std::to_string(i++), "default"), v);
}

TEST_F(XMLIniFileKeys, EntitiesInHandEditedTextDecodeInAnyCase) {
    auto ini = OpenWith("<root><K>&amp;GT;&amp;Lt;&amp;QUOT;&amp;Amp;x</K></root>");
    EXPECT_EQ(ini->ReadString("K", ""), "><\"&x");
}

TEST_F(XMLIniFileKeys, MissingAndEmptyKeysPerType) {
    auto ini = OpenWith("<root><Empty/><Digits Type=\"9\">42</Digits>"
                        "<Blank Type=\"9\"> </Blank><Blanks>\t \r\n</Blanks></root>");
    EXPECT_EQ(ini->ReadString("Missing", "d"), "d");
    EXPECT_EQ(ini->ReadString("Empty", "d"), "");
    EXPECT_EQ(ini->ReadString("Digits", "d"), "42");
    EXPECT_EQ(ini->ReadInteger("Missing", 7), 7);
    EXPECT_EQ(ini->ReadInteger("Empty", 7), 7);
    EXPECT_EQ(ini->ReadInteger("Blank", 7), 7);
    EXPECT_EQ(ini->ReadInteger("Blanks", 7), 7);
    EXPECT_EQ(ini->ReadString("Blank", "d"), " ");
    EXPECT_TRUE(ini->ReadBool("Missing", true));
    EXPECT_THROW(ini->ReadBool("Empty", true), EConvertError);
}

struct IntegerCase {
    const char* text;
    std::optional<std::int32_t> value; // none: a conversion error
};

class IntegerText : public SettingsFileTest, public ::testing::WithParamInterface<IntegerCase> {};

TEST_P(IntegerText, ReadsByTheIntegerRule) {
    const IntegerCase c = GetParam();
    auto ini = OpenWith(std::string("<root><K>") + c.text + "</K></root>");
    if (c.value) {
        EXPECT_EQ(ini->ReadInteger("K", -99), *c.value);
    } else {
        try {
            ini->ReadInteger("K", -99);
            FAIL() << "accepted " << c.text;
        } catch (const EConvertError& e) {
            EXPECT_STREQ(e.what(),
                         (std::string("''") + c.text + "'' は整数ではありません").c_str());
        }
    }
    EXPECT_FALSE(ini->Modified());
}

INSTANTIATE_TEST_SUITE_P(
    Texts, IntegerText,
    ::testing::Values(IntegerCase{"0x1F", 31}, IntegerCase{"$1F", 31}, IntegerCase{"x1f", 31},
                      IntegerCase{"0X1f", 31}, IntegerCase{" 12", 12}, IntegerCase{"-12", -12},
                      IntegerCase{"+7", 7}, IntegerCase{"007", 7},
                      IntegerCase{"2147483647", 2147483647},
                      IntegerCase{"-2147483648", -2147483647 - 1}, IntegerCase{"$FFFFFFFF", -1},
                      IntegerCase{"0x80000000", -2147483647 - 1}, IntegerCase{"12 ", std::nullopt},
                      IntegerCase{"abc", std::nullopt}, IntegerCase{"3000000000", std::nullopt},
                      IntegerCase{"2147483648", std::nullopt},
                      IntegerCase{"$100000000", std::nullopt}, IntegerCase{"0x", std::nullopt},
                      IntegerCase{"-", std::nullopt}, IntegerCase{"1.5", std::nullopt},
                      IntegerCase{"1e3", std::nullopt}, IntegerCase{"$1G", std::nullopt}));

TEST_F(XMLIniFileKeys, Int64TakesWhatInt32Refuses) {
    auto ini = OpenWith("<root><Big>3000000000</Big><All>$FFFFFFFFFFFFFFFF</All>"
                        "<Over>9223372036854775808</Over><Min>-9223372036854775808</Min></root>");
    EXPECT_EQ(ini->ReadInt64("Big", 0), 3000000000LL);
    EXPECT_THROW(ini->ReadInteger("Big", 0), EConvertError);
    EXPECT_EQ(ini->ReadInt64("All", 0), -1);
    EXPECT_THROW(ini->ReadInt64("Over", 0), EConvertError);
    EXPECT_EQ(ini->ReadInt64("Min", 0), INT64_MIN);
    ini->WriteInt64("W", INT64_MIN);
    EXPECT_EQ(ini->ReadString("W", ""), "-9223372036854775808");
}

struct BoolCase {
    const char* text;
    std::optional<bool> value;
};

class BoolText : public SettingsFileTest, public ::testing::WithParamInterface<BoolCase> {};

TEST_P(BoolText, ReadsByTheBooleanRule) {
    const BoolCase c = GetParam();
    auto ini = OpenWith(std::string("<root><K>") + c.text + "</K></root>");
    if (c.value) {
        EXPECT_EQ(ini->ReadBool("K", !*c.value), *c.value);
    } else {
        try {
            ini->ReadBool("K", false);
            FAIL() << "accepted " << c.text;
        } catch (const EConvertError& e) {
            EXPECT_STREQ(e.what(),
                         (std::string("'") + c.text + "' は正しい論理型ではありません").c_str());
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, BoolText,
                         ::testing::Values(BoolCase{"-1", true}, BoolCase{"1", true},
                                           BoolCase{"true", true}, BoolCase{"TRUE", true},
                                           BoolCase{"2.5", true}, BoolCase{"0", false},
                                           BoolCase{"0.0", false}, BoolCase{"FALSE", false},
                                           BoolCase{"False", false}, BoolCase{"yes", std::nullopt},
                                           BoolCase{"1,5", std::nullopt},
                                           BoolCase{"truex", std::nullopt}));

TEST_F(XMLIniFileKeys, BooleanNumbersUseTheLocalesDecimalSeparator) {
    auto ini = OpenWith("<root><K>0,0</K></root>", LocaleFormats::German());
    EXPECT_FALSE(ini->ReadBool("K", true));
}

TEST_F(XMLIniFileKeys, WrittenValuesReadBackThroughAnyReader) {
    auto ini = Open();
    ini->WriteInteger("I", -2147483647 - 1);
    ini->WriteBool("T", true);
    ini->WriteBool("F", false);
    EXPECT_EQ(ini->ReadInteger("I", 0), -2147483647 - 1);
    EXPECT_EQ(ini->ReadString("I", ""), "-2147483648");
    EXPECT_EQ(ini->ReadString("T", ""), "-1");
    EXPECT_EQ(ini->ReadString("F", ""), "0");
    EXPECT_TRUE(ini->ReadBool("T", false));
    EXPECT_FALSE(ini->ReadBool("F", true));
}

TEST_F(XMLIniFileKeys, ElementWithOtherContentIsNoKey) {
    const std::string message = "要素 \"Options\" に単一のテキスト ノードが含まれていません";
    auto ini = OpenWith("<root><Options><GS232/></Options><Mixed>a<b/>c</Mixed></root>");
    try {
        ini->ReadString("Options", "");
        FAIL();
    } catch (const EXMLDocError& e) {
        EXPECT_EQ(e.what(), message);
    }
    EXPECT_THROW(ini->WriteString("Options", "x"), EXMLDocError);
    EXPECT_THROW(ini->ReadInteger("Mixed", 0), EXMLDocError);
    ASSERT_TRUE(ini->OpenNode("/Options", false));
    EXPECT_TRUE(ini->NodeExists("/Options/GS232")) << "the failed write changed nothing";
}

TEST_F(XMLIniFileKeys, InvalidKeyNamesFailToWriteAndReadAsMissing) {
    auto ini = Open();
    for (const char* name : {"", "1st", "a b", "a/b", "-x", "\xff"}) {
        EXPECT_THROW(ini->WriteString(name, "v"), EXMLDocError) << name;
        EXPECT_EQ(ini->ReadString(name, "d"), "d");
    }
    EXPECT_FALSE(ini->Modified());
    ini->WriteString("名前_1.x", "v"); // non-ASCII names are valid XML names
    EXPECT_EQ(ini->ReadString("名前_1.x", ""), "v");
}

TEST_F(XMLIniFileKeys, TypeAttributeRecordsTheLastWriter) {
    auto ini = Open();
    const std::vector<uint8_t> bytes{1};
    const std::pair<std::function<void()>, TXMLNodeType> writes[] = {
        {[&] { ini->WriteBinaryData("K", bytes); }, xdtBinary},
        {[&] { ini->WriteBool("K", true); }, xdtBool},
        {[&] { ini->WriteCurrency("K", TCurrency{1}); }, xdtCurrency},
        {[&] { ini->WriteDate("K", 45000); }, xdtDate},
        {[&] { ini->WriteDateTime("K", 45000.5); }, xdtDateTime},
        {[&] { ini->WriteExpandString("K", "%X%"); }, xdtExpandString},
        {[&] { ini->WriteFloat("K", 1.5); }, xdtFloat},
        {[&] { ini->WriteInt64("K", 1); }, xdtInt64},
        {[&] { ini->WriteInteger("K", 1); }, xdtInteger},
        {[&] { ini->WriteString("K", "s"); }, xdtString},
        {[&] { ini->WriteTime("K", 0.5); }, xdtTime},
    };
    for (const auto& [write, type] : writes) {
        write();
        EXPECT_EQ(ini->GetNodeType("K"), type);
        EXPECT_EQ(std::string(ini->ChildNodeByName("K").attribute("Type").value()),
                  std::to_string(int(type)));
    }
    EXPECT_EQ(ini->ChildNodeByName("K").attributes_begin()->next_attribute(), pugi::xml_attribute())
        << "one Type attribute, replaced in place";
    EXPECT_EQ(ini->GetNodeType("Missing"), xdtUnknown);
}

TEST_F(XMLIniFileKeys, ForeignTypeAttributeGivesUnknown) {
    auto ini = OpenWith("<root><A/><B Type=\"12\"/><C Type=\"x\"/><D Type=\"4\"/></root>");
    EXPECT_EQ(ini->GetNodeType("A"), xdtUnknown);
    EXPECT_EQ(ini->GetNodeType("B"), xdtUnknown);
    EXPECT_EQ(ini->GetNodeType("C"), xdtUnknown);
    EXPECT_EQ(ini->GetNodeType("D"), xdtDate);
}

} // namespace
} // namespace zt::test
