#include "patcher/PatchGroups.h"

#include "config/VersionTables.h"
#include "patcher/PatchWriter.h"
#include "settings/SettingId.h"

#include <array>

namespace golv {

void patchGfx(PatchWriter& writer)
{
    // The gradient boxes write the inverse of their state: unchecked is full
    // strength (FF) at all six bytes, checked none (00), greyed leaves them.
    const auto gradient = [&](SettingId box, const std::array<int, 6>& slots) {
        const int state = writer.state(box);
        if (state != 0 && state != 1)
            return;
        for (const int slot : slots)
            writer.hex(slot, 0, state == 1 ? "00" : "FF", box);
    };

    // Each pair of lightning shape bytes goes out as one write: the first at
    // the position, the second one byte after it.
    writer.hexBytes(offsetSlot("LightingRaw1Offset"), {settingId("LightingRAW1"), settingId("LightingRAW2")});
    writer.hexBytes(offsetSlot("LightingRaw2Offset"), {settingId("LightingRAW3"), settingId("LightingRAW4")});
    writer.hexBytes(offsetSlot("LightingRaw3Offset"), {settingId("LightingRAW5"), settingId("LightingRAW6")});
    writer.hexText(offsetSlot("LightingDispOffset"), 0, settingId("LightingDispTime"));
    writer.hexText(offsetSlot("LightingRangOffset"), 0, settingId("LightingDispRange"));
    // The colours of this window are blue first, alpha last where there is one.
    writer.colour(
        offsetSlot("RicoColourOffset"), 0, {settingId("RicoAddB"), settingId("RicoAddG"), settingId("RicoAddR")});
    // Obsolete, but still written on every run; only checked turns it on.
    constexpr SettingId kIndirect = settingId("LightingIndirect");
    writer.hex(offsetSlot("LightingNoCSOffset"), 0, writer.state(kIndirect) == 1 ? "01" : "00", kIndirect);
    writer.hexText(offsetSlot("BloodSizeOffset"), 0, settingId("BloodSize"));
    writer.hexText(offsetSlot("BloodIntensityOffset"), 0, settingId("BloodIntensity"));
    writer.hexText(offsetSlot("BloodLifetimeOffset"), 0, settingId("BloodLifetime"));
    writer.hexText(offsetSlot("BloodSpreadXOffset"), 0, settingId("BloodSpreadX"));
    writer.hexText(offsetSlot("BloodSpreadYOffset"), 0, settingId("BloodSpreadY"));
    writer.reversedHex(offsetSlot("GFXRandFactorOffset"), 0, settingId("GFXRandFactor"));
    writer.hexText(offsetSlot("LightingSizeOffset"), 0, settingId("LightingSize"));
    writer.colour(offsetSlot("GunflashColourOffset"), 0,
        {settingId("GunflashAddB"), settingId("GunflashAddG"), settingId("GunflashAddR")});
    // One duration serves the pistols in both hands.
    writer.hexText(offsetSlot("PistolSmokeDurRiteOffset"), 0, settingId("PistolSmokeDur"));
    writer.hexText(offsetSlot("PistolSmokeDurLeftOffset"), 0, settingId("PistolSmokeDur"));
    writer.hexText(offsetSlot("RevolSmokeDurOffset"), 0, settingId("RevolverSmokeDur"));
    writer.colour(offsetSlot("LightingCoreColourOffset"), 0,
        {settingId("LightingCoreColourB"), settingId("LightingCoreColourG"), settingId("LightingCoreColourR"),
            settingId("LightingCoreColourA")});
    writer.colour(offsetSlot("WallpaperColourOffset"), 0,
        {settingId("WallpaperAddB"), settingId("WallpaperAddG"), settingId("WallpaperAddR")});
    writer.colour(offsetSlot("WaterdropsColourOffset"), 0,
        {settingId("WaterdropsAddB"), settingId("WaterdropsAddG"), settingId("WaterdropsAddR")});
    writer.colour(offsetSlot("ShadowColourOffset"), 0,
        {settingId("ShadowB"), settingId("ShadowG"), settingId("ShadowR"), settingId("ShadowA")});
    writer.colour(
        offsetSlot("FadeoutColourOffset"), 0, {settingId("FadeoutB"), settingId("FadeoutG"), settingId("FadeoutR")});
    gradient(settingId("WallpaperGradTop"),
        {offsetSlot("WPGradTopOffset1"), offsetSlot("WPGradTopOffset2"), offsetSlot("WPGradTopOffset3"),
            offsetSlot("WPGradTopOffset4"), offsetSlot("WPGradTopOffset5"), offsetSlot("WPGradTopOffset6")});
    gradient(settingId("WallpaperGradBottom"),
        {offsetSlot("WPGradBottomOffset1"), offsetSlot("WPGradBottomOffset2"), offsetSlot("WPGradBottomOffset3"),
            offsetSlot("WPGradBottomOffset4"), offsetSlot("WPGradBottomOffset5"), offsetSlot("WPGradBottomOffset6")});
    // The user enters a positive speed; the engine scrolls by its negative.
    writer.negatedByte(offsetSlot("WFallScrollSpeedOffset"), settingId("WFallScrollSpeed"));
    writer.reversedHex(offsetSlot("SkyDirOffset"), 0, settingId("SkyDir"));
}

} // namespace golv
