#include "codec/Numbers.h"

#include <gtest/gtest.h>

#include <optional>

namespace golv {
namespace {

using Number = std::optional<double>;
using Whole = std::optional<std::int32_t>;
constexpr std::nullopt_t none = std::nullopt;

// How one text reads: its leading number (what most keys take), as a whole
// text (what a field's check takes), as a whole number (positions), and
// whether it has a number at all.
TEST(Numbers, aTextReadsAsItsNumberOrAsNone)
{
    struct Row {
        const char* text;
        Number leading;
        Number strict;
        Whole whole;
        bool starts = false; // whether it has a leading number at all
    };
    const Row rows[] = {
        {"1 ; silent", 1, none, none, true},
        {"   42  ", 42, 42, 42, true},
        {"-2.5", -2.5, -2.5, none, true},
        {"+7", 7, 7, 7, true},
        {"-12", -12, -12, -12, true},
        {".5", 0.5, 0.5, none, true},
        {"5.", 5, 5, none, true},
        {".", 0, none, none},
        {"-", 0, none, none},
        {"", 0, none, none},
        {"  ", 0, none, none},
        {"1e3", 1000, 1000, none, true},
        {"2E-1", 0.2, 0.2, none, true},
        {"7e", 7, none, none, true},
        {"7e+", 7, none, none, true},
        {"FF", 0, none, none},
        {"12AB", 12, none, none, true},
        {"1e400", none, none, none, true},
        {"2147483647", 2147483647, 2147483647, 2147483647, true},
        {"2147483648", 2147483648.0, 2147483648.0, none, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string("\"") + row.text + "\"");
        EXPECT_EQ(leadingNumber(row.text), row.leading);
        EXPECT_EQ(strictNumber(row.text), row.strict);
        EXPECT_EQ(wholeNumber(row.text), row.whole);
        EXPECT_EQ(startsWithNumber(row.text), row.starts);
    }
}

// Halves go to the even neighbour, and a value its field cannot hold is none
// rather than a wrapped byte.
TEST(Numbers, roundingIntoAFieldKeepsToItsLimits)
{
    struct Row {
        double value;
        std::optional<std::int32_t> int32;
        std::optional<std::int16_t> int16;
        std::optional<std::uint8_t> byte;
    };
    const Row rows[] = {
        {2.5, 2, 2, 2},
        {3.5, 4, 4, 4},
        {-2.5, -2, -2, none},
        {-0.4, 0, 0, 0},
        {255.4, 255, 255, 255},
        {255.5, 256, 256, none},
        {32767.6, 32768, none, none},
        {-32769, -32769, none, none},
        {2147483647, 2147483647, none, none},
        {2147483648.0, none, none, none},
        {-2147483648.0, -2147483647 - 1, none, none},
        {-2147483649.0, none, none, none},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.value);
        EXPECT_EQ(roundToInt32(row.value), row.int32);
        EXPECT_EQ(roundToInt16(row.value), row.int16);
        EXPECT_EQ(roundToByte(row.value), row.byte);
    }
}

TEST(Numbers, aNumberIsWrittenAsAFileShowsIt)
{
    const std::pair<double, const char*> rows[]
        = {{-0.0, "0"}, {0, "0"}, {5, "5"}, {-2.5, "-2.5"}, {0.1, "0.1"}, {1e20, "1E+20"}, {2.5e-7, "2.5E-07"}};
    for (const auto& [value, text] : rows)
        EXPECT_EQ(formatNumber(value), text) << value;
}

} // namespace
} // namespace golv
