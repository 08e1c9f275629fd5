#include "codec/Codec.h"

#include <gtest/gtest.h>

namespace golv {
namespace {

using Warnings = std::vector<std::string>;

constexpr char kDecHexWarningStart[] = "Warning: possible error during DEC>HEX conversion. ";
constexpr char kHexWarning[] = "There was an error when converting some hexadecimal value to a decimal.\n"
                               "Make sure that config/preset file contains no wrong data.\n"
                               "Source string: ''";

// Invrt then puts the bytes in file order; an odd number of digits it
// leaves for wb to refuse.
TEST(Codec, TrueHex2WritesPaddedUpperCaseHexThatInvrtReverses)
{
    struct Row {
        const char* name;
        const char* text;
        std::size_t width;
        const char* expected;
        const char* inverted;
    };
    const Row rows[] = {
        {"byte 255", "255", 2, "FF", "FF"},
        {"word 5 is padded", "5", 4, "0005", "0500"},
        {"negative gives eight digits, wider than the field", "-1", 2, "FFFFFFFF", "FFFFFFFF"},
        {"wider value keeps its digits", "300", 2, "12C", "12C"},
        {"dword", "123456", 8, "0001E240", "40E20100"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const Converted<std::string> hex = TrueHex2(row.text, row.width);
        EXPECT_EQ(hex.value, row.expected);
        EXPECT_EQ(Invrt(hex.value), row.inverted);
        EXPECT_TRUE(hex.warnings.empty());
    }
    EXPECT_EQ(HexTail(TrueHex2("-5", 2).value, 6), "FB") << "the low byte of a negated value";
    for (const char* text : {"abc", "", "2147483648", "12x", "1 2", "0x10"}) {
        SCOPED_TRACE(text);
        const Converted<std::string> hex = TrueHex2(text, 4);
        EXPECT_EQ(hex.value, "0000");
        EXPECT_EQ(hex.warnings,
            Warnings{std::string(kDecHexWarningStart) + "You have entered incorrect value (" + text + ")."});
    }
}

TEST(Codec, wbTurnsDigitPairsIntoBytesAndRefusesWhatIsNoWholeByte)
{
    const std::string shortWarning
        = std::string(kDecHexWarningStart) + "Resulting hex string length is less than 1 byte.\nSource string: ''";
    struct Row {
        const char* text;
        std::optional<Bytes> bytes;
        Warnings warnings;
    };
    const Row rows[] = {
        {"E9C0", Bytes{0xE9, 0xC0}, {}}, {"a0b1", Bytes{0xA0, 0xB1}, {}}, // lower case is read too
        {"A", Bytes{0x0A}, {shortWarning + "A''"}},                       // one digit still gives one byte
        {"", std::nullopt, {shortWarning + "''"}},
        // 300 as a byte gives "12C": writing 12 would put a wrong byte in the executable.
        {"12C", std::nullopt,
            {std::string(kDecHexWarningStart)
                + "Resulting hex string has an odd number of digits, so its bytes cannot be told.\nSource string: "
                  "''12C''"}},
        {"ZZ01", Bytes{0x00, 0x01}, {kHexWarning + std::string("ZZ''")}}, // bad digits give 0
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        const auto [bytes, warnings] = wb(row.text);
        EXPECT_EQ(bytes, row.bytes);
        EXPECT_EQ(warnings, row.warnings);
    }
}

TEST(Codec, HexToLongReadsEitherCaseAndWarnsOfEverythingElse)
{
    const std::pair<const char*, std::int32_t> rows[] = {{"", 0}, {"ff", 255}, {"7FFFFFFF", 2147483647},
        {"FFFFFFFF", -1}, {"000000001", 1}, {"ZZ", 0}, {"123456789", 0}, {"G", 0}};
    for (const auto& [text, value] : rows) {
        SCOPED_TRACE(text);
        const Converted<std::int32_t> number = HexToLong(text);
        EXPECT_EQ(number.value, value);
        const bool bad = value == 0 && std::string_view(text) != "";
        EXPECT_EQ(number.warnings, bad ? Warnings{kHexWarning + std::string(text) + "''"} : Warnings{});
    }
}

} // namespace
} // namespace golv
