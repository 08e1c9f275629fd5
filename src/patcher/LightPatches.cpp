#include "patcher/PatchGroups.h"

#include <array>

namespace golv {
namespace {

using namespace writes;

// clang-format off
// The blend strength goes in by the text its display box shows, as a
// little-endian float: 0, then 0.000921569 + n / 1000 for scroll positions 0 to 10.
constexpr auto kLightStrength = std::to_array<TextToHex>({
    {"0",         "00000000"},
    {"0.0009...", "7395713A"},
    {"0.0019...", "28DDFB3A"},
    {"0.0029...", "CB773F3B"},
    {"0.0039...", "8180803B"},
    {"0.0049...", "1D45A13B"},
    {"0.0059...", "B909C23B"},
    {"0.0069...", "54CEE23B"},
    {"0.0079...", "78C9013C"},
    {"0.0089...", "C62B123C"},
    {"0.0099...", "148E223C"},
    {"0.0109...", "61F0323C"},
});

// The binoculars range by the list's text: the upper half of a float whose
// lower half stays as it is. An empty list text counts as the default "20";
// another text writes nothing.
constexpr auto kBinocularsRange = std::to_array<TextToHex>({
    {"00", "0000"},
    {"05", "9D45"},
    {"10", "1D46"},
    {"20", "A046"},
    {"",   "A046"},
    {"25", "BC46"},
    {"30", "EB46"},
    {"40", "1D47"},
    {"50", "4447"},
    {"60", "6B47"},
    {"70", "8947"},
    {"80", "9D47"},
    {"90", "B047"},
});

constexpr auto kRows = std::to_array<WriteRow>({
    put("DLiteIntOffset",           0, {lookup("DynLightPower", kLightStrength)}),
    put("PistolFlashPowerOffset",   0, {byte("PistolFlashArea")}),
    put("RevolverFlashPowerOffset", 0, {byte("RevolverFlashArea")}),
    put("ShotgunFlashPowerOffset",  0, {byte("ShotgunFlashArea")}),
    put("FlameEmitter1PowerOffset", 0, {byte("FlameEmitter1Area")}),
    put("BinocRangeOffset",         0, {lookup("BinocsRange", kBinocularsRange)}),
});

struct FlareWrite {
    int slot;
    std::size_t entry; // 1 to 9 in the chosen set
};

// Offset 8 takes entry 6 again and the last three all take entry 9; that is
// deliberate, not a slip in the table.
constexpr auto kFlareWrites = std::to_array<FlareWrite>({
    {offsetSlot("FlareColourOffset1"),  1},
    {offsetSlot("FlareColourOffset2"),  2},
    {offsetSlot("FlareColourOffset3"),  3},
    {offsetSlot("FlareColourOffset4"),  4},
    {offsetSlot("FlareColourOffset5"),  5},
    {offsetSlot("FlareColourOffset6"),  6},
    {offsetSlot("FlareColourOffset7"),  7},
    {offsetSlot("FlareColourOffset8"),  6},
    {offsetSlot("FlareColourOffset9"),  8},
    {offsetSlot("FlareColourOffset10"), 9},
    {offsetSlot("FlareColourOffset11"), 9},
    {offsetSlot("FlareColourOffset12"), 9},
});
// clang-format on

// Option 0 writes the build's own code back, option 1 the other colour; any
// option beyond it counts as red.
constexpr auto kFlareRows = []() consteval
{
    constexpr std::size_t own = engineDataIndex("FlareColourData1Def");
    constexpr std::size_t other = engineDataIndex("FlareColourData1Mod");
    constexpr std::size_t red = engineDataIndex("FlareColourData1Red");
    std::array<WriteRow, 3 * kFlareWrites.size()> rows{};
    for (std::size_t i = 0; i < kFlareWrites.size(); ++i) {
        const FlareWrite& flare = kFlareWrites[i];
        rows[3 * i] = put(flare.slot, 0, {data(own + flare.entry - 1)}, {is("FlareColour", 0)});
        rows[3 * i + 1] = put(flare.slot, 0, {data(other + flare.entry - 1)}, {is("FlareColour", 1)});
        rows[3 * i + 2]
            = put(flare.slot, 0, {data(red + flare.entry - 1)}, {isNot("FlareColour", 0), isNot("FlareColour", 1)});
    }
    return rows;
}
();

constexpr auto kAllRows = joined(kRows, kFlareRows);

} // namespace

std::span<const WriteRow> lightWrites() { return kAllRows; }

} // namespace golv
