#include "patcher/PatchGroups.h"

#include <array>

namespace golv {
namespace {

using namespace writes;

// clang-format off
// The first sparkle site always takes the amount, unified or not. Unified, the
// other nine take the same amount; not unified, they get the build's own
// amount back; greyed, they stay as they are.
constexpr auto kRows = std::to_array<WriteRow>({
    put("FireballSpriteSizeOffset",    0, {hexText("FireballSpriteSize")}),
    put("FireballDurationOffset",      0, {hexText("FireballDuration")}),
    put("FireballDispersionOffset",    0, {hexText("FireballDispersion")}),
    put("BlastRadiusOffset",           0, {hexText("BlastRadius")}),
    // The window keeps these two as the engine's four bytes read high to low.
    put("BlastTimeoutOffset",          0, {reversedHex("BlastTimeout")}),
    put("BlastSizeOffset",             0, {reversedHex("BlastSize")}),
    put("SparkleAmountOffset",         0, {byte("SparkleAmount")}),
    put("SparkleFallOffDelayOffset",   0, {byte("SparkleFallOffDelay")}),
    put("SparkleSpriteInitSizeOffset", 0, {byte("SparkleSpriteInitSize")}),
    put("SparkleSpriteIDOffset",       0, {byte("SparkleSpriteID")}),
    put("AnimTextIntervalOffset",      0, {byte("AnimTextInterval")}),
    put("FlybyBarHeightOffset",        0, {byte("FlybyBarsHeight")}),
    put("FlybyBarSpeedOffset",         0, {byte("FlybyBarsSpeed")}),
    put("UWDustAmountOffset",          0, {byte("UWDustMaxAmount")}),
    put("UWDustMeltSpeedOffset",       0, {byte("UWDustMeltSpeed")}),
    put("SparkleAmountOffset2",        0, {data("SparklesUnifyDefAmount")},    {is("UnifyAmount", 0)}),
    put("SparkleAmountOffset2",        0, {value(ByteOf, "SparkleAmount")},    {is("UnifyAmount", 1)}, "UnifyAmount"),
    put("SparkleAmountOffset3",        0, {data("SparklesUnifyDefAmount")},    {is("UnifyAmount", 0)}),
    put("SparkleAmountOffset3",        0, {value(ByteOf, "SparkleAmount")},    {is("UnifyAmount", 1)}, "UnifyAmount"),
    put("SparkleAmountOffset4",        0, {data("SparklesUnifyDefAmount")},    {is("UnifyAmount", 0)}),
    put("SparkleAmountOffset4",        0, {value(ByteOf, "SparkleAmount")},    {is("UnifyAmount", 1)}, "UnifyAmount"),
    put("SparkleAmountOffset5",        0, {data("SparklesUnifyDefAmount")},    {is("UnifyAmount", 0)}),
    put("SparkleAmountOffset5",        0, {value(ByteOf, "SparkleAmount")},    {is("UnifyAmount", 1)}, "UnifyAmount"),
    put("SparkleAmountOffset6",        0, {data("SparklesUnifyDefAmount")},    {is("UnifyAmount", 0)}),
    put("SparkleAmountOffset6",        0, {value(ByteOf, "SparkleAmount")},    {is("UnifyAmount", 1)}, "UnifyAmount"),
    put("SparkleAmountOffset7",        0, {data("SparklesUnifyDefAmount")},    {is("UnifyAmount", 0)}),
    put("SparkleAmountOffset7",        0, {value(ByteOf, "SparkleAmount")},    {is("UnifyAmount", 1)}, "UnifyAmount"),
    put("SparkleAmountOffset8",        0, {data("SparklesUnifyDefAmount")},    {is("UnifyAmount", 0)}),
    put("SparkleAmountOffset8",        0, {value(ByteOf, "SparkleAmount")},    {is("UnifyAmount", 1)}, "UnifyAmount"),
    put("SparkleAmountOffset9",        0, {data("SparklesUnifyDefAmount")},    {is("UnifyAmount", 0)}),
    put("SparkleAmountOffset9",        0, {value(ByteOf, "SparkleAmount")},    {is("UnifyAmount", 1)}, "UnifyAmount"),
    put("SparkleAmountOffset10",       0, {data("SparklesUnifyDefAmount")},    {is("UnifyAmount", 0)}),
    put("SparkleAmountOffset10",       0, {value(ByteOf, "SparkleAmount")},    {is("UnifyAmount", 1)}, "UnifyAmount"),
    put("FadeoutsSpeedOffset",         0, {byte("FadeoutsSpeed")}),
    put("FadeoutsDurationOffset",      0, {byte("FadeoutsDuration")}),
});
// clang-format on

} // namespace

std::span<const WriteRow> gfx2Writes() { return kRows; }

} // namespace golv
