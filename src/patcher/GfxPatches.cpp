#include "patcher/PatchGroups.h"

#include <array>

namespace golv {
namespace {

using namespace writes;

// clang-format off
// The colours of this window are blue first, alpha last where there is one.
// The gradient boxes write the inverse of their state: unchecked is full
// strength (FF) at all six bytes, checked none (00), greyed leaves them.
constexpr auto kRows = std::to_array<WriteRow>({
    // Each pair of lightning shape bytes goes out as one write: the first at
    // the position, the second one byte after it.
    put("LightingRaw1Offset",       0, {hexText("LightingRAW1"), hexText("LightingRAW2")}),
    put("LightingRaw2Offset",       0, {hexText("LightingRAW3"), hexText("LightingRAW4")}),
    put("LightingRaw3Offset",       0, {hexText("LightingRAW5"), hexText("LightingRAW6")}),
    put("LightingDispOffset",       0, {hexText("LightingDispTime")}),
    put("LightingRangOffset",       0, {hexText("LightingDispRange")}),
    put("RicoColourOffset",         0, {byte("RicoAddB"), byte("RicoAddG"), byte("RicoAddR")}),
    // Obsolete, but still written on every run; only checked turns it on.
    put("LightingNoCSOffset",       0, {literal("01")}, {is("LightingIndirect", 1)}),
    put("LightingNoCSOffset",       0, {literal("00")}, {isNot("LightingIndirect", 1)}),
    put("BloodSizeOffset",          0, {hexText("BloodSize")}),
    put("BloodIntensityOffset",     0, {hexText("BloodIntensity")}),
    put("BloodLifetimeOffset",      0, {hexText("BloodLifetime")}),
    put("BloodSpreadXOffset",       0, {hexText("BloodSpreadX")}),
    put("BloodSpreadYOffset",       0, {hexText("BloodSpreadY")}),
    put("GFXRandFactorOffset",      0, {reversedHex("GFXRandFactor")}),
    put("LightingSizeOffset",       0, {hexText("LightingSize")}),
    put("GunflashColourOffset",     0, {byte("GunflashAddB"), byte("GunflashAddG"), byte("GunflashAddR")}),
    // One duration serves the pistols in both hands.
    put("PistolSmokeDurRiteOffset", 0, {hexText("PistolSmokeDur")}),
    put("PistolSmokeDurLeftOffset", 0, {hexText("PistolSmokeDur")}),
    put("RevolSmokeDurOffset",      0, {hexText("RevolverSmokeDur")}),
    put("LightingCoreColourOffset", 0, {byte("LightingCoreColourB"), byte("LightingCoreColourG"),
                                        byte("LightingCoreColourR"), byte("LightingCoreColourA")}),
    put("WallpaperColourOffset",    0, {byte("WallpaperAddB"), byte("WallpaperAddG"), byte("WallpaperAddR")}),
    put("WaterdropsColourOffset",   0, {byte("WaterdropsAddB"), byte("WaterdropsAddG"), byte("WaterdropsAddR")}),
    put("ShadowColourOffset",       0, {byte("ShadowB"), byte("ShadowG"), byte("ShadowR"), byte("ShadowA")}),
    put("FadeoutColourOffset",      0, {byte("FadeoutB"), byte("FadeoutG"), byte("FadeoutR")}),
    put("WPGradTopOffset1",         0, {literal("00")}, {is("WallpaperGradTop", 1)}),
    put("WPGradTopOffset1",         0, {literal("FF")}, {is("WallpaperGradTop", 0)}),
    put("WPGradTopOffset2",         0, {literal("00")}, {is("WallpaperGradTop", 1)}),
    put("WPGradTopOffset2",         0, {literal("FF")}, {is("WallpaperGradTop", 0)}),
    put("WPGradTopOffset3",         0, {literal("00")}, {is("WallpaperGradTop", 1)}),
    put("WPGradTopOffset3",         0, {literal("FF")}, {is("WallpaperGradTop", 0)}),
    put("WPGradTopOffset4",         0, {literal("00")}, {is("WallpaperGradTop", 1)}),
    put("WPGradTopOffset4",         0, {literal("FF")}, {is("WallpaperGradTop", 0)}),
    put("WPGradTopOffset5",         0, {literal("00")}, {is("WallpaperGradTop", 1)}),
    put("WPGradTopOffset5",         0, {literal("FF")}, {is("WallpaperGradTop", 0)}),
    put("WPGradTopOffset6",         0, {literal("00")}, {is("WallpaperGradTop", 1)}),
    put("WPGradTopOffset6",         0, {literal("FF")}, {is("WallpaperGradTop", 0)}),
    put("WPGradBottomOffset1",      0, {literal("00")}, {is("WallpaperGradBottom", 1)}),
    put("WPGradBottomOffset1",      0, {literal("FF")}, {is("WallpaperGradBottom", 0)}),
    put("WPGradBottomOffset2",      0, {literal("00")}, {is("WallpaperGradBottom", 1)}),
    put("WPGradBottomOffset2",      0, {literal("FF")}, {is("WallpaperGradBottom", 0)}),
    put("WPGradBottomOffset3",      0, {literal("00")}, {is("WallpaperGradBottom", 1)}),
    put("WPGradBottomOffset3",      0, {literal("FF")}, {is("WallpaperGradBottom", 0)}),
    put("WPGradBottomOffset4",      0, {literal("00")}, {is("WallpaperGradBottom", 1)}),
    put("WPGradBottomOffset4",      0, {literal("FF")}, {is("WallpaperGradBottom", 0)}),
    put("WPGradBottomOffset5",      0, {literal("00")}, {is("WallpaperGradBottom", 1)}),
    put("WPGradBottomOffset5",      0, {literal("FF")}, {is("WallpaperGradBottom", 0)}),
    put("WPGradBottomOffset6",      0, {literal("00")}, {is("WallpaperGradBottom", 1)}),
    put("WPGradBottomOffset6",      0, {literal("FF")}, {is("WallpaperGradBottom", 0)}),
    // The user enters a positive speed; the engine scrolls by its negative.
    put("WFallScrollSpeedOffset",   0, {value(NegatedByte, "WFallScrollSpeed")}),
    put("SkyDirOffset",             0, {reversedHex("SkyDir")}),
});
// clang-format on

} // namespace

std::span<const WriteRow> gfxWrites() { return kRows; }

} // namespace golv
