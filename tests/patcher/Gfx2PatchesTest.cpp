#include "patcher/PatchGroups.h"

#include "patcher/PatchFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace golv {
namespace {

constexpr const char* kOtherSparkleKeys[] = {"SparkleAmountOffset2", "SparkleAmountOffset3", "SparkleAmountOffset4",
    "SparkleAmountOffset5", "SparkleAmountOffset6", "SparkleAmountOffset7", "SparkleAmountOffset8",
    "SparkleAmountOffset9", "SparkleAmountOffset10"};

class Gfx2PatchesTest : public test::PatchFixture {
protected:
    std::string& unifyDefault() { return session.engineData[engineDataIndex("SparklesUnifyDefAmount")]; }
};

TEST_F(Gfx2PatchesTest, DefaultsWriteTheListedBytesAndNothingElse)
{
    const std::initializer_list<test::ExpectedBytes> rows = {
        {"fireball sprite size", "FireballSpriteSizeOffset", 0, "28"},
        {"fireball duration", "FireballDurationOffset", 0, "18"},
        {"fireball dispersion", "FireballDispersionOffset", 0, "33"},
        {"blast radius", "BlastRadiusOffset", 0, "60"},
        {"blast timeout 18806000 reversed", "BlastTimeoutOffset", 0, "00 60 80 18"},
        {"blast size 01300030 reversed", "BlastSizeOffset", 0, "30 00 30 01"},
        {"sparkle amount 8", "SparkleAmountOffset", 0, "08"},
        {"sparkle fall-off delay", "SparkleFallOffDelayOffset", 0, "09"},
        {"sparkle sprite size", "SparkleSpriteInitSizeOffset", 0, "08"},
        {"sparkle sprite", "SparkleSpriteIDOffset", 0, "04"},
        {"animated texture interval", "AnimTextIntervalOffset", 0, "05"},
        {"flyby bars height 16", "FlybyBarHeightOffset", 0, "10"},
        {"flyby bars speed", "FlybyBarSpeedOffset", 0, "01"},
        {"underwater dust amount", "UWDustAmountOffset", 0, "10"},
        {"underwater dust melt speed", "UWDustMeltSpeedOffset", 0, "10"},
        {"sparkle site 2, not unified", "SparkleAmountOffset2", 0, "03"},
        {"sparkle site 3", "SparkleAmountOffset3", 0, "03"},
        {"sparkle site 4", "SparkleAmountOffset4", 0, "03"},
        {"sparkle site 5", "SparkleAmountOffset5", 0, "03"},
        {"sparkle site 6", "SparkleAmountOffset6", 0, "03"},
        {"sparkle site 7", "SparkleAmountOffset7", 0, "03"},
        {"sparkle site 8", "SparkleAmountOffset8", 0, "03"},
        {"sparkle site 9", "SparkleAmountOffset9", 0, "03"},
        {"sparkle site 10", "SparkleAmountOffset10", 0, "03"},
        {"fade-out speed", "FadeoutsSpeedOffset", 0, "03"},
        {"fade-out duration", "FadeoutsDurationOffset", 0, "08"},
    };
    ASSERT_TRUE(runGroup(patchGfx2).isOk());
    expectBytes(rows);
    expectOnlyTheseWritten(rows);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(Gfx2PatchesTest, EveryValueGoesToItsOwnPlace)
{
    // Distinct values, so two settings written at each other's place show.
    set("FireballSpriteSize", "A1");
    set("FireballDuration", "A2");
    set("FireballDispersion", "A3");
    set("BlastRadius", "A4");
    set("BlastTimeout", "01020304");
    set("BlastSize", "05060708");
    set("SparkleAmount", "12");
    set("SparkleFallOffDelay", "13");
    set("SparkleSpriteInitSize", "14");
    set("SparkleSpriteID", "15");
    set("AnimTextInterval", "16");
    set("FlybyBarsHeight", "255");
    set("FlybyBarsSpeed", "17");
    set("UWDustMaxAmount", "18");
    set("UWDustMeltSpeed", "19");
    set("FadeoutsSpeed", "20");
    set("FadeoutsDuration", "21");
    ASSERT_TRUE(runGroup(patchGfx2).isOk());
    expectBytes({
        {"fireball sprite size", "FireballSpriteSizeOffset", 0, "A1"},
        {"fireball duration", "FireballDurationOffset", 0, "A2"},
        {"fireball dispersion", "FireballDispersionOffset", 0, "A3"},
        {"blast radius", "BlastRadiusOffset", 0, "A4"},
        {"blast timeout, last pair first", "BlastTimeoutOffset", 0, "04 03 02 01"},
        {"blast size, last pair first", "BlastSizeOffset", 0, "08 07 06 05"},
        {"sparkle amount 12", "SparkleAmountOffset", 0, "0C"},
        {"sparkle fall-off delay", "SparkleFallOffDelayOffset", 0, "0D"},
        {"sparkle sprite size", "SparkleSpriteInitSizeOffset", 0, "0E"},
        {"sparkle sprite", "SparkleSpriteIDOffset", 0, "0F"},
        {"animated texture interval", "AnimTextIntervalOffset", 0, "10"},
        {"flyby bars height 255", "FlybyBarHeightOffset", 0, "FF"},
        {"flyby bars speed", "FlybyBarSpeedOffset", 0, "11"},
        {"underwater dust amount", "UWDustAmountOffset", 0, "12"},
        {"underwater dust melt speed", "UWDustMeltSpeedOffset", 0, "13"},
        {"fade-out speed", "FadeoutsSpeedOffset", 0, "14"},
        {"fade-out duration", "FadeoutsDurationOffset", 0, "15"},
    });
}

TEST_F(Gfx2PatchesTest, UnifyingSparklesSpreadsTheAmountOverTheOtherNineSites)
{
    struct Row {
        const char* name;
        const char* unify;
        const char* defaultAmount; // the build's entry for the other sites
        const char* others;
    };
    const Row rows[] = {
        {"unchecked: the build's amount", "0", "03", "03 03 03 03 03 03 03 03 03"},
        {"unchecked: whatever the build's entry says", "0", "05", "05 05 05 05 05 05 05 05 05"},
        {"checked: the amount everywhere", "1", "03", "0C 0C 0C 0C 0C 0C 0C 0C 0C"},
        {"greyed: the other sites stay as they are", "2", "03", "CC CC CC CC CC CC CC CC CC"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        fillImage(0xCC);
        set("SparkleAmount", "12");
        set("UnifyAmount", row.unify);
        unifyDefault() = row.defaultAmount;
        ASSERT_TRUE(runGroup(patchGfx2).isOk());
        EXPECT_EQ(hexAt("SparkleAmountOffset", 1), "0C") << "the first site is always written";
        EXPECT_EQ(bytesAt(kOtherSparkleKeys), row.others);
    }
}

TEST_F(Gfx2PatchesTest, TheOtherSparkleSitesAreWrittenInOrderBeforeTheFadeOuts)
{
    for (const char* unify : {"0", "1"}) {
        SCOPED_TRACE(unify);
        set("UnifyAmount", unify);
        ASSERT_TRUE(runGroup(patchGfx2).isOk());
        std::vector<std::int64_t> positions;
        for (const PatchWrite& write : writes)
            positions.push_back(write.position);
        std::vector<std::int64_t> expected;
        for (const char* key : kOtherSparkleKeys)
            expected.push_back(offset(key));
        expected.push_back(offset("FadeoutsSpeedOffset"));
        expected.push_back(offset("FadeoutsDurationOffset"));
        ASSERT_GE(positions.size(), expected.size());
        EXPECT_EQ(
            std::vector(positions.end() - static_cast<std::ptrdiff_t>(expected.size()), positions.end()), expected);
    }
}

TEST_F(Gfx2PatchesTest, UnifyingOnThenOffEqualsOffAlone)
{
    set("SparkleAmount", "12");
    set("UnifyAmount", "0");
    ASSERT_TRUE(runGroup(patchGfx2).isOk());
    const std::string offAlone = image();

    fillImage(0);
    set("UnifyAmount", "1");
    ASSERT_TRUE(runGroup(patchGfx2).isOk());
    EXPECT_FALSE(image() == offAlone);
    set("UnifyAmount", "0");
    ASSERT_TRUE(runGroup(patchGfx2).isOk());
    EXPECT_TRUE(image() == offAlone);
}

TEST_F(Gfx2PatchesTest, AMissingDefaultAmountEndsTheRunOnlyWhenItIsNeeded)
{
    unifyDefault().clear();

    set("UnifyAmount", "1");
    EXPECT_TRUE(runGroup(patchGfx2).isOk());
    EXPECT_TRUE(ui.messages.empty());

    fillImage(0xCC);
    set("UnifyAmount", "0");
    EXPECT_FALSE(runGroup(patchGfx2).isOk());
    EXPECT_EQ(ui.messages.size(), 1u) << "the codec's short-text warning";
    EXPECT_EQ(hexAt("UWDustMeltSpeedOffset", 1), "10") << "earlier writes stay";
    EXPECT_EQ(hexAt("SparkleAmountOffset2", 1), "CC");
    EXPECT_EQ(hexAt("FadeoutsSpeedOffset", 1), "CC");
}

} // namespace
} // namespace golv
