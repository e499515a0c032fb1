#include "common/core/cp1252.h"

#include <gtest/gtest.h>

namespace {

TEST(Cp1252, EveryByteSurvivesARoundTripThroughUtf8)
{
    std::string all;
    for (int b = 0; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    const std::string utf8 = common::cp1252ToUtf8(all);
    const auto back = common::utf8ToCp1252(utf8);
    EXPECT_EQ(back.bytes, all);
    EXPECT_EQ(back.replaced, 0u);
}

TEST(Cp1252, HighControlRangeMapsToTypographicCharacters)
{
    EXPECT_EQ(common::cp1252ToUtf8("\x80"), "\u20AC");
    EXPECT_EQ(common::cp1252ToUtf8("\x93x\x94"), "\u201Cx\u201D");
    EXPECT_EQ(common::cp1252ToUtf8("\xE9"), "\u00E9");
    EXPECT_EQ(common::utf8ToCp1252("\u2122").bytes, "\x99");
}

TEST(Cp1252, CharactersOutsideTheCodePageAreReplacedAndCounted)
{
    const auto result = common::utf8ToCp1252("a\u4E2Db\U0001F600c");
    EXPECT_EQ(result.bytes, "a?b?c");
    EXPECT_EQ(result.replaced, 2u);
}

TEST(Cp1252, MalformedUtf8IsReplacedNotDropped)
{
    // A lone continuation byte, a truncated sequence at the end, an overlong form.
    EXPECT_EQ(common::utf8ToCp1252("a\x80z").bytes, "a?z");
    EXPECT_EQ(common::utf8ToCp1252("ab\xC3").bytes, "ab?");
    const auto overlong = common::utf8ToCp1252("\xC0\xAF");
    EXPECT_EQ(overlong.replaced, 2u);
}

} // namespace
