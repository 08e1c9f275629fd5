#include "patcher/PatchGroups.h"

#include "config/VersionTables.h"
#include "patcher/PatchWriter.h"
#include "settings/SettingId.h"
#include "settings/SettingsStore.h"

#include <array>
#include <optional>
#include <span>
#include <string_view>

namespace golv {
namespace {

// A display box text and the bytes it stands for.
struct ShownValue {
    std::string_view text;
    std::string_view hex;
};

// clang-format off
// The distances are single-precision values whose lower two bytes are all
// zero, so only the upper two are written (low byte first). The texts are
// those of the display boxes, in the order of their scroll bars.
constexpr std::array<ShownValue, 14> kDrawingDistance = {{
    {"5024.00",   "9D45"}, {"10240.00",  "2046"}, {"15360.00",  "7046"}, {"16384.00",  "8046"},
    {"19072.00",  "9546"}, {"20480.00",  "A046"}, {"22400.00",  "AF46"}, {"25600.00",  "C846"},
    {"28160.00",  "DC46"}, {"30080.00",  "EB46"}, {"40192.00",  "1D47"}, {"50176.00",  "4447"},
    {"80384.00",  "9D47"}, {"102400.00", "C847"},
}};

constexpr std::array<ShownValue, 32> kDistantFog = {{
    {"2048.00",   "0045"}, {"5024.00",   "9D45"}, {"8192.00",   "0046"}, {"10048.00",  "1D46"},
    {"12288.00",  "4046"}, {"14016.00",  "5B46"}, {"18048.00",  "8D46"}, {"20096.00",  "9D46"},
    {"22016.00",  "AC46"}, {"24064.00",  "BC46"}, {"28032.00",  "DB46"}, {"30080.00",  "EB46"},
    {"32000.00",  "FA46"}, {"34048.00",  "0547"}, {"36352.00",  "0E47"}, {"38144.00",  "1547"},
    {"40192.00",  "1D47"}, {"42240.00",  "2547"}, {"44032.00",  "2C47"}, {"46080.00",  "3447"},
    {"48128.00",  "3C47"}, {"50176.00",  "4447"}, {"55040.00",  "5747"}, {"60160.00",  "6B47"},
    {"65024.00",  "7E47"}, {"70144.00",  "8947"}, {"75264.00",  "9347"}, {"80384.00",  "9D47"},
    {"84992.00",  "A647"}, {"90112.00",  "B047"}, {"95232.00",  "BA47"}, {"102400.00", "C847"},
}};

// The whole single-precision rate, low byte first.
constexpr std::array<ShownValue, 4> kSampleRate = {{
    {"11025 Hz", "00442C46"}, {"22050 Hz", "0044AC46"}, {"44100 Hz", "00442C47"}, {"48000 Hz", "00803B47"},
}};
// clang-format on

// These settings are patched through the text their display box shows, not
// through the scroll position; a text the table does not know writes nothing.
void writeShown(PatchWriter& writer, std::span<const ShownValue> table, SettingId id, int slot, int displacement)
{
    const auto shown = writer.settings().display(id);
    if (!shown)
        return;
    for (const ShownValue& entry : table) {
        if (entry.text == shown->text) {
            writer.hex(slot, displacement, entry.hex, id);
            return;
        }
    }
}

// A write takes either a literal of the program or an Engine data entry.
void put(PatchWriter& writer, int slot, int displacement, std::string_view literal, SettingId owner)
{
    writer.hex(slot, displacement, literal, owner);
}

void put(PatchWriter& writer, int slot, int displacement, std::size_t dataIndex, SettingId owner)
{
    writer.dataEntry(slot, displacement, dataIndex, owner);
}

// Checked writes the first, anything else (a greyed box too) the second.
void elseTest(PatchWriter& writer, SettingId id, int slot, int displacement, auto checked, auto otherwise)
{
    if (writer.state(id) == 1)
        put(writer, slot, displacement, checked, id);
    else
        put(writer, slot, displacement, otherwise, id);
}

// Checked and unchecked each write their own; a greyed box writes nothing.
void strictTest(PatchWriter& writer, SettingId id, int slot, auto checked, auto unchecked)
{
    const int state = writer.state(id);
    if (state == 1)
        put(writer, slot, 0, checked, id);
    else if (state == 0)
        put(writer, slot, 0, unchecked, id);
}

struct CodeSwap {
    int slot;
    std::size_t original;
    std::size_t replacement;
};

// Where the save trigger hooks in, in the order the hooks are written: the
// call of the flip-effect procedure, the extended procedure in free bytes, the
// flag checker in free bytes and the quick-save key handler.
constexpr std::array<CodeSwap, 4> kSaveTriggerHooks = {{
    {offsetSlot("DefFEProcOffset"), engineDataIndex("DefFEProcDefData"), engineDataIndex("DefFEProcModData")},
    {offsetSlot("ExtFEProcOffset"), engineDataIndex("ExtFEProcDefData"), engineDataIndex("ExtFEProcModData")},
    {offsetSlot("SaveTriggerExtHandlerOffset"), engineDataIndex("SaveTriggerExtHandlerDefData"),
        engineDataIndex("SaveTriggerExtHandlerModData")},
    {offsetSlot("SaveTriggerDefHandlerOffset"), engineDataIndex("SaveTriggerDefHandlerDefData"),
        engineDataIndex("SaveTriggerDefHandlerModData")},
}};

constexpr std::string_view kNop2 = "9090";
constexpr std::string_view kNop5 = "9090909090";

} // namespace

void patchMainWindow(PatchWriter& writer)
{
    constexpr int kDD = offsetSlot("DDOffset");
    writeShown(writer, kDrawingDistance, settingId("DrawingDistanceRange"), kDD, 0);
    // The fog range is the engine value just before the drawing distance.
    writeShown(writer, kDistantFog, settingId("DistantFogRange"), kDD, -4);

    for (const int slot : {offsetSlot("DDisOffset1"), offsetSlot("DDisOffset2"), offsetSlot("DDisOffset3")})
        strictTest(writer, settingId("TurnOffDistDLimit"), slot, "EB", "75");
    strictTest(writer, settingId("TurnOffDistFog"), offsetSlot("FDisOffset"), "9090909090909090", "A9FFFFFF00894610");
    strictTest(writer, settingId("RemoveLookTransparency"), offsetSlot("LTOffset"), "EB", "74");
    // These two boxes switch the engine's disappearance flag off.
    strictTest(writer, settingId("DisableDEnemyWatr"), offsetSlot("VEOffset"), "00", "01");
    strictTest(writer, settingId("DisableDEnemyLand"), offsetSlot("VEOffset2"), "00", "01");

    writeShown(writer, kSampleRate, settingId("SampleRate"), offsetSlot("SRateOffset"), 0);

    // The sound number is the byte before the engine's call of the sound; the
    // box only decides whether the call stays.
    constexpr int kUWDoor = offsetSlot("UWDoorOffset");
    elseTest(writer, settingId("FixUWDoorBug"), kUWDoor, 1, kNop5, engineDataIndex("UWDoorDefData"));
    writer.byte(kUWDoor, 0, settingId("UWDoorBugSoundID"));
    constexpr int kNoAmmo = offsetSlot("NoAmmoOffset");
    elseTest(writer, settingId("FixNoAmmoBug"), kNoAmmo, 1, kNop5, engineDataIndex("NoAmmoDefData"));
    writer.byte(kNoAmmo, 0, settingId("NoAmmoBugSoundID"));

    strictTest(
        writer, settingId("LockFreeCamera"), offsetSlot("LockCameraOffset"), kNop5, engineDataIndex("LockCameraData"));
    strictTest(writer, settingId("StickFreeCamera"), offsetSlot("StickCameraOffset"), "01000000", "00000900");

    // The buttons are tested for "Intact" first, then for "2"; anything else,
    // no selection included, is mode 1.
    constexpr SettingId kPonytail = settingId("PonytailMode");
    const int ponytail = writer.state(kPonytail);
    const auto pigtail = [&](int slot, std::size_t intact, auto modeTwo, auto modeOne) {
        if (ponytail == 0)
            put(writer, slot, 0, intact, kPonytail);
        else if (ponytail == 2)
            put(writer, slot, 0, modeTwo, kPonytail);
        else
            put(writer, slot, 0, modeOne, kPonytail);
    };
    pigtail(offsetSlot("TwinPonyOffset1"), engineDataIndex("TwinPony1DefData"), kNop2,
        engineDataIndex("TwinPony1ModDataS"));
    pigtail(offsetSlot("TwinPonyOffset2"), engineDataIndex("TwinPony2DefData"), engineDataIndex("TwinPony2ModDataT"),
        kNop2);
    pigtail(offsetSlot("TwinPonyOffset3"), engineDataIndex("TwinPony3DefData"), kNop2,
        engineDataIndex("TwinPony3ModDataS"));
    pigtail(offsetSlot("TwinPonyOffset4"), engineDataIndex("TwinPony4DefData"), kNop2,
        engineDataIndex("TwinPony4ModDataS"));
    pigtail(offsetSlot("TwinPonyOffset5"), engineDataIndex("TwinPony5DefData"), kNop2,
        engineDataIndex("TwinPony5ModDataS"));

    elseTest(writer, settingId("FixHolsters"), offsetSlot("FixHolstersOffset"), 0, engineDataIndex("FixHolstersMod"),
        engineDataIndex("FixHolstersDefault"));
    // Belongs to the inventory window, but no other group writes it.
    strictTest(writer, settingId("DisableInventory"), offsetSlot("NEscOffset"), kNop2, engineDataIndex("NEscData"));
    strictTest(writer, settingId("DisableBlinkFlare"), offsetSlot("BLOffset"), kNop5, engineDataIndex("BLData"));

    for (const CodeSwap& hook : kSaveTriggerHooks)
        strictTest(writer, settingId("SaveTrigger"), hook.slot, hook.replacement, hook.original);

    strictTest(writer, settingId("DisableHangThread"), offsetSlot("HangThreadOffset"), "EB", "74");
}

} // namespace golv
