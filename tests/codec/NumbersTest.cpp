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
        {"trailing remark after a space", "1 ; silent", 1},
        {"leading spaces", "   42", 42},
        {"sign and fraction", "-2.5", -2.5},
        {"fraction without integer part", ".5", 0.5},
        {"exponent", "1e3", 1000},
        {"exponent without digits is not taken", "7e", 7},
        {"letters only", "abc", 0},
        {"empty", "", 0},
        {"hex digits are not decimal", "FF", 0},
        {"digits then hex letters", "12AB", 12},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(leadingNumber(row.text), row.expected);
    }
    EXPECT_FALSE(leadingNumber("1e400").has_value()) << "too large for a double";
}

TEST(Numbers, aNegatedZeroIsWrittenAsZero) { EXPECT_EQ(formatNumber(-0.0), "0"); }

} // namespace
} // namespace golv
