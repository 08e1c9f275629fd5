#include "codec/Codec.h"

#include "support/RecordingInteraction.h"

#include <gtest/gtest.h>

namespace golv {
namespace {

constexpr char kDecHexWarningStart[] = "Warning: possible error during DEC>HEX conversion. ";

class CodecTest : public ::testing::Test {
protected:
    test::RecordingInteraction ui;
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
        {"wider value keeps its digits", "300", 2, "12C"},
        {"dword", "123456", 8, "0001E240"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(codec.TrueHex2(row.text, row.width), row.expected);
    }
    EXPECT_TRUE(ui.messages.empty());

    for (const char* text : {"abc", "", "2147483648", "12x", "1 2", "0x10"}) {
        SCOPED_TRACE(text);
        ui.messages.clear();
        EXPECT_EQ(codec.TrueHex2(text, 4), "0000");
        EXPECT_EQ(ui.messageTexts(),
            std::vector<std::string>{
                std::string(kDecHexWarningStart) + "You have entered incorrect value (" + text + ")."});
    }
}

TEST(Invrt, reversesTheByteOrderAndLeavesOddTextForWbToRefuse)
{
    EXPECT_EQ(Invrt("0001E240"), "40E20100");
    EXPECT_EQ(Invrt("0005"), "0500");
    EXPECT_EQ(Invrt("ABCDEFG"), "ABCDEFG");
    EXPECT_EQ(HexTail("FFFFFFFB", 6), "FB") << "the low byte of a negated value";
}

TEST_F(CodecTest, wbTurnsDigitPairsIntoBytesAndRefusesWhatIsNoWholeByte)
{
    EXPECT_EQ(codec.wb("E9C0"), (Bytes{0xE9, 0xC0}));
    EXPECT_EQ(codec.wb("a0b1"), (Bytes{0xA0, 0xB1})) << "lower case is read too";
    EXPECT_TRUE(ui.messages.empty());

    const std::string shortWarning
        = std::string(kDecHexWarningStart) + "Resulting hex string length is less than 1 byte.\nSource string: ''";
    EXPECT_EQ(codec.wb("A"), (Bytes{0x0A})) << "one digit still gives one byte";
    EXPECT_FALSE(codec.wb("").has_value());
    EXPECT_EQ(ui.messageTexts(), (std::vector<std::string>{shortWarning + "A''", shortWarning + "''"}));

    // 300 as a byte gives "12C": writing 12 would put a wrong byte in the executable.
    ui.messages.clear();
    EXPECT_FALSE(codec.wb("12C").has_value());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].text.find("Source string: ''12C''"), std::string::npos);

    ui.messages.clear();
    EXPECT_EQ(codec.wb("ZZ01"), (Bytes{0x00, 0x01})) << "bad digits give 0 with the hex warning";
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text.rfind("There was an error", 0), 0u);
}

TEST_F(CodecTest, HexToLongReadsEitherCaseAndWarnsOncePerRun)
{
    EXPECT_EQ(codec.HexToLong(""), 0);
    EXPECT_EQ(codec.HexToLong("ff"), 255);
    EXPECT_EQ(codec.HexToLong("7FFFFFFF"), 2147483647);
    EXPECT_EQ(codec.HexToLong("FFFFFFFF"), -1);
    EXPECT_EQ(codec.HexToLong("000000001"), 1) << "leading zeros are not significant";
    EXPECT_TRUE(ui.messages.empty());

    EXPECT_EQ(codec.HexToLong("ZZ"), 0);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text,
        "There was an error when converting some hexadecimal value to a decimal.\n"
        "Make sure that config/preset file contains no wrong data.\n"
        "Source string: ''ZZ''");
    EXPECT_EQ(codec.HexToLong("123456789"), 0) << "nine significant digits";
    EXPECT_EQ(ui.messages.size(), 1u) << "later failures stay silent";

    codec.setHexErrorShown(false);
    EXPECT_EQ(codec.HexToLong("G"), 0);
    EXPECT_EQ(ui.messages.size(), 2u) << "a cleared flag warns again";
}

} // namespace
} // namespace golv
