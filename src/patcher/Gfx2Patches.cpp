#include "patcher/PatchGroups.h"

#include "config/VersionTables.h"
#include "patcher/PatchWriter.h"
#include "settings/SettingId.h"

namespace golv {

void patchGfx2(PatchWriter& writer)
{
    writer.hexText(offsetSlot("FireballSpriteSizeOffset"), 0, settingId("FireballSpriteSize"));
    writer.hexText(offsetSlot("FireballDurationOffset"), 0, settingId("FireballDuration"));
    writer.hexText(offsetSlot("FireballDispersionOffset"), 0, settingId("FireballDispersion"));
    writer.hexText(offsetSlot("BlastRadiusOffset"), 0, settingId("BlastRadius"));
    // The window keeps these two as the engine's four bytes read high to low.
    writer.reversedHex(offsetSlot("BlastTimeoutOffset"), 0, settingId("BlastTimeout"));
    writer.reversedHex(offsetSlot("BlastSizeOffset"), 0, settingId("BlastSize"));
    // The first sparkle site always takes the amount, unified or not.
    constexpr SettingId kSparkleAmount = settingId("SparkleAmount");
    writer.byte(offsetSlot("SparkleAmountOffset"), 0, kSparkleAmount);
    writer.byte(offsetSlot("SparkleFallOffDelayOffset"), 0, settingId("SparkleFallOffDelay"));
    writer.byte(offsetSlot("SparkleSpriteInitSizeOffset"), 0, settingId("SparkleSpriteInitSize"));
    writer.byte(offsetSlot("SparkleSpriteIDOffset"), 0, settingId("SparkleSpriteID"));
    writer.byte(offsetSlot("AnimTextIntervalOffset"), 0, settingId("AnimTextInterval"));
    writer.byte(offsetSlot("FlybyBarHeightOffset"), 0, settingId("FlybyBarsHeight"));
    writer.byte(offsetSlot("FlybyBarSpeedOffset"), 0, settingId("FlybyBarsSpeed"));
    writer.byte(offsetSlot("UWDustAmountOffset"), 0, settingId("UWDustMaxAmount"));
    writer.byte(offsetSlot("UWDustMeltSpeedOffset"), 0, settingId("UWDustMeltSpeed"));

    // Unified, the other nine sparkle sites take the same amount; not unified,
    // they get the build's own amount back; greyed, they stay as they are.
    constexpr SettingId kUnify = settingId("UnifyAmount");
    const int unify = writer.state(kUnify);
    for (const int slot : {offsetSlot("SparkleAmountOffset2"), offsetSlot("SparkleAmountOffset3"),
             offsetSlot("SparkleAmountOffset4"), offsetSlot("SparkleAmountOffset5"), offsetSlot("SparkleAmountOffset6"),
             offsetSlot("SparkleAmountOffset7"), offsetSlot("SparkleAmountOffset8"), offsetSlot("SparkleAmountOffset9"),
             offsetSlot("SparkleAmountOffset10")}) {
        if (unify == 0)
            writer.dataEntry(slot, 0, engineDataIndex("SparklesUnifyDefAmount"), kUnify);
        else if (unify == 1)
            writer.byteOf(slot, 0, writer.text(kSparkleAmount), kUnify);
    }

    writer.byte(offsetSlot("FadeoutsSpeedOffset"), 0, settingId("FadeoutsSpeed"));
    writer.byte(offsetSlot("FadeoutsDurationOffset"), 0, settingId("FadeoutsDuration"));
}

} // namespace golv
