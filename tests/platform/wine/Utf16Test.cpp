#include "platform/win32/Utf16.h"

#include <gtest/gtest.h>

namespace zt {
namespace {

TEST(Utf16, RoundTripsJapaneseAndSymbols) {
    const std::string text = "バージョン情報 123° <&>";
    const std::wstring wide = ToUtf16(text);
    EXPECT_EQ(wide.size(), 16u);
    EXPECT_EQ(wide[0], L'\u30D0');
    EXPECT_EQ(ToUtf8(wide), text);
    EXPECT_EQ(ToUtf8(ToUtf16("")), "");
}

} // namespace
} // namespace zt
