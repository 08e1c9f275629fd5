#include "patcher/PatchGroups.h"

#include <array>

namespace golv {
namespace {

using namespace writes;

// clang-format off
// The distances are single-precision values whose lower two bytes are all
// zero, so only the upper two are written (low byte first). The texts are
// those of the display boxes, in the order of their scroll bars: these
// settings are patched through the text their box shows, not through the
// scroll position, and a text the table does not know writes nothing.
constexpr std::array<TextToHex, 14> kDrawingDistance = {{
    {"5024.00",   "9D45"}, {"10240.00",  "2046"}, {"15360.00",  "7046"}, {"16384.00",  "8046"},
    {"19072.00",  "9546"}, {"20480.00",  "A046"}, {"22400.00",  "AF46"}, {"25600.00",  "C846"},
    {"28160.00",  "DC46"}, {"30080.00",  "EB46"}, {"40192.00",  "1D47"}, {"50176.00",  "4447"},
    {"80384.00",  "9D47"}, {"102400.00", "C847"},
}};

constexpr std::array<TextToHex, 32> kDistantFog = {{
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
constexpr std::array<TextToHex, 4> kSampleRate = {{
    {"11025 Hz", "00442C46"}, {"22050 Hz", "0044AC46"}, {"44100 Hz", "00442C47"}, {"48000 Hz", "00803B47"},
}};

constexpr std::string_view kNop2 = "9090";
constexpr std::string_view kNop5 = "9090909090";

// Checked and unchecked each write their own bytes; a greyed box (2) writes
// nothing, unless the row tests "anything but checked". The sound number is
// the byte before the engine's call of the sound: the box only decides whether
// the call stays. The enemy-disappearance boxes switch the engine's flag off.
// The pigtail buttons are tested for "Intact" first, then for "2"; anything
// else, no selection included, is mode 1. The save trigger hooks in at the call
// of the flip-effect procedure, at an extended procedure and a flag checker in
// free bytes, and at the quick-save key handler.
constexpr auto kRows = std::to_array<WriteRow>({
    put("DDOffset",          0, {lookup("DrawingDistanceRange", kDrawingDistance)}),
    // The fog range is the engine value just before the drawing distance.
    put("DDOffset",         -4, {lookup("DistantFogRange", kDistantFog)}),
    put("DDisOffset1",       0, {literal("EB")},                             {is("TurnOffDistDLimit", 1)}),
    put("DDisOffset1",       0, {literal("75")},                             {is("TurnOffDistDLimit", 0)}),
    put("DDisOffset2",       0, {literal("EB")},                             {is("TurnOffDistDLimit", 1)}),
    put("DDisOffset2",       0, {literal("75")},                             {is("TurnOffDistDLimit", 0)}),
    put("DDisOffset3",       0, {literal("EB")},                             {is("TurnOffDistDLimit", 1)}),
    put("DDisOffset3",       0, {literal("75")},                             {is("TurnOffDistDLimit", 0)}),
    put("FDisOffset",        0, {literal("9090909090909090")},               {is("TurnOffDistFog", 1)}),
    put("FDisOffset",        0, {literal("A9FFFFFF00894610")},               {is("TurnOffDistFog", 0)}),
    put("LTOffset",          0, {literal("EB")},                             {is("RemoveLookTransparency", 1)}),
    put("LTOffset",          0, {literal("74")},                             {is("RemoveLookTransparency", 0)}),
    put("VEOffset",          0, {literal("00")},                             {is("DisableDEnemyWatr", 1)}),
    put("VEOffset",          0, {literal("01")},                             {is("DisableDEnemyWatr", 0)}),
    put("VEOffset2",         0, {literal("00")},                             {is("DisableDEnemyLand", 1)}),
    put("VEOffset2",         0, {literal("01")},                             {is("DisableDEnemyLand", 0)}),
    put("SRateOffset",       0, {lookup("SampleRate", kSampleRate)}),
    put("UWDoorOffset",      1, {literal(kNop5)},                            {is("FixUWDoorBug", 1)}),
    put("UWDoorOffset",      1, {data("UWDoorDefData")},                     {isNot("FixUWDoorBug", 1)}),
    put("UWDoorOffset",      0, {byte("UWDoorBugSoundID")}),
    put("NoAmmoOffset",      1, {literal(kNop5)},                            {is("FixNoAmmoBug", 1)}),
    put("NoAmmoOffset",      1, {data("NoAmmoDefData")},                     {isNot("FixNoAmmoBug", 1)}),
    put("NoAmmoOffset",      0, {byte("NoAmmoBugSoundID")}),
    put("LockCameraOffset",  0, {literal(kNop5)},                            {is("LockFreeCamera", 1)}),
    put("LockCameraOffset",  0, {data("LockCameraData")},                    {is("LockFreeCamera", 0)}),
    put("StickCameraOffset", 0, {literal("01000000")},                       {is("StickFreeCamera", 1)}),
    put("StickCameraOffset", 0, {literal("00000900")},                       {is("StickFreeCamera", 0)}),
    put("TwinPonyOffset1",   0, {data("TwinPony1DefData")},                  {is("PonytailMode", 0)}),
    put("TwinPonyOffset1",   0, {literal(kNop2)},                            {is("PonytailMode", 2)}),
    put("TwinPonyOffset1",   0, {data("TwinPony1ModDataS")},                 {isNot("PonytailMode", 0), isNot("PonytailMode", 2)}),
    put("TwinPonyOffset2",   0, {data("TwinPony2DefData")},                  {is("PonytailMode", 0)}),
    put("TwinPonyOffset2",   0, {data("TwinPony2ModDataT")},                 {is("PonytailMode", 2)}),
    put("TwinPonyOffset2",   0, {literal(kNop2)},                            {isNot("PonytailMode", 0), isNot("PonytailMode", 2)}),
    put("TwinPonyOffset3",   0, {data("TwinPony3DefData")},                  {is("PonytailMode", 0)}),
    put("TwinPonyOffset3",   0, {literal(kNop2)},                            {is("PonytailMode", 2)}),
    put("TwinPonyOffset3",   0, {data("TwinPony3ModDataS")},                 {isNot("PonytailMode", 0), isNot("PonytailMode", 2)}),
    put("TwinPonyOffset4",   0, {data("TwinPony4DefData")},                  {is("PonytailMode", 0)}),
    put("TwinPonyOffset4",   0, {literal(kNop2)},                            {is("PonytailMode", 2)}),
    put("TwinPonyOffset4",   0, {data("TwinPony4ModDataS")},                 {isNot("PonytailMode", 0), isNot("PonytailMode", 2)}),
    put("TwinPonyOffset5",   0, {data("TwinPony5DefData")},                  {is("PonytailMode", 0)}),
    put("TwinPonyOffset5",   0, {literal(kNop2)},                            {is("PonytailMode", 2)}),
    put("TwinPonyOffset5",   0, {data("TwinPony5ModDataS")},                 {isNot("PonytailMode", 0), isNot("PonytailMode", 2)}),
    put("FixHolstersOffset", 0, {data("FixHolstersMod")},                    {is("FixHolsters", 1)}),
    put("FixHolstersOffset", 0, {data("FixHolstersDefault")},                {isNot("FixHolsters", 1)}),
    // Belongs to the inventory window, but no other group writes it.
    put("NEscOffset",        0, {literal(kNop2)},                            {is("DisableInventory", 1)}),
    put("NEscOffset",        0, {data("NEscData")},                          {is("DisableInventory", 0)}),
    put("BLOffset",          0, {literal(kNop5)},                            {is("DisableBlinkFlare", 1)}),
    put("BLOffset",          0, {data("BLData")},                            {is("DisableBlinkFlare", 0)}),
    put("DefFEProcOffset",             0, {data("DefFEProcModData")},             {is("SaveTrigger", 1)}),
    put("DefFEProcOffset",             0, {data("DefFEProcDefData")},             {is("SaveTrigger", 0)}),
    put("ExtFEProcOffset",             0, {data("ExtFEProcModData")},             {is("SaveTrigger", 1)}),
    put("ExtFEProcOffset",             0, {data("ExtFEProcDefData")},             {is("SaveTrigger", 0)}),
    put("SaveTriggerExtHandlerOffset", 0, {data("SaveTriggerExtHandlerModData")}, {is("SaveTrigger", 1)}),
    put("SaveTriggerExtHandlerOffset", 0, {data("SaveTriggerExtHandlerDefData")}, {is("SaveTrigger", 0)}),
    put("SaveTriggerDefHandlerOffset", 0, {data("SaveTriggerDefHandlerModData")}, {is("SaveTrigger", 1)}),
    put("SaveTriggerDefHandlerOffset", 0, {data("SaveTriggerDefHandlerDefData")}, {is("SaveTrigger", 0)}),
    put("HangThreadOffset",  0, {literal("EB")},                             {is("DisableHangThread", 1)}),
    put("HangThreadOffset",  0, {literal("74")},                             {is("DisableHangThread", 0)}),
});
// clang-format on

} // namespace

std::span<const WriteRow> mainWindowWrites() { return kRows; }

} // namespace golv
