#include "codec/Numbers.h"

#include <gtest/gtest.h>

namespace golv {
namespace {

TEST(Numbers, leadingNumberTakesTheNumericStartOfAText)
{
    struct Row {
        const char* name;
        const char* text;
        double expected;
    };
    const Row rows[] = {
        {"plain integer", "730225", 730225},
        {"leading zeros", "08", 8},
        {"trailing remark after a space", "1 ; silent", 1},
        {"leading spaces", "   42", 42},
        {"sign and fraction", "-2.5", -2.5},
        {"fraction without integer part", ".5", 0.5},
        {"exponent", "1e3", 1000},
        {"exponent without digits is not taken", "7e", 7},
        {"letters only", "abc", 0},
        {"empty", "", 0},
        {"sign alone", "-", 0},
        {"hex digits are not decimal", "FF", 0},
        {"digits then hex letters", "12AB", 12},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto value = leadingNumber(row.text);
        ASSERT_TRUE(value.has_value());
        EXPECT_DOUBLE_EQ(*value, row.expected);
    }
    EXPECT_FALSE(leadingNumber("1e400").has_value()) << "too large for a double";
}

TEST(Numbers, strictNumberRefusesEverythingButOneNumber)
{
    EXPECT_EQ(strictNumber("255"), 255.0);
    EXPECT_EQ(strictNumber("  -7 "), -7.0);
    EXPECT_EQ(strictNumber("2.5"), 2.5);
    for (const char* text : {"", " ", "abc", "12abc", "1 2", "0x10", "--1", "."}) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(strictNumber(text).has_value());
    }
}

TEST(Numbers, roundingTakesHalvesToTheEvenNeighbour)
{
    EXPECT_EQ(roundToInt32(2.5), 2);
    EXPECT_EQ(roundToInt32(3.5), 4);
    EXPECT_EQ(roundToInt32(-2.5), -2);
    EXPECT_EQ(roundToInt32(2.6), 3);
    EXPECT_EQ(roundToInt32(2147483647.0), 2147483647);
    EXPECT_FALSE(roundToInt32(2147483647.5).has_value()) << "rounds to 2147483648";
    EXPECT_EQ(roundToInt16(32767), 32767);
    EXPECT_FALSE(roundToInt16(32768).has_value());
    EXPECT_EQ(roundToByte(255.4), 255);
    EXPECT_FALSE(roundToByte(256).has_value());
    EXPECT_FALSE(roundToByte(-1).has_value());
}

TEST(Numbers, formatNumberWritesTheShortestDecimal)
{
    EXPECT_EQ(formatNumber(8), "8");
    EXPECT_EQ(formatNumber(-10), "-10");
    EXPECT_EQ(formatNumber(-0.0), "0");
    EXPECT_EQ(formatNumber(2.5), "2.5");
    EXPECT_EQ(formatNumber(-65526), "-65526");
}

TEST(Numbers, wholeNumberAcceptsOnlyIntegers)
{
    EXPECT_EQ(wholeNumber("12"), 12);
    EXPECT_EQ(wholeNumber("-3"), -3);
    EXPECT_EQ(wholeNumber("12 "), 12);
    for (const char* text : {"", "12.0", "1e2", "x", "12a", "99999999999"}) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(wholeNumber(text).has_value());
    }
}

} // namespace
} // namespace golv
