#include "patcher/PatchGroups.h"

#include <array>

namespace golv {
namespace {

using namespace writes;

constexpr std::string_view kNop5 = "9090909090";

// clang-format off
// The check boxes are not all tested alike, and each keeps its own test: most
// write nothing at all while greyed (value 2), some treat every value but 0 as
// ticked, others every value but 1 as unticked.
constexpr auto kRows = std::to_array<WriteRow>({
    // The window keeps both amounts equal while they are not separate; the one
    // count written then is the flares'.
    put("SeperateSMKFlaresOffset", 0, {data("SeparateMediFlareMod")},     {is("SeperateAmount", 1)}),
    put("FlaresOffset",            0, {count("DefFlares")},               {is("SeperateAmount", 1)}),
    put("SmallMedkitsOffset",      0, {count("DefSmallMedkits")},         {is("SeperateAmount", 1)}),
    put("SeperateSMKFlaresOffset", 0, {data("SeparateMediFlareDefault")}, {is("SeperateAmount", 0)}),
    put("FlaresOffset",            0, {count("DefFlares")},               {is("SeperateAmount", 0)}),
    put("GetPistolsOffset",        0, {literal("09")},                    {is("DefGetPistols", 1)}),
    put("GetPistolsOffset",        0, {literal("00")},                    {is("DefGetPistols", 0)}),
    put("GetBinocularsOffset",     0, {literal("01")},                    {is("DefGetBinoculars", 1)}),
    put("GetBinocularsOffset",     0, {literal("00")},                    {is("DefGetBinoculars", 0)}),
    put("GetCrowbarOffset",        0, {data("CrowbarMod")},               {is("DefGetCrowbar", 1)}),
    put("GetCrowbarOffset",        0, {data("CrowbarDefault")},           {is("DefGetCrowbar", 0)}),
    put("BigMedkitsOffset",        0, {count("DefBigMedkits")}),
    put("DisableUPSLabelOffset",   0, {data("UPSLabelModData")},          {is("DisableUnlPistAmmoLabel", 1)}),
    put("DisableUPSLabelOffset",   0, {data("UPSLabelDefData")},          {is("DisableUnlPistAmmoLabel", 0)}),
    put("PistolAmmoOffset",        0, {data("PistolDataMod")},            {is("RemovePistolAmmo", 1)}),
    // The seventh byte of the replacement code is the amount it sets.
    put("PistolAmmoOffset",        6, {count("StartUpPistolAmmo")},       {is("RemovePistolAmmo", 1)}),
    put("PistolAmmoOffset",        0, {data("PistolDataDefault")},        {is("RemovePistolAmmo", 0)}),
    put("PistolItemIDOffset",      0, {literal("5E01")},                  {is("ReplacePistolsWithAmmo", 1)}),
    put("PistolItemIDOffset",      0, {literal("5D01")},                  {is("ReplacePistolsWithAmmo", 0)}),
    put("ShotgunDivNSAmmoOffset",  0, {data("ShotgunDivNSAmmoDefData")},  {is("DisableShotgunAmmoDivider", 0)}),
    put("ShotgunDivWSAmmoOffset",  0, {data("ShotgunDivWSAmmoDefData")},  {is("DisableShotgunAmmoDivider", 0)}),
    put("ShotgunDivNSAmmoOffset",  0, {data("ShotgunDivAmmoModData")},    {isNot("DisableShotgunAmmoDivider", 0)}),
    put("ShotgunDivWSAmmoOffset",  0, {data("ShotgunDivAmmoModData")},    {isNot("DisableShotgunAmmoDivider", 0)}),
    put("StartupHealthOffset",     0, {word("StartupHealth")}),
    put("StartupAirOffset",        0, {word("StartupAir")}),
    put("StartupSprintOffset",     0, {word("StartupSprint")}),
    // The pistol ammunition pick-up follows the unlimited-ammunition label:
    // with the label gone the pick-up adds a real amount.
    put("PickPistolAmmo",          0, {count("PistolAmmo"), literal("90")}, {is("DisableUnlPistAmmoLabel", 1)}),
    put("PickPistolAmmo",         -6, {literal("83")},                    {is("DisableUnlPistAmmoLabel", 1)}),
    put("PickPistolAmmo",          0, {literal("FFFF")},                  {is("DisableUnlPistAmmoLabel", 0)}),
    put("PickPistolAmmo",         -6, {literal("C7")},                    {is("DisableUnlPistAmmoLabel", 0)}),
    // A shotgun pick-up counts shells, six to a box.
    put("PickShotgunNormalAmmo",   0, {count("ShotgunNormalAmmo", 6)}),
    put("PickShotgunWideAmmo",     0, {count("ShotgunWideAmmo", 6)}),
    put("PickUZIAmmo",             0, {count("UziAmmo")}),
    put("PickRevolverAmmo",        0, {count("RevolverAmmo")}),
    put("PickXBowNormalAmmo",      0, {count("XBowNormalAmmo")}),
    put("PickXBowPoisonAmmo",      0, {count("XBowPoisonAmmo")}),
    put("PickXBowExplAmmo",        0, {count("XBowExplosiveAmmo")}),
    put("PickGrenadeGunDefAmmo",   0, {count("GrenadeGunDefAmmo")}),
    put("PickGrenadeNormalAmmo",   0, {count("GrenadeNormalAmmo")}),
    put("PickGrenadeSuperAmmo",    0, {count("GrenadeSuperAmmo")}),
    put("PickGrenadeFlashAmmo",    0, {count("GrenadeFlashAmmo")}),
    put("PickFlares",              0, {count("Flares")}),
    put("SmallMedkitEffect",       0, {word("SmallMediEffect")}),
    put("SmallMedkitInvert",       0, {literal("69")},                    {is("InvertSmallMediEffect", 1)}),
    put("SmallMedkitInvert",       0, {literal("41")},                    {is("InvertSmallMediEffect", 0)}),
    // The engine shows the secrets count as text; one digit needs its terminating zero.
    put("SecretsOffset",           0, {value(Characters, "Secrets")}),
    put("SecretsOffset",           1, {literal("00")},                    {shorterThan("Secrets", 2)}),
    put("LoadInvItemOffset",       0, {literal(kNop5)},                   {is("DisableLoad", 1)}),
    put("LoadHotkeyIntOffset",     0, {literal("EB")},                    {is("DisableLoad", 1)}),
    put("LoadInvItemOffset",       0, {data("LoadShowDefault")},          {isNot("DisableLoad", 1)}),
    put("LoadHotkeyIntOffset",     0, {literal("74")},                    {isNot("DisableLoad", 1)}),
    // The main window's save trigger takes over saving: the inventory's save
    // item goes whatever the box says, and the hot key belongs to the trigger's patch.
    put("SaveInvItemOffset",       0, {literal(kNop5)},                   {is("DisableSave", 1), is("SaveTrigger", 0)}),
    put("SaveHotkeyIntOffset",     0, {literal("EB")},                    {is("DisableSave", 1), is("SaveTrigger", 0)}),
    put("SaveInvItemOffset",       0, {data("SaveShowDefault")},          {isNot("DisableSave", 1), is("SaveTrigger", 0)}),
    put("SaveHotkeyIntOffset",     0, {literal("74")},                    {isNot("DisableSave", 1), is("SaveTrigger", 0)}),
    put("SaveInvItemOffset",       0, {literal(kNop5)},                   {isNot("SaveTrigger", 0)}),
    put("FixCompassBugOffset",     0, {data("CompassCodzDefData")},       {is("FixCompassBug", 0)}),
    put("FixCompassBugOffset",     0, {data("CompassCodzModData")},       {isNot("FixCompassBug", 0)}),
    put("DisableCompassCheatsOffset", 0, {data("CompassCheatsDefData")},  {is("DisableCompassCheats", 0)}),
    put("DisableCompassCheatsOffset", 0, {data("CompassCheatsModData")},  {isNot("DisableCompassCheats", 0)}),
    put("ItemRotateSpeedOffset",   0, {reversedHex("ItemRotateSpeed")}),
    put("AmmoRotateSpeedOffset",   0, {reversedHex("AmmoRotateSpeed")}),
});
// clang-format on

} // namespace

std::span<const WriteRow> inventoryWrites() { return kRows; }

} // namespace golv
