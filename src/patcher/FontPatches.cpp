#include "patcher/PatchGroups.h"

#include "config/VersionTables.h"
#include "patcher/PatchWriter.h"
#include "settings/SettingId.h"
#include "settings/SettingsStore.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace golv {
namespace {

// Five bytes of engine code per position of the alignment list:
// push the alignment flags 4000h (left) or 8000h (center), or push 0 and pad.
constexpr std::array<std::string_view, 3> kAlignmentCode = {"6800400000", "6800800000", "6A00909090"};

} // namespace

void patchFonts(PatchWriter& writer)
{
    // The engine keeps the font colours red first, the opposite of the bars,
    // each fade colour 4 bytes after its main colour. Some fade colours sit in
    // the window's fields in reverse order; the names below are what counts.
    constexpr int kMain = offsetSlot("MainColourOffset");
    writer.colour(kMain, 0,
        {settingId("MainFontMainColourR"), settingId("MainFontMainColourG"), settingId("MainFontMainColourB")});
    writer.colour(kMain, 4,
        {settingId("MainFontFadeColourR"), settingId("MainFontFadeColourG"), settingId("MainFontFadeColourB")});

    constexpr int kOptionsTitle = offsetSlot("OptionTitleOffset");
    writer.colour(kOptionsTitle, 0,
        {settingId("OptsFontMainColourR"), settingId("OptsFontMainColourG"), settingId("OptsFontMainColourB")});
    writer.colour(kOptionsTitle, 4,
        {settingId("OptsFontFadeColourR"), settingId("OptsFontFadeColourG"), settingId("OptsFontFadeColourB")});

    constexpr int kInventoryTitle = offsetSlot("InventoryTitleOffset");
    writer.colour(kInventoryTitle, 0,
        {settingId("InvtFontMainColourR"), settingId("InvtFontMainColourG"), settingId("InvtFontMainColourB")});
    writer.colour(kInventoryTitle, 4,
        {settingId("InvtFontFadeColourR"), settingId("InvtFontFadeColourG"), settingId("InvtFontFadeColourB")});

    constexpr int kInventoryItem = offsetSlot("InventoryItemOffset");
    writer.colour(kInventoryItem, 0,
        {settingId("ItemFontMainColourR"), settingId("ItemFontMainColourG"), settingId("ItemFontMainColourB")});
    writer.colour(kInventoryItem, 4,
        {settingId("ItemFontFadeColourR"), settingId("ItemFontFadeColourG"), settingId("ItemFontFadeColourB")});

    writer.byte(offsetSlot("LegendDispTimeOffset"), 0, settingId("LegendDispTime"));
    writer.byte(offsetSlot("NewGameEffectOffset"), 0, settingId("MainMenuNewGameEffectID"));
    writer.byte(offsetSlot("LoadGameEffectOffset"), 0, settingId("MainMenuLoadGameEffectID"));
    writer.byte(offsetSlot("OptsEffectOffset"), 0, settingId("MainMenuOptsEffectID"));
    writer.byte(offsetSlot("ExitEffectOffset"), 0, settingId("MainMenuExitEffectID"));

    // The list is read by its position: a language file that renames the
    // entries, or the list's own "right" beside the caption "rite", never
    // leaves a choice unwritten. No entry chosen writes nothing.
    constexpr SettingId kAlign = settingId("MainMenuAlign");
    const int position = writer.state(kAlign);
    if (position < 0 || position >= static_cast<int>(kAlignmentCode.size()))
        return;
    for (const int slot : {offsetSlot("NewGameAlignOffset"), offsetSlot("LoadGameAlignOffset"),
             offsetSlot("OptsAlignOffset"), offsetSlot("ExitAlignOffset")})
        writer.hex(slot, 0, kAlignmentCode[static_cast<std::size_t>(position)], kAlign);
}

} // namespace golv
