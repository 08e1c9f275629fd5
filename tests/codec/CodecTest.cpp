#include "codec/Codec.h"

#include "support/RecordingInteraction.h"

#include <gtest/gtest.h>

namespace golv {
namespace {

using test::RecordingInteraction;

constexpr char kDecHexWarningStart[] = "Warning: possible error during DEC>HEX conversion. ";

class CodecTest : public ::testing::Test {
protected:
    RecordingInteraction ui;
    Codec codec{ui};
};

TEST_F(CodecTest, TrueHex2WritesPaddedUpperCaseHex)
{
    struct Row {
        const char* name;
        const char* text;
        std::size_t width;
        const char* expected;
    };
    const Row rows[] = {
        {"byte 255", "255", 2, "FF"},
        {"word 5 is padded", "5", 4, "0005"},
        {"half rounds to even", "2.5", 2, "02"},
        {"3.5 rounds up to even", "3.5", 2, "04"},
        {"negative gives eight digits, wider than the field", "-1", 2, "FFFFFFFF"},
        {"negative five", "-5", 2, "FFFFFFFB"},
        {"wider value keeps its digits", "300", 2, "12C"},
        {"zero", "0", 2, "00"},
        {"dword", "123456", 8, "0001E240"},
        {"largest 32-bit value", "2147483647", 8, "7FFFFFFF"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(codec.TrueHex2(row.text, row.width), row.expected);
    }
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(CodecTest, TrueHex2WarnsAboutTextThatIsNoNumberAndGivesZeros)
{
    for (const char* text : {"abc", "", "2147483648", "12x"}) {
        SCOPED_TRACE(text);
        ui.messages.clear();
        EXPECT_EQ(codec.TrueHex2(text, 4), "0000");
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(
            ui.messages[0].text, std::string(kDecHexWarningStart) + "You have entered incorrect value (" + text + ").");
    }
}

TEST(Invrt, reversesTheByteOrder)
{
    EXPECT_EQ(Invrt("0005"), "0500");
    EXPECT_EQ(Invrt("12345678"), "78563412");
    EXPECT_EQ(Invrt("0001E240"), "40E20100");
    EXPECT_EQ(Invrt(""), "");
    // Odd text is left for wb to refuse by name instead of losing digits.
    EXPECT_EQ(Invrt("ABCDEFG"), "ABCDEFG");
}

TEST(HexTail, keepsTheLowByteOfANegatedValue)
{
    EXPECT_EQ(HexTail("FFFFFFFB", 6), "FB");
    EXPECT_EQ(HexTail("00", 6), "00");
    EXPECT_EQ(HexTail("FFFFFF38", 4), "FF38");
    EXPECT_EQ(HexTail("123456", 6), "123456");
}

TEST_F(CodecTest, wbTurnsDigitPairsIntoBytesInTextOrder)
{
    EXPECT_EQ(codec.wb("E9C0"), (Bytes{0xE9, 0xC0}));
    EXPECT_EQ(codec.wb("9090909090"), Bytes(5, 0x90));
    EXPECT_EQ(codec.wb("0A0B"), (Bytes{0x0A, 0x0B}));
    EXPECT_EQ(codec.wb("a0b1"), (Bytes{0xA0, 0xB1})) << "lower case is read too";
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(CodecTest, wbWarnsAboutShortTextAndFailsOnEmptyText)
{
    EXPECT_EQ(codec.wb("A"), (Bytes{0x0A})) << "one digit still gives one byte";
    EXPECT_FALSE(codec.wb("").has_value());
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[0].text,
        std::string(kDecHexWarningStart) + "Resulting hex string length is less than 1 byte.\nSource string: ''A''");
    EXPECT_EQ(ui.messages[1].text,
        std::string(kDecHexWarningStart) + "Resulting hex string length is less than 1 byte.\nSource string: ''''");
}

TEST_F(CodecTest, wbRefusesOddLengthsRatherThanGuessBytes)
{
    // 300 as a byte gives "12C": writing 12 would put a wrong byte in the executable.
    for (const char* text : {"12C", "ABCDE", "ABCDEFG"}) {
        SCOPED_TRACE(text);
        ui.messages.clear();
        EXPECT_FALSE(codec.wb(text).has_value());
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_NE(ui.messages[0].text.find(std::string("Source string: ''") + text + "''"), std::string::npos);
    }
}

TEST_F(CodecTest, HexToLongReadsEitherCaseAndWarnsOncePerRun)
{
    EXPECT_EQ(codec.HexToLong(""), 0);
    EXPECT_EQ(codec.HexToLong("ff"), 255);
    EXPECT_EQ(codec.HexToLong("FFF6"), 65526);
    EXPECT_EQ(codec.HexToLong("7FFFFFFF"), 2147483647);
    EXPECT_EQ(codec.HexToLong("80000000"), -2147483647 - 1);
    EXPECT_EQ(codec.HexToLong("FFFFFFFF"), -1);
    EXPECT_EQ(codec.HexToLong("000000001"), 1) << "leading zeros are not significant";
    EXPECT_TRUE(ui.messages.empty());

    EXPECT_EQ(codec.HexToLong("ZZ"), 0);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text,
        "There was an error when converting some hexadecimal value to a decimal.\n"
        "Make sure that config/preset file contains no wrong data.\n"
        "Source string: ''ZZ''");
    EXPECT_TRUE(codec.hexErrorShown());

    EXPECT_EQ(codec.HexToLong("123456789"), 0) << "nine significant digits";
    EXPECT_EQ(codec.HexToLong("1 2"), 0);
    EXPECT_EQ(ui.messages.size(), 1u) << "later failures stay silent";

    codec.setHexErrorShown(false);
    EXPECT_EQ(codec.HexToLong("G"), 0);
    EXPECT_EQ(ui.messages.size(), 2u) << "a cleared flag warns again";
}

TEST_F(CodecTest, wbGivesZeroForBadDigitsWithTheHexWarning)
{
    EXPECT_EQ(codec.wb("ZZ01"), (Bytes{0x00, 0x01}));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text.rfind("There was an error", 0), 0u);
}

TEST_F(CodecTest, legacyConvertersReadHexOnlyWhenTheFileHasNoVersion)
{
    struct Row {
        const char* name;
        const char* version;
        const char* value;
        const char* hexValue;
        const char* signedByte;
        const char* signedWord;
    };
    const Row rows[] = {
        {"old preset without version", "", "FF", "255", "-1", "-65281"},
        {"old preset, word", "", "FFF6", "65526", "65270", "-10"},
        {"current file keeps text", "0.673", "FF", "FF", "FF", "FF"},
        {"any version keeps text", "0.671", "10", "10", "10", "10"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        codec.setConfigVersion(row.version);
        EXPECT_EQ(codec.LegacyHexValue(row.value), row.hexValue);
        EXPECT_EQ(codec.LegacyHexSByte(row.value), row.signedByte);
        EXPECT_EQ(codec.LegacyHexSWord(row.value), row.signedWord);
    }
}

TEST_F(CodecTest, LegacyNegValueNegatesFilesOlderThan0672)
{
    codec.setConfigVersion("0.673");
    EXPECT_EQ(codec.LegacyNegValue("10"), "10");
    codec.setConfigVersion("0.672");
    EXPECT_EQ(codec.LegacyNegValue("10"), "10");
    codec.setConfigVersion("0.671");
    EXPECT_EQ(codec.LegacyNegValue("10"), "-10");
    EXPECT_EQ(codec.LegacyNegValue("0"), "0");
    EXPECT_FALSE(codec.LegacyNegValue("abc").has_value());
    codec.setConfigVersion("");
    // An old preset's hex FFF6 becomes -10 as a signed word, then 10.
    EXPECT_EQ(codec.LegacyNegValue(codec.LegacyHexSWord("FFF6")), "10");
}

} // namespace
} // namespace golv
