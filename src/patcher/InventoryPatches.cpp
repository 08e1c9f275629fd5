#include "patcher/PatchGroups.h"

#include "config/VersionTables.h"
#include "patcher/PatchWriter.h"
#include "settings/SettingId.h"

#include <array>

namespace golv {

namespace {

struct Pickup {
    SettingId setting;
    int slot;
};

// clang-format off
constexpr auto kPickups = std::to_array<Pickup>({
    {settingId("UziAmmo"),           offsetSlot("PickUZIAmmo")},
    {settingId("RevolverAmmo"),      offsetSlot("PickRevolverAmmo")},
    {settingId("XBowNormalAmmo"),    offsetSlot("PickXBowNormalAmmo")},
    {settingId("XBowPoisonAmmo"),    offsetSlot("PickXBowPoisonAmmo")},
    {settingId("XBowExplosiveAmmo"), offsetSlot("PickXBowExplAmmo")},
    {settingId("GrenadeGunDefAmmo"), offsetSlot("PickGrenadeGunDefAmmo")},
    {settingId("GrenadeNormalAmmo"), offsetSlot("PickGrenadeNormalAmmo")},
    {settingId("GrenadeSuperAmmo"),  offsetSlot("PickGrenadeSuperAmmo")},
    {settingId("GrenadeFlashAmmo"),  offsetSlot("PickGrenadeFlashAmmo")},
    {settingId("Flares"),            offsetSlot("PickFlares")},
});
// clang-format on
static_assert(kPickups.size() == 10);

} // namespace

// The check boxes are not all tested alike, and each keeps its own test: most
// write nothing at all while greyed (value 2), some treat every value but 0 as
// ticked, others every value but 1 as unticked.
void patchInventory(PatchWriter& writer)
{
    constexpr SettingId kSeparate = settingId("SeperateAmount");
    if (writer.state(kSeparate) == 1) {
        writer.dataEntry(offsetSlot("SeperateSMKFlaresOffset"), 0, engineDataIndex("SeparateMediFlareMod"), kSeparate);
        writer.count(offsetSlot("FlaresOffset"), 0, settingId("DefFlares"));
        writer.count(offsetSlot("SmallMedkitsOffset"), 0, settingId("DefSmallMedkits"));
    } else if (writer.state(kSeparate) == 0) {
        // The window keeps both amounts equal while they are not separate; the
        // one count written is the flares'.
        writer.dataEntry(
            offsetSlot("SeperateSMKFlaresOffset"), 0, engineDataIndex("SeparateMediFlareDefault"), kSeparate);
        writer.count(offsetSlot("FlaresOffset"), 0, settingId("DefFlares"));
    }

    constexpr SettingId kPistols = settingId("DefGetPistols");
    if (writer.state(kPistols) == 1)
        writer.hex(offsetSlot("GetPistolsOffset"), 0, "09", kPistols);
    else if (writer.state(kPistols) == 0)
        writer.hex(offsetSlot("GetPistolsOffset"), 0, "00", kPistols);

    constexpr SettingId kBinoculars = settingId("DefGetBinoculars");
    if (writer.state(kBinoculars) == 1)
        writer.hex(offsetSlot("GetBinocularsOffset"), 0, "01", kBinoculars);
    else if (writer.state(kBinoculars) == 0)
        writer.hex(offsetSlot("GetBinocularsOffset"), 0, "00", kBinoculars);

    constexpr SettingId kCrowbar = settingId("DefGetCrowbar");
    if (writer.state(kCrowbar) == 1)
        writer.dataEntry(offsetSlot("GetCrowbarOffset"), 0, engineDataIndex("CrowbarMod"), kCrowbar);
    else if (writer.state(kCrowbar) == 0)
        writer.dataEntry(offsetSlot("GetCrowbarOffset"), 0, engineDataIndex("CrowbarDefault"), kCrowbar);

    writer.count(offsetSlot("BigMedkitsOffset"), 0, settingId("DefBigMedkits"));

    constexpr SettingId kNoLabel = settingId("DisableUnlPistAmmoLabel");
    if (writer.state(kNoLabel) == 1)
        writer.dataEntry(offsetSlot("DisableUPSLabelOffset"), 0, engineDataIndex("UPSLabelModData"), kNoLabel);
    else if (writer.state(kNoLabel) == 0)
        writer.dataEntry(offsetSlot("DisableUPSLabelOffset"), 0, engineDataIndex("UPSLabelDefData"), kNoLabel);

    constexpr SettingId kRemoveAmmo = settingId("RemovePistolAmmo");
    if (writer.state(kRemoveAmmo) == 1) {
        writer.dataEntry(offsetSlot("PistolAmmoOffset"), 0, engineDataIndex("PistolDataMod"), kRemoveAmmo);
        // The seventh byte of the replacement code is the amount it sets.
        writer.count(offsetSlot("PistolAmmoOffset"), 6, settingId("StartUpPistolAmmo"));
    } else if (writer.state(kRemoveAmmo) == 0) {
        writer.dataEntry(offsetSlot("PistolAmmoOffset"), 0, engineDataIndex("PistolDataDefault"), kRemoveAmmo);
    }

    constexpr SettingId kAmmoForPistols = settingId("ReplacePistolsWithAmmo");
    if (writer.state(kAmmoForPistols) == 1)
        writer.hex(offsetSlot("PistolItemIDOffset"), 0, "5E01", kAmmoForPistols);
    else if (writer.state(kAmmoForPistols) == 0)
        writer.hex(offsetSlot("PistolItemIDOffset"), 0, "5D01", kAmmoForPistols);

    constexpr SettingId kNoDivider = settingId("DisableShotgunAmmoDivider");
    if (writer.state(kNoDivider) == 0) {
        writer.dataEntry(
            offsetSlot("ShotgunDivNSAmmoOffset"), 0, engineDataIndex("ShotgunDivNSAmmoDefData"), kNoDivider);
        writer.dataEntry(
            offsetSlot("ShotgunDivWSAmmoOffset"), 0, engineDataIndex("ShotgunDivWSAmmoDefData"), kNoDivider);
    } else {
        writer.dataEntry(offsetSlot("ShotgunDivNSAmmoOffset"), 0, engineDataIndex("ShotgunDivAmmoModData"), kNoDivider);
        writer.dataEntry(offsetSlot("ShotgunDivWSAmmoOffset"), 0, engineDataIndex("ShotgunDivAmmoModData"), kNoDivider);
    }

    writer.word(offsetSlot("StartupHealthOffset"), 0, settingId("StartupHealth"));
    writer.word(offsetSlot("StartupAirOffset"), 0, settingId("StartupAir"));
    writer.word(offsetSlot("StartupSprintOffset"), 0, settingId("StartupSprint"));

    // The pistol ammunition pick-up follows the unlimited-ammunition label:
    // with the label gone the pick-up adds a real amount.
    constexpr int kPickPistolAmmo = offsetSlot("PickPistolAmmo");
    if (writer.state(kNoLabel) == 1) {
        constexpr SettingId kPistolAmmo = settingId("PistolAmmo");
        writer.count(kPickPistolAmmo, 0, kPistolAmmo, 1, "90");
        writer.hex(kPickPistolAmmo, -6, "83", kNoLabel);
    } else if (writer.state(kNoLabel) == 0) {
        writer.hex(kPickPistolAmmo, 0, "FFFF", kNoLabel);
        writer.hex(kPickPistolAmmo, -6, "C7", kNoLabel);
    }

    // A shotgun pick-up counts shells, six to a box.
    writer.count(offsetSlot("PickShotgunNormalAmmo"), 0, settingId("ShotgunNormalAmmo"), 6);
    writer.count(offsetSlot("PickShotgunWideAmmo"), 0, settingId("ShotgunWideAmmo"), 6);

    for (const Pickup& pickup : kPickups)
        writer.count(pickup.slot, 0, pickup.setting);

    writer.word(offsetSlot("SmallMedkitEffect"), 0, settingId("SmallMediEffect"));

    constexpr SettingId kInvertEffect = settingId("InvertSmallMediEffect");
    if (writer.state(kInvertEffect) == 1)
        writer.hex(offsetSlot("SmallMedkitInvert"), 0, "69", kInvertEffect);
    else if (writer.state(kInvertEffect) == 0)
        writer.hex(offsetSlot("SmallMedkitInvert"), 0, "41", kInvertEffect);

    // The engine shows the secrets count as text; one digit needs its terminating zero.
    constexpr SettingId kSecrets = settingId("Secrets");
    writer.characters(offsetSlot("SecretsOffset"), 0, kSecrets);
    if (writer.text(kSecrets).size() < 2)
        writer.hex(offsetSlot("SecretsOffset"), 1, "00", kSecrets);

    constexpr SettingId kNoLoad = settingId("DisableLoad");
    if (writer.state(kNoLoad) == 1) {
        writer.hex(offsetSlot("LoadInvItemOffset"), 0, "9090909090", kNoLoad);
        writer.hex(offsetSlot("LoadHotkeyIntOffset"), 0, "EB", kNoLoad);
    } else {
        writer.dataEntry(offsetSlot("LoadInvItemOffset"), 0, engineDataIndex("LoadShowDefault"), kNoLoad);
        writer.hex(offsetSlot("LoadHotkeyIntOffset"), 0, "74", kNoLoad);
    }

    // The main window's save trigger takes over saving: the inventory's save
    // item goes whatever the box says, and the hot key belongs to the trigger's patch.
    constexpr SettingId kSaveTrigger = settingId("SaveTrigger");
    constexpr SettingId kNoSave = settingId("DisableSave");
    if (writer.state(kSaveTrigger) == 0) {
        if (writer.state(kNoSave) == 1) {
            writer.hex(offsetSlot("SaveInvItemOffset"), 0, "9090909090", kNoSave);
            writer.hex(offsetSlot("SaveHotkeyIntOffset"), 0, "EB", kNoSave);
        } else {
            writer.dataEntry(offsetSlot("SaveInvItemOffset"), 0, engineDataIndex("SaveShowDefault"), kNoSave);
            writer.hex(offsetSlot("SaveHotkeyIntOffset"), 0, "74", kNoSave);
        }
    } else {
        writer.hex(offsetSlot("SaveInvItemOffset"), 0, "9090909090", kSaveTrigger);
    }

    constexpr SettingId kCompassFix = settingId("FixCompassBug");
    writer.dataEntry(offsetSlot("FixCompassBugOffset"), 0,
        writer.state(kCompassFix) == 0 ? engineDataIndex("CompassCodzDefData") : engineDataIndex("CompassCodzModData"),
        kCompassFix);

    constexpr SettingId kNoCheats = settingId("DisableCompassCheats");
    writer.dataEntry(offsetSlot("DisableCompassCheatsOffset"), 0,
        writer.state(kNoCheats) == 0 ? engineDataIndex("CompassCheatsDefData")
                                     : engineDataIndex("CompassCheatsModData"),
        kNoCheats);

    writer.reversedHex(offsetSlot("ItemRotateSpeedOffset"), 0, settingId("ItemRotateSpeed"));
    writer.reversedHex(offsetSlot("AmmoRotateSpeedOffset"), 0, settingId("AmmoRotateSpeed"));
}

} // namespace golv
