#include "FuzzTarget.h"

#include "calsat/PassTable.h"
#include "platform/DecimalInteger.h"
#include "platform/LocaleFormats.h"
#include "rotator/PositionReply.h"
#include "settings/ValueText.h"
#include "settings/XMLInifile.h"
#include "tests/fakes/FakeFileSystem.h"

#include <exception>
#include <string>

namespace zt::fuzz {

namespace {

const LocaleFormats& Locale(std::size_t i) {
    static const LocaleFormats all[] = {LocaleFormats::Japanese(), LocaleFormats::US(),
                                        LocaleFormats::German()};
    return all[i % 3];
}

// Bad input may be refused with an error; that is the parsers' contract.
template <class F> void Refusing(F f) {
    try {
        f();
    } catch (const std::exception&) {
    }
}

void SettingsFile(std::string_view input) {
    FakeFileSystem files;
    const std::string name = "zenitrack.xml";
    files.files.insert(name);
    files.disk[name] = std::string(input);
    Refusing([&] {
        TXMLIniFile ini(files, name, Locale(input.size()),
                        [](const std::string&) { return std::optional<std::string>("x"); });
        for (const char* path : {"/Options/GS232", "/Options/Com", "/Main", "/Alert"}) {
            if (!ini.OpenNode(path, false))
                continue;
            Refusing([&] { ini.ReadString("ComPort", ""); });
            Refusing([&] { ini.ReadInteger("Interval", 0); });
            Refusing([&] { ini.ReadBool("GoParking", false); });
            Refusing([&] { ini.ReadFloat("AzOffset", 0); });
            Refusing([&] { ini.ReadCurrency("Left", TCurrency{}); });
            Refusing([&] { ini.ReadDate("Top", 0); });
            Refusing([&] { ini.ReadTime("Alert", 0); });
        }
    });
}

void PassTableAndDates(std::string_view input) {
    for (std::size_t locale = 0; locale < 3; ++locale) {
        const LocaleFormats& fmt = Locale(locale);
        TVisibleTime pass{};
        Refusing([&] { ChoosePass(input, 44532.9, 0.375, fmt, pass); });
        Refusing([&] { ParseDate(input, fmt); });
        Refusing([&] { ParseTime(input, fmt); });
        Refusing([&] { ParseDateTime(input, fmt); });
        Refusing([&] { ParseFloat(input, fmt); });
        Refusing([&] { ParseCurrency(input, fmt); });
    }
}

void PositionReplies(std::string_view input) {
    const std::string reply(input);
    for (PositionQuery query : {PositionQuery::Az, PositionQuery::AzEl})
        for (bool gs232b : {false, true})
            if (AcceptedReplyLength(query, reply.size(), gs232b)) {
                const RotatorReading r = ReadRotatorPosition(reply, query, gs232b);
                AntennaDirection(r.Az, r.El, 30);
            }
}

void Numbers(std::string_view input) {
    const LocaleFormats& fmt = Locale(input.size());
    Refusing([&] { ParseIntegerText(input); });
    Refusing([&] { ParseInt64Text(input); });
    Refusing([&] { ParseBoolText(input, fmt); });
    Refusing([&] { ParseBinaryText(input); });
    Refusing([&] { UnescapeValueText(input); });
    Refusing([&] {
        ExpandEnvironmentText(input, [](const std::string& name) -> std::optional<std::string> {
            if (name.size() % 2)
                return std::nullopt;
            return "%" + name + "%";
        });
    });
    TryParseDecimalInteger(input);
}

} // namespace

const std::vector<FuzzTarget>& Targets() {
    static const std::vector<FuzzTarget> targets = {
        {"settings-file",
         SettingsFile,
         {"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Zenitrack><Options><GS232>"
          "<Interval Type=\"Integer\">1000</Interval><GoParking Type=\"Boolean\">True"
          "</GoParking><AzOffset Type=\"Float\">-10.5</AzOffset></GS232><Com><ComPort>COM5"
          "</ComPort></Com></Options><Main><Left>-4</Left><Top>$7FFFFFFF</Top></Main>"
          "</Zenitrack>\n"},
         {"<",
          ">",
          "</",
          "/>",
          "=\"",
          "\"",
          "&amp;",
          "&#x",
          ";",
          "<![CDATA[",
          "]]>",
          "<!--",
          "-->",
          "Type=\"Integer\"",
          "Type=\"Date\"",
          "Type=\"Binary\"",
          "<?xml",
          "?>",
          "\xEF\xBB\xBF",
          "%PATH%"}},
        {"pass-table",
         PassTableAndDates,
         {"2021/12/02 20:50:00 N 0 20:55:30 45 270 21:00:00 340 0 0\r\n"
          "2021/12/02 22:31:10 S 180 22:36:00 12 120 22:41:50 60 0 0",
          "12/2/2021 8:50:00 PM", "02.12.2021 20:50:00", "1.234,56"},
         {"/", ":", ".", ",", " ", "\r\n", "AM", "PM", "99999999999", "-", "+", "0", "2021",
          "24:60:60", "\t"}},
        {"position-reply",
         PositionReplies,
         {"+0100+0045", "+0100", "AZ=100  EL=045\r", "AZ=100\r\n", "+0360+0091"},
         {"+", "-", "AZ=", "EL=", "\r", "\n", " ", "9999", "0"}},
        {"numbers",
         Numbers,
         {"-2147483648", "$7FFFFFFF", "0x1F", "True", "0A1BFF", "a\\nb\\tc%HOME%\\\\"},
         {"-", "+", "$", "0x", "\\", "%", "9223372036854775808", "e308", "\\u", "False"}},
    };
    return targets;
}

} // namespace zt::fuzz
