#include "patcher/PatchGroups.h"

#include "config/VersionTables.h"
#include "patcher/PatchWriter.h"
#include "settings/SettingId.h"
#include "settings/SettingsStore.h"

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

namespace golv {

namespace {

struct TextToHex {
    std::string_view text;
    std::string_view hex;
};

// The blend strength goes in by the text its display box shows, as a
// little-endian float: 0, then 0.000921569 + n / 1000 for scroll positions 0 to 10.
// clang-format off
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
// lower half stays as it is. An empty list text counts as the default "20".
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
static_assert(kLightStrength.size() == 12 && kBinocularsRange.size() == 13 && kFlareWrites.size() == 12);

const TextToHex* lookUp(std::span<const TextToHex> table, std::string_view text)
{
    for (const TextToHex& row : table) {
        if (row.text == text)
            return &row;
    }
    return nullptr;
}

// The Engine data index of entry 1 of the chosen set. Option 0 writes the
// build's own code back; any option beyond the second counts as red.
std::size_t flareSet(int option)
{
    if (option == 0)
        return engineDataIndex("FlareColourData1Def");
    if (option == 1)
        return engineDataIndex("FlareColourData1Mod");
    return engineDataIndex("FlareColourData1Red");
}

} // namespace

void patchLights(PatchWriter& writer)
{
    constexpr SettingId kStrength = settingId("DynLightPower");
    if (const auto shown = writer.settings().display(kStrength)) {
        if (const TextToHex* row = lookUp(kLightStrength, shown->text))
            writer.hex(offsetSlot("DLiteIntOffset"), 0, row->hex, kStrength);
    }

    writer.byte(offsetSlot("PistolFlashPowerOffset"), 0, settingId("PistolFlashArea"));
    writer.byte(offsetSlot("RevolverFlashPowerOffset"), 0, settingId("RevolverFlashArea"));
    writer.byte(offsetSlot("ShotgunFlashPowerOffset"), 0, settingId("ShotgunFlashArea"));
    writer.byte(offsetSlot("FlameEmitter1PowerOffset"), 0, settingId("FlameEmitter1Area"));

    constexpr SettingId kBinoculars = settingId("BinocsRange");
    if (const TextToHex* row = lookUp(kBinocularsRange, writer.text(kBinoculars)))
        writer.hex(offsetSlot("BinocRangeOffset"), 0, row->hex, kBinoculars);

    constexpr SettingId kFlare = settingId("FlareColour");
    const std::size_t firstEntry = flareSet(writer.state(kFlare));
    for (const FlareWrite& flare : kFlareWrites)
        writer.dataEntry(flare.slot, 0, firstEntry + flare.entry - 1, kFlare);
}

} // namespace golv
