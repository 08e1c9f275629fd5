#include "patcher/PatchGroups.h"

#include <array>

namespace golv {
namespace {

using namespace writes;

// Five bytes of engine code per position of the alignment list: push the
// alignment flags 4000h (left) or 8000h (center), or push 0 and pad.
constexpr std::string_view kLeft = "6800400000";
constexpr std::string_view kCenter = "6800800000";
constexpr std::string_view kRight = "6A00909090";

// clang-format off
// The engine keeps the font colours red first, the opposite of the bars, each
// fade colour 4 bytes after its main colour. Some fade colours sit in the
// window's fields in reverse order; the names below are what counts.
// The alignment list is read by its position: a language file that renames the
// entries, or the list's own "right" beside the caption "rite", never leaves a
// choice unwritten. No entry chosen writes nothing.
constexpr auto kRows = std::to_array<WriteRow>({
    put("MainColourOffset",     0, {byte("MainFontMainColourR"), byte("MainFontMainColourG"), byte("MainFontMainColourB")}),
    put("MainColourOffset",     4, {byte("MainFontFadeColourR"), byte("MainFontFadeColourG"), byte("MainFontFadeColourB")}),
    put("OptionTitleOffset",    0, {byte("OptsFontMainColourR"), byte("OptsFontMainColourG"), byte("OptsFontMainColourB")}),
    put("OptionTitleOffset",    4, {byte("OptsFontFadeColourR"), byte("OptsFontFadeColourG"), byte("OptsFontFadeColourB")}),
    put("InventoryTitleOffset", 0, {byte("InvtFontMainColourR"), byte("InvtFontMainColourG"), byte("InvtFontMainColourB")}),
    put("InventoryTitleOffset", 4, {byte("InvtFontFadeColourR"), byte("InvtFontFadeColourG"), byte("InvtFontFadeColourB")}),
    put("InventoryItemOffset",  0, {byte("ItemFontMainColourR"), byte("ItemFontMainColourG"), byte("ItemFontMainColourB")}),
    put("InventoryItemOffset",  4, {byte("ItemFontFadeColourR"), byte("ItemFontFadeColourG"), byte("ItemFontFadeColourB")}),
    put("LegendDispTimeOffset", 0, {byte("LegendDispTime")}),
    put("NewGameEffectOffset",  0, {byte("MainMenuNewGameEffectID")}),
    put("LoadGameEffectOffset", 0, {byte("MainMenuLoadGameEffectID")}),
    put("OptsEffectOffset",     0, {byte("MainMenuOptsEffectID")}),
    put("ExitEffectOffset",     0, {byte("MainMenuExitEffectID")}),
    put("NewGameAlignOffset",   0, {literal(kLeft)},   {is("MainMenuAlign", 0)}),
    put("NewGameAlignOffset",   0, {literal(kCenter)}, {is("MainMenuAlign", 1)}),
    put("NewGameAlignOffset",   0, {literal(kRight)},  {is("MainMenuAlign", 2)}),
    put("LoadGameAlignOffset",  0, {literal(kLeft)},   {is("MainMenuAlign", 0)}),
    put("LoadGameAlignOffset",  0, {literal(kCenter)}, {is("MainMenuAlign", 1)}),
    put("LoadGameAlignOffset",  0, {literal(kRight)},  {is("MainMenuAlign", 2)}),
    put("OptsAlignOffset",      0, {literal(kLeft)},   {is("MainMenuAlign", 0)}),
    put("OptsAlignOffset",      0, {literal(kCenter)}, {is("MainMenuAlign", 1)}),
    put("OptsAlignOffset",      0, {literal(kRight)},  {is("MainMenuAlign", 2)}),
    put("ExitAlignOffset",      0, {literal(kLeft)},   {is("MainMenuAlign", 0)}),
    put("ExitAlignOffset",      0, {literal(kCenter)}, {is("MainMenuAlign", 1)}),
    put("ExitAlignOffset",      0, {literal(kRight)},  {is("MainMenuAlign", 2)}),
});
// clang-format on

} // namespace

std::span<const WriteRow> fontWrites() { return kRows; }

} // namespace golv
