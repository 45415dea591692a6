#include "app/BeepTable.h"

#include <gtest/gtest.h>

namespace zt {
namespace {

TEST(BeepTable, ParsesPadsAndFallsBack) {
    struct Case {
        const char* stored;
        TBeepTable table;
    };
    const Case cases[] = {
        {"1000,2000,750,500,500,500", DefaultBeepTable},
        {"800,1000", {800, 1000, 0, 0, 0, 0}},
        {"1,2,3,4,5,6,7,8", {1, 2, 3, 4, 5, 6}},
        {"1 2, 3 ,4", {1, 2, 3, 4, 0, 0}},
        {"\"5\",+6,-7", {5, 6, -7, 0, 0, 0}},
        // Not an integer: the default's value at that position.
        {"800,x,,12.5,99999999999,600", {800, 2000, 750, 500, 500, 600}},
        {"", {1000, 0, 0, 0, 0, 0}},
        {"\"unclosed,1,2", {1000, 0, 0, 0, 0, 0}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseBeepTable(c.stored), c.table) << c.stored;
}

TEST(BeepTable, CommaTextKeepsQuotedSeparatorsAndEmptyItems) {
    EXPECT_EQ(SplitCommaText(" a, \"b c\",,\"d\"\"e\","),
              (std::vector<std::string>{"a", "b c", "", "d\"e", ""}));
}

TEST(BeepTable, FormatsSixItems) {
    EXPECT_EQ(FormatBeepTable(ParseBeepTable("800,1000")), "800,1000,0,0,0,0");
    EXPECT_EQ(FormatBeepTable(DefaultBeepTable), DefaultBeepText);
}

} // namespace
} // namespace zt
