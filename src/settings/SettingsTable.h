#pragma once

#include "settings/Category.h"
#include "settings/SettingDef.h"

#include <array>
#include <concepts>
#include <cstdint>
#include <stdexcept>
#include <string_view>

namespace golv {

namespace detail::rows {

constexpr FieldCheck atMost(std::int32_t value) { return {FieldCheck::Type::Max, value}; }
constexpr FieldCheck cappedAt(std::int32_t value) { return {FieldCheck::Type::Max, value, false}; }
constexpr FieldCheck atLeast(std::int32_t value) { return {FieldCheck::Type::Min, value}; }
constexpr FieldCheck hexDigits(std::int32_t count) { return {FieldCheck::Type::HexDigits, count}; }
constexpr FieldCheck decDigits(std::int32_t count) { return {FieldCheck::Type::DecDigits, count}; }
inline constexpr FieldCheck notEmpty{FieldCheck::Type::Empty, 0};

// The three row helpers refuse a conversion of another kind of control, so a
// field written down as a check box, or the reverse, stops the table from compiling.

// A text field: at most maxLength characters, keys through input, checks on leaving it.
constexpr SettingDef text(std::string_view key, Category category, Conversion conversion, Window window,
    std::string_view name, std::string_view initial, std::uint8_t maxLength, Input input,
    std::same_as<FieldCheck> auto... checks)
{
    static_assert(sizeof...(checks) <= kMaxFieldChecks);
    if (kindOf(conversion) != ControlKind::Text)
        throw std::logic_error("a text field needs a text conversion");
    return {key, category, conversion, window, name, 0, 0, initial, maxLength, input, FieldChecks{checks...}};
}

// A check box or the binoculars list: a value with no range of its own.
constexpr SettingDef control(std::string_view key, Category category, Conversion conversion, Window window,
    std::string_view name, std::string_view initial)
{
    using enum Conversion;
    if (conversion != CheckState && conversion != ListText)
        throw std::logic_error("this control needs a length and input, or a range");
    return {key, category, conversion, window, name, 0, 0, initial};
}

// A scroll bar, an option group, the alignment list or an ammunition flag,
// from low to high: a flag's range is the behaviours its letter cycles through.
constexpr SettingDef ranged(std::string_view key, Category category, Conversion conversion, Window window,
    std::string_view name, std::string_view initial, std::int16_t low, std::int16_t high, DisplayBox display = {})
{
    using enum Conversion;
    if ((conversion != ScrollPosition && conversion != OptionIndex && conversion != ListIndex
            && conversion != VariantFlag && conversion != ByteFlag)
        || low >= high)
        throw std::logic_error("only a scroll bar, an option group, a list index or a flag has a range");
    if (!display.rows.empty()
        && (conversion != ScrollPosition || display.rows.front().position != low
            || display.rows.back().position != high))
        throw std::logic_error("a display box shows every position of its scroll bar");
    return {key, category, conversion, window, name, low, high, initial, 0, Input::Any, {}, display};
}

// The rows in the order in which the preset writer writes them: a file is
// applied line by line, and this order puts every key after the settings its
// follow-up action looks at. InDartsLeakage, which presets leave out, keeps
// its place after InSteamLeakage as in the default text. The columns are those
// of SettingDef; a text row ends with its length, key filter and checks, a
// ranged row with its low and high, and a scroll bar with a display box with
// the box.
consteval std::array<SettingDef, 328> settings()
{
    using enum Category;
    using enum Conversion;
    using enum Window;
    using enum Input;

    // clang-format off
    return {{
        ranged( "DrawingDistanceRange",        Main,      ScrollPosition, Form1,       "HScroll1",   "2",        -3, 10, {"Text2", displays::kDrawingDistance}),
        ranged( "DistantFogRange",             Main,      ScrollPosition, Form1,       "HScroll2",   "2",        -2, 29, {"Text3", displays::kDistantFog}),
        control("TurnOffDistDLimit",           Main,      CheckState,     Form1,       "Check1",     "0"),
        control("TurnOffDistFog",              Main,      CheckState,     Form1,       "Check2",     "0"),
        control("RemoveLookTransparency",      Main,      CheckState,     Form1,       "Check3",     "0"),
        control("DisableBlinkFlare",           Main,      CheckState,     Form1,       "Check8",     "0"),
        control("DisableDEnemyLand",           Main,      CheckState,     Form1,       "Check4",     "0"),
        control("DisableDEnemyWatr",           Main,      CheckState,     Form1,       "Check6",     "0"),
        ranged( "SampleRate",                  Main,      ScrollPosition, Form1,       "HScroll3",   "1",        0,  3,  {"Text1", displays::kSampleRate}),
        control("FixUWDoorBug",                Main,      CheckState,     Form1,       "Check5",     "0"),
        text(   "UWDoorBugSoundID",            Main,      LegacyHex,      Form1,       "Text5(18)",  "50",       3,  Digits,       cappedAt(127), notEmpty),
        control("FixNoAmmoBug",                Main,      CheckState,     Form1,       "Check7",     "0"),
        text(   "NoAmmoBugSoundID",            Main,      LegacyHex,      Form1,       "Text5(0)",   "48",       3,  Digits,       cappedAt(127), notEmpty),
        control("LockFreeCamera",              Main,      CheckState,     Form1,       "Check10",    "0"),
        control("StickFreeCamera",             Main,      CheckState,     Form1,       "Check9",     "0"),
        ranged( "PonytailMode",                Main,      OptionIndex,    Form1,       "Option1",    "0",        0,  2),
        control("FixHolsters",                 Main,      CheckState,     Form1,       "Check12",    "0"),
        control("SaveTrigger",                 Main,      CheckState,     Form1,       "Check13",    "0"),
        control("DisableHangThread",           Main,      CheckState,     Form1,       "Check14",    "0"),

        text(   "PistolDamage",                Weapons,   LegacyHex,      CustWeapons, "Text5(0)",   "1",        3,  Digits,       atMost(255),   notEmpty),
        text(   "PistolRate",                  Weapons,   LegacyHex,      CustWeapons, "Text5(1)",   "9",        3,  Digits,       atMost(255),   notEmpty),
        text(   "PistolDisp",                  Weapons,   LegacyHex,      CustWeapons, "Text5(2)",   "5",        3,  Digits,       atMost(255),   notEmpty),
        text(   "PistolFlash",                 Weapons,   LegacyHex,      CustWeapons, "Text5(3)",   "3",        3,  Digits,       atMost(255),   notEmpty),
        text(   "UziDamage",                   Weapons,   LegacyHex,      CustWeapons, "Text5(15)",  "1",        3,  Digits,       atMost(255),   notEmpty),
        text(   "UziRate",                     Weapons,   LegacyHex,      CustWeapons, "Text5(6)",   "3",        3,  Digits,       atMost(255),   notEmpty),
        text(   "UziDisp",                     Weapons,   LegacyHex,      CustWeapons, "Text5(5)",   "5",        3,  Digits,       atMost(255),   notEmpty),
        text(   "UziFlash",                    Weapons,   LegacyHex,      CustWeapons, "Text5(4)",   "3",        3,  Digits,       atMost(255),   notEmpty),
        text(   "RevolDamage",                 Weapons,   LegacyHex,      CustWeapons, "Text5(13)",  "21",       3,  Digits,       atMost(255),   notEmpty),
        text(   "RevolRate",                   Weapons,   LegacyHex,      CustWeapons, "Text5(9)",   "16",       3,  Digits,       atMost(255),   notEmpty),
        text(   "RevolDisp",                   Weapons,   LegacyHex,      CustWeapons, "Text5(8)",   "2",        3,  Digits,       atMost(255),   notEmpty),
        text(   "RevolFlash",                  Weapons,   LegacyHex,      CustWeapons, "Text5(7)",   "3",        3,  Digits,       atMost(255),   notEmpty),
        text(   "ShotgunDamage",               Weapons,   LegacyHex,      CustWeapons, "Text5(14)",  "3",        3,  Digits,       atMost(255),   notEmpty),
        text(   "ShotgunDisp",                 Weapons,   Plain,          CustWeapons, "Text5(11)",  "1554",     4,  Hex,          hexDigits(4)),
        text(   "ShotgunFlash",                Weapons,   LegacyHex,      CustWeapons, "Text5(10)",  "3",        3,  Digits,       atMost(255),   notEmpty),
        text(   "ShotgunShotAmount",           Weapons,   LegacyHex,      CustWeapons, "Text5(19)",  "6",        1,  Digits,       atMost(6),     atMost(255),   notEmpty),
        text(   "XBowFlySpeed",                Weapons,   LegacyHex,      CustWeapons, "Text5(20)",  "512",      5,  Digits,       atMost(65535), notEmpty),
        text(   "XBowDamage",                  Weapons,   LegacyHex,      CustWeapons, "Text5(18)",  "5",        3,  Digits,       atMost(255),   notEmpty),
        text(   "XBowPoisonDamage",            Weapons,   LegacyHex,      CustWeapons, "Text5(17)",  "1",        3,  Digits,       atMost(255),   notEmpty),
        control("EnablePoisonDamageChanging",  Weapons,   CheckState,     CustWeapons, "Check1",     "0"),
        text(   "ExplosiveDamage",             Weapons,   LegacyHex,      CustWeapons, "Text5(16)",  "30",       3,  Digits,       atMost(255),   notEmpty),
        ranged( "XBowNormFlag",                Weapons,   VariantFlag,    CustWeapons, "Label30(0)", "1",        1,  3),
        ranged( "XBowPoisonFlag",              Weapons,   VariantFlag,    CustWeapons, "Label30(1)", "2",        1,  3),
        ranged( "XBowExplosiveFlag",           Weapons,   ByteFlag,       CustWeapons, "Label30(2)", "3",        1,  3),
        ranged( "GrenNormFlag",                Weapons,   VariantFlag,    CustWeapons, "Label31(0)", "1",        1,  5),
        ranged( "GrenSupaFlag",                Weapons,   VariantFlag,    CustWeapons, "Label31(1)", "2",        1,  5),
        ranged( "GrenFlshFlag",                Weapons,   ByteFlag,       CustWeapons, "Label31(2)", "3",        1,  5),
        text(   "GrenadeTimeout",              Weapons,   Number,         CustWeapons, "Text5(21)",  "120",      5,  Digits,       atMost(65535), notEmpty),
        control("ReviveShotGunflash",          Weapons,   CheckState,     CustWeapons, "Check2",     "0"),
        text(   "SGFlashXPos",                 Weapons,   Number,         CustWeapons, "Text5(22)",  "308",      5,  Digits,       atMost(65535), notEmpty),
        text(   "SGFlashYPos",                 Weapons,   Number,         CustWeapons, "Text5(23)",  "85",       5,  Digits,       atMost(65535), notEmpty),
        text(   "SGSmokePuffYPos",             Weapons,   Number,         CustWeapons, "Text5(24)",  "11",       3,  Digits,       atMost(255),   notEmpty),

        text(   "MainFontMainColourR",         Fonts,     LegacyHex,      CustFonts,   "Text1(0)",   "128",      3,  Digits,       atMost(255),   notEmpty),
        text(   "MainFontMainColourG",         Fonts,     LegacyHex,      CustFonts,   "Text1(1)",   "128",      3,  Digits,       atMost(255),   notEmpty),
        text(   "MainFontMainColourB",         Fonts,     LegacyHex,      CustFonts,   "Text1(2)",   "128",      3,  Digits,       atMost(255),   notEmpty),
        text(   "MainFontFadeColourR",         Fonts,     LegacyHex,      CustFonts,   "Text1(3)",   "128",      3,  Digits,       atMost(255),   notEmpty),
        text(   "MainFontFadeColourG",         Fonts,     LegacyHex,      CustFonts,   "Text1(4)",   "128",      3,  Digits,       atMost(255),   notEmpty),
        text(   "MainFontFadeColourB",         Fonts,     LegacyHex,      CustFonts,   "Text1(5)",   "128",      3,  Digits,       atMost(255),   notEmpty),
        text(   "OptsFontMainColourR",         Fonts,     LegacyHex,      CustFonts,   "Text1(6)",   "192",      3,  Digits,       atMost(255),   notEmpty),
        text(   "OptsFontMainColourG",         Fonts,     LegacyHex,      CustFonts,   "Text1(7)",   "128",      3,  Digits,       atMost(255),   notEmpty),
        text(   "OptsFontMainColourB",         Fonts,     LegacyHex,      CustFonts,   "Text1(8)",   "64",       3,  Digits,       atMost(255),   notEmpty),
        text(   "OptsFontFadeColourR",         Fonts,     LegacyHex,      CustFonts,   "Text1(11)",  "64",       3,  Digits,       atMost(255),   notEmpty),
        text(   "OptsFontFadeColourG",         Fonts,     LegacyHex,      CustFonts,   "Text1(10)",  "16",       3,  Digits,       atMost(255),   notEmpty),
        text(   "OptsFontFadeColourB",         Fonts,     LegacyHex,      CustFonts,   "Text1(9)",   "0",        3,  Digits,       atMost(255),   notEmpty),
        text(   "InvtFontMainColourR",         Fonts,     LegacyHex,      CustFonts,   "Text1(12)",  "224",      3,  Digits,       atMost(255),   notEmpty),
        text(   "InvtFontMainColourG",         Fonts,     LegacyHex,      CustFonts,   "Text1(13)",  "192",      3,  Digits,       atMost(255),   notEmpty),
        text(   "InvtFontMainColourB",         Fonts,     LegacyHex,      CustFonts,   "Text1(14)",  "0",        3,  Digits,       atMost(255),   notEmpty),
        text(   "InvtFontFadeColourR",         Fonts,     LegacyHex,      CustFonts,   "Text1(17)",  "64",       3,  Digits,       atMost(255),   notEmpty),
        text(   "InvtFontFadeColourG",         Fonts,     LegacyHex,      CustFonts,   "Text1(16)",  "32",       3,  Digits,       atMost(255),   notEmpty),
        text(   "InvtFontFadeColourB",         Fonts,     LegacyHex,      CustFonts,   "Text1(15)",  "0",        3,  Digits,       atMost(255),   notEmpty),
        text(   "ItemFontMainColourR",         Fonts,     LegacyHex,      CustFonts,   "Text1(24)",  "128",      3,  Digits,       atMost(255),   notEmpty),
        text(   "ItemFontMainColourG",         Fonts,     LegacyHex,      CustFonts,   "Text1(23)",  "128",      3,  Digits,       atMost(255),   notEmpty),
        text(   "ItemFontMainColourB",         Fonts,     LegacyHex,      CustFonts,   "Text1(22)",  "128",      3,  Digits,       atMost(255),   notEmpty),
        text(   "ItemFontFadeColourR",         Fonts,     LegacyHex,      CustFonts,   "Text1(19)",  "16",       3,  Digits,       atMost(255),   notEmpty),
        text(   "ItemFontFadeColourG",         Fonts,     LegacyHex,      CustFonts,   "Text1(20)",  "16",       3,  Digits,       atMost(255),   notEmpty),
        text(   "ItemFontFadeColourB",         Fonts,     LegacyHex,      CustFonts,   "Text1(21)",  "16",       3,  Digits,       atMost(255),   notEmpty),
        text(   "LegendDispTime",              Fonts,     LegacyHex,      CustFonts,   "Text1(18)",  "150",      3,  Digits,       atMost(255),   notEmpty),
        text(   "MainMenuNewGameEffectID",     Fonts,     Number,         CustFonts,   "Text1(25)",  "1",        3,  Digits,       atMost(10),    notEmpty),
        text(   "MainMenuLoadGameEffectID",    Fonts,     Number,         CustFonts,   "Text1(26)",  "1",        3,  Digits,       atMost(10),    notEmpty),
        text(   "MainMenuOptsEffectID",        Fonts,     Number,         CustFonts,   "Text1(27)",  "1",        3,  Digits,       atMost(10),    notEmpty),
        text(   "MainMenuExitEffectID",        Fonts,     Number,         CustFonts,   "Text1(28)",  "1",        3,  Digits,       atMost(10),    notEmpty),
        ranged( "MainMenuAlign",               Fonts,     ListIndex,      CustFonts,   "Combo1(0)",  "1",        -1, 2),

        text(   "HMainColourR",                Bars,      LegacyHex,      CustBars,    "Text1(0)",   "255",      3,  Digits,       atMost(255),   notEmpty),
        text(   "HMainColourG",                Bars,      LegacyHex,      CustBars,    "Text1(1)",   "0",        3,  Digits,       atMost(255),   notEmpty),
        text(   "HMainColourB",                Bars,      LegacyHex,      CustBars,    "Text1(2)",   "0",        3,  Digits,       atMost(255),   notEmpty),
        text(   "HFadeColourR",                Bars,      LegacyHex,      CustBars,    "Text1(3)",   "0",        3,  Digits,       atMost(255),   notEmpty),
        text(   "HFadeColourG",                Bars,      LegacyHex,      CustBars,    "Text1(4)",   "0",        3,  Digits,       atMost(255),   notEmpty),
        text(   "HFadeColourB",                Bars,      LegacyHex,      CustBars,    "Text1(5)",   "0",        3,  Digits,       atMost(255),   notEmpty),
        text(   "HPoisonColourR",              Bars,      LegacyHex,      CustBars,    "Text1(24)",  "0",        3,  Digits,       atMost(255),   notEmpty),
        text(   "HPoisonColourG",              Bars,      LegacyHex,      CustBars,    "Text1(25)",  "255",      3,  Digits,       atMost(255),   notEmpty),
        text(   "HPoisonColourB",              Bars,      LegacyHex,      CustBars,    "Text1(26)",  "0",        3,  Digits,       atMost(255),   notEmpty),
        text(   "HWidth",                      Bars,      LegacyHex,      CustBars,    "Text2(0)",   "150",      5,  Digits,       atMost(32767), notEmpty),
        text(   "HHeight",                     Bars,      LegacyHex,      CustBars,    "Text2(1)",   "12",       3,  Digits,       atMost(255),   notEmpty),
        control("HHide",                       Bars,      CheckState,     CustBars,    "Check1",     "0"),
        control("HAnim",                       Bars,      CheckState,     CustBars,    "Check5",     "0"),
        text(   "AMainColourR",                Bars,      LegacyHex,      CustBars,    "Text1(11)",  "0",        3,  Digits,       atMost(255),   notEmpty),
        text(   "AMainColourG",                Bars,      LegacyHex,      CustBars,    "Text1(10)",  "0",        3,  Digits,       atMost(255),   notEmpty),
        text(   "AMainColourB",                Bars,      LegacyHex,      CustBars,    "Text1(9)",   "255",      3,  Digits,       atMost(255),   notEmpty),
        text(   "AFadeColourR",                Bars,      LegacyHex,      CustBars,    "Text1(8)",   "0",        3,  Digits,       atMost(255),   notEmpty),
        text(   "AFadeColourG",                Bars,      LegacyHex,      CustBars,    "Text1(7)",   "0",        3,  Digits,       atMost(255),   notEmpty),
        text(   "AFadeColourB",                Bars,      LegacyHex,      CustBars,    "Text1(6)",   "0",        3,  Digits,       atMost(255),   notEmpty),
        text(   "AWidth",                      Bars,      LegacyHex,      CustBars,    "Text2(3)",   "150",      5,  Digits,       atMost(32767), notEmpty),
        text(   "AHeight",                     Bars,      LegacyHex,      CustBars,    "Text2(2)",   "12",       3,  Digits,       atMost(255),   notEmpty),
        text(   "ALeft",                       Bars,      LegacyHex,      CustBars,    "Text2(9)",   "490",      5,  Digits,       atMost(32767), notEmpty),
        control("AHide",                       Bars,      CheckState,     CustBars,    "Check2",     "0"),
        control("AAnim",                       Bars,      CheckState,     CustBars,    "Check6",     "0"),
        text(   "SMainColourR",                Bars,      LegacyHex,      CustBars,    "Text1(17)",  "0",        3,  Digits,       atMost(255),   notEmpty),
        text(   "SMainColourG",                Bars,      LegacyHex,      CustBars,    "Text1(16)",  "255",      3,  Digits,       atMost(255),   notEmpty),
        text(   "SMainColourB",                Bars,      LegacyHex,      CustBars,    "Text1(15)",  "0",        3,  Digits,       atMost(255),   notEmpty),
        text(   "SFadeColourR",                Bars,      LegacyHex,      CustBars,    "Text1(14)",  "0",        3,  Digits,       atMost(255),   notEmpty),
        text(   "SFadeColourG",                Bars,      LegacyHex,      CustBars,    "Text1(13)",  "0",        3,  Digits,       atMost(255),   notEmpty),
        text(   "SFadeColourB",                Bars,      LegacyHex,      CustBars,    "Text1(12)",  "0",        3,  Digits,       atMost(255),   notEmpty),
        text(   "SWidth",                      Bars,      LegacyHex,      CustBars,    "Text2(5)",   "150",      5,  Digits,       atMost(32767), notEmpty),
        text(   "SHeight",                     Bars,      LegacyHex,      CustBars,    "Text2(4)",   "12",       3,  Digits,       atMost(255),   notEmpty),
        text(   "SLeft",                       Bars,      LegacyHex,      CustBars,    "Text2(10)",  "490",      5,  Digits,       atMost(32767), notEmpty),
        control("SHide",                       Bars,      CheckState,     CustBars,    "Check3",     "0"),
        control("SAnim",                       Bars,      CheckState,     CustBars,    "Check7",     "0"),
        text(   "LMainColourR",                Bars,      LegacyHex,      CustBars,    "Text1(18)",  "159",      3,  Digits,       atMost(255),   notEmpty),
        text(   "LMainColourG",                Bars,      LegacyHex,      CustBars,    "Text1(19)",  "31",       3,  Digits,       atMost(255),   notEmpty),
        text(   "LMainColourB",                Bars,      LegacyHex,      CustBars,    "Text1(20)",  "128",      3,  Digits,       atMost(255),   notEmpty),
        text(   "LFadeColourR",                Bars,      LegacyHex,      CustBars,    "Text1(21)",  "0",        3,  Digits,       atMost(255),   notEmpty),
        text(   "LFadeColourG",                Bars,      LegacyHex,      CustBars,    "Text1(22)",  "0",        3,  Digits,       atMost(255),   notEmpty),
        text(   "LFadeColourB",                Bars,      LegacyHex,      CustBars,    "Text1(23)",  "0",        3,  Digits,       atMost(255),   notEmpty),
        text(   "LWidth",                      Bars,      LegacyHex,      CustBars,    "Text2(6)",   "600",      5,  Digits,       atMost(32767), notEmpty),
        text(   "LHeight",                     Bars,      LegacyHex,      CustBars,    "Text2(7)",   "15",       3,  Digits,       atMost(255),   notEmpty),
        text(   "LLeft",                       Bars,      LegacyHex,      CustBars,    "Text2(8)",   "20",       3,  Digits,       atMost(127),   notEmpty),
        control("LHide",                       Bars,      CheckState,     CustBars,    "Check4",     "0"),
        text(   "SndBarMainColourR",           Bars,      LegacyHex,      CustBars,    "Text1(29)",  "63",       3,  Digits,       atMost(255),   notEmpty),
        text(   "SndBarMainColourG",           Bars,      LegacyHex,      CustBars,    "Text1(28)",  "63",       3,  Digits,       atMost(255),   notEmpty),
        text(   "SndBarMainColourB",           Bars,      LegacyHex,      CustBars,    "Text1(27)",  "255",      3,  Digits,       atMost(255),   notEmpty),
        text(   "SndBarFadeColourR",           Bars,      LegacyHex,      CustBars,    "Text1(32)",  "31",       3,  Digits,       atMost(255),   notEmpty),
        text(   "SndBarFadeColourG",           Bars,      LegacyHex,      CustBars,    "Text1(31)",  "31",       3,  Digits,       atMost(255),   notEmpty),
        text(   "SndBarFadeColourB",           Bars,      LegacyHex,      CustBars,    "Text1(30)",  "31",       3,  Digits,       atMost(255),   notEmpty),
        text(   "SndBarABOColourR",            Bars,      LegacyHex,      CustBars,    "Text1(35)",  "127",      3,  Digits,       atMost(255),   notEmpty),
        text(   "SndBarABOColourG",            Bars,      LegacyHex,      CustBars,    "Text1(34)",  "127",      3,  Digits,       atMost(255),   notEmpty),
        text(   "SndBarABOColourB",            Bars,      LegacyHex,      CustBars,    "Text1(33)",  "127",      3,  Digits,       atMost(255),   notEmpty),
        text(   "MusBarMainColourR",           Bars,      LegacyHex,      CustBars,    "Text1(38)",  "63",       3,  Digits,       atMost(255),   notEmpty),
        text(   "MusBarMainColourG",           Bars,      LegacyHex,      CustBars,    "Text1(37)",  "63",       3,  Digits,       atMost(255),   notEmpty),
        text(   "MusBarMainColourB",           Bars,      LegacyHex,      CustBars,    "Text1(36)",  "255",      3,  Digits,       atMost(255),   notEmpty),
        text(   "MusBarFadeColourR",           Bars,      LegacyHex,      CustBars,    "Text1(41)",  "31",       3,  Digits,       atMost(255),   notEmpty),
        text(   "MusBarFadeColourG",           Bars,      LegacyHex,      CustBars,    "Text1(40)",  "31",       3,  Digits,       atMost(255),   notEmpty),
        text(   "MusBarFadeColourB",           Bars,      LegacyHex,      CustBars,    "Text1(39)",  "31",       3,  Digits,       atMost(255),   notEmpty),
        text(   "MusBarABOColourR",            Bars,      LegacyHex,      CustBars,    "Text1(44)",  "127",      3,  Digits,       atMost(255),   notEmpty),
        text(   "MusBarABOColourG",            Bars,      LegacyHex,      CustBars,    "Text1(43)",  "127",      3,  Digits,       atMost(255),   notEmpty),
        text(   "MusBarABOColourB",            Bars,      LegacyHex,      CustBars,    "Text1(42)",  "127",      3,  Digits,       atMost(255),   notEmpty),
        text(   "PBOColourR",                  Bars,      LegacyHex,      CustBars,    "Text1(47)",  "63",       3,  Digits,       atMost(255),   notEmpty),
        text(   "PBOColourG",                  Bars,      LegacyHex,      CustBars,    "Text1(46)",  "63",       3,  Digits,       atMost(255),   notEmpty),
        text(   "PBOColourB",                  Bars,      LegacyHex,      CustBars,    "Text1(45)",  "63",       3,  Digits,       atMost(255),   notEmpty),

        text(   "LightingRAW1",                Gfx,       Plain,          CustGfx,     "Text1(0)",   "00",       2,  Hex,          hexDigits(2)),
        text(   "LightingRAW2",                Gfx,       Plain,          CustGfx,     "Text1(1)",   "18",       2,  Hex,          hexDigits(2)),
        text(   "LightingRAW3",                Gfx,       Plain,          CustGfx,     "Text1(2)",   "C0",       2,  Hex,          hexDigits(2)),
        text(   "LightingRAW4",                Gfx,       Plain,          CustGfx,     "Text1(3)",   "00",       2,  Hex,          hexDigits(2)),
        text(   "LightingRAW5",                Gfx,       Plain,          CustGfx,     "Text1(4)",   "C0",       2,  Hex,          hexDigits(2)),
        text(   "LightingRAW6",                Gfx,       Plain,          CustGfx,     "Text1(5)",   "00",       2,  Hex,          hexDigits(2)),
        text(   "LightingCoreColourR",         Gfx,       LegacyHex,      CustGfx,     "Text1(29)",  "0",        3,  Digits,       atMost(255),   notEmpty),
        text(   "LightingCoreColourG",         Gfx,       LegacyHex,      CustGfx,     "Text1(28)",  "0",        3,  Digits,       atMost(255),   notEmpty),
        text(   "LightingCoreColourB",         Gfx,       LegacyHex,      CustGfx,     "Text1(27)",  "0",        3,  Digits,       atMost(255),   notEmpty),
        text(   "LightingCoreColourA",         Gfx,       LegacyHex,      CustGfx,     "Text1(30)",  "255",      3,  Digits,       atMost(255),   notEmpty),
        text(   "LightingDispTime",            Gfx,       Plain,          CustGfx,     "Text2",      "20",       2,  Hex,          hexDigits(2)),
        text(   "LightingDispRange",           Gfx,       Plain,          CustGfx,     "Text3",      "60",       2,  Hex,          hexDigits(2)),
        text(   "LightingSize",                Gfx,       Plain,          CustGfx,     "Text10",     "20",       2,  Hex,          hexDigits(2)),
        text(   "BloodSize",                   Gfx,       Plain,          CustGfx,     "Text9",      "08",       2,  Hex,          hexDigits(2)),
        text(   "BloodIntensity",              Gfx,       Plain,          CustGfx,     "Text5",      "30",       2,  Hex,          hexDigits(2)),
        text(   "BloodLifetime",               Gfx,       Plain,          CustGfx,     "Text6",      "18",       2,  Hex,          hexDigits(2)),
        text(   "BloodSpreadX",                Gfx,       Plain,          CustGfx,     "Text7",      "07",       2,  Hex,          hexDigits(2)),
        text(   "BloodSpreadY",                Gfx,       Plain,          CustGfx,     "Text8",      "07",       2,  Hex,          hexDigits(2)),
        text(   "PistolSmokeDur",              Gfx,       Plain,          CustGfx,     "Text1(12)",  "1C",       2,  Hex,          hexDigits(2)),
        text(   "RevolverSmokeDur",            Gfx,       Plain,          CustGfx,     "Text1(13)",  "1C",       2,  Hex,          hexDigits(2)),
        text(   "WFallScrollSpeed",            Gfx,       SignedByte,     CustGfx,     "Text1(31)",  "7",        4,  SignedDigits, atMost(127),   atLeast(-128), notEmpty),
        text(   "SkyDir",                      Gfx,       Plain,          CustGfx,     "Text11",     "7FF8",     4,  Hex,          hexDigits(4)),
        text(   "GunflashAddR",                Gfx,       LegacyHex,      CustGfx,     "Text1(11)",  "47",       3,  Digits,       atMost(255),   notEmpty),
        text(   "GunflashAddG",                Gfx,       LegacyHex,      CustGfx,     "Text1(10)",  "47",       3,  Digits,       atMost(255),   notEmpty),
        text(   "GunflashAddB",                Gfx,       LegacyHex,      CustGfx,     "Text1(9)",   "0",        3,  Digits,       atMost(255),   notEmpty),
        text(   "WallpaperAddR",               Gfx,       LegacyHex,      CustGfx,     "Text1(14)",  "0",        3,  Digits,       atMost(255),   notEmpty),
        text(   "WallpaperAddG",               Gfx,       LegacyHex,      CustGfx,     "Text1(15)",  "0",        3,  Digits,       atMost(255),   notEmpty),
        text(   "WallpaperAddB",               Gfx,       LegacyHex,      CustGfx,     "Text1(16)",  "0",        3,  Digits,       atMost(255),   notEmpty),
        control("WallpaperGradTop",            Gfx,       CheckState,     CustGfx,     "Check3",     "0"),
        control("WallpaperGradBottom",         Gfx,       CheckState,     CustGfx,     "Check2",     "0"),
        text(   "RicoAddR",                    Gfx,       LegacyHex,      CustGfx,     "Text1(6)",   "0",        3,  Digits,       atMost(255),   notEmpty),
        text(   "RicoAddG",                    Gfx,       LegacyHex,      CustGfx,     "Text1(7)",   "0",        3,  Digits,       atMost(255),   notEmpty),
        text(   "RicoAddB",                    Gfx,       LegacyHex,      CustGfx,     "Text1(8)",   "0",        3,  Digits,       atMost(255),   notEmpty),
        text(   "WaterdropsAddR",              Gfx,       LegacyHex,      CustGfx,     "Text1(19)",  "0",        3,  Digits,       atMost(255),   notEmpty),
        text(   "WaterdropsAddG",              Gfx,       LegacyHex,      CustGfx,     "Text1(18)",  "0",        3,  Digits,       atMost(255),   notEmpty),
        text(   "WaterdropsAddB",              Gfx,       LegacyHex,      CustGfx,     "Text1(17)",  "0",        3,  Digits,       atMost(255),   notEmpty),
        text(   "ShadowR",                     Gfx,       LegacyHex,      CustGfx,     "Text1(22)",  "0",        3,  Digits,       atMost(255),   notEmpty),
        text(   "ShadowG",                     Gfx,       LegacyHex,      CustGfx,     "Text1(21)",  "0",        3,  Digits,       atMost(255),   notEmpty),
        text(   "ShadowB",                     Gfx,       LegacyHex,      CustGfx,     "Text1(20)",  "0",        3,  Digits,       atMost(255),   notEmpty),
        text(   "ShadowA",                     Gfx,       LegacyHex,      CustGfx,     "Text1(23)",  "79",       3,  Digits,       atMost(255),   notEmpty),
        text(   "FadeoutR",                    Gfx,       LegacyHex,      CustGfx,     "Text1(26)",  "0",        3,  Digits,       atMost(255),   notEmpty),
        text(   "FadeoutG",                    Gfx,       LegacyHex,      CustGfx,     "Text1(25)",  "0",        3,  Digits,       atMost(255),   notEmpty),
        text(   "FadeoutB",                    Gfx,       LegacyHex,      CustGfx,     "Text1(24)",  "0",        3,  Digits,       atMost(255),   notEmpty),
        control("LightingIndirect",            Gfx,       CheckState,     CustGfx,     "Check1",     "0"),
        text(   "GFXRandFactor",               Gfx,       Plain,          CustGfx,     "Text4",      "7FFF",     4,  Hex),

        text(   "FireballSpriteSize",          Gfx2,      Plain,          CustGfx2,    "Text1(4)",   "28",       2,  Hex,          hexDigits(2)),
        text(   "FireballDuration",            Gfx2,      Plain,          CustGfx2,    "Text1(5)",   "18",       2,  Hex,          hexDigits(2)),
        text(   "FireballDispersion",          Gfx2,      Plain,          CustGfx2,    "Text1(7)",   "33",       2,  Hex,          hexDigits(2)),
        text(   "BlastRadius",                 Gfx2,      Plain,          CustGfx2,    "Text1(6)",   "60",       2,  Hex,          hexDigits(2)),
        text(   "BlastTimeout",                Gfx2,      Plain,          CustGfx2,    "Text2(1)",   "18806000", 8,  Hex,          hexDigits(8)),
        text(   "BlastSize",                   Gfx2,      Plain,          CustGfx2,    "Text2(3)",   "01300030", 8,  Hex,          hexDigits(8)),
        text(   "SparkleAmount",               Gfx2,      Plain,          CustGfx2,    "Text1(1)",   "8",        3,  Digits,       notEmpty,      atMost(255)),
        control("UnifyAmount",                 Gfx2,      CheckState,     CustGfx2,    "Check1",     "0"),
        text(   "SparkleFallOffDelay",         Gfx2,      Plain,          CustGfx2,    "Text1(0)",   "9",        3,  Digits,       notEmpty,      atMost(255)),
        text(   "SparkleSpriteInitSize",       Gfx2,      Plain,          CustGfx2,    "Text1(3)",   "8",        3,  Digits,       notEmpty,      atMost(255)),
        text(   "SparkleSpriteID",             Gfx2,      Plain,          CustGfx2,    "Text1(2)",   "4",        3,  Digits,       notEmpty,      atMost(255)),
        text(   "AnimTextInterval",            Gfx2,      Plain,          CustGfx2,    "Text1(8)",   "5",        3,  Digits,       atMost(127),   atLeast(1),    notEmpty),
        text(   "FlybyBarsHeight",             Gfx2,      Plain,          CustGfx2,    "Text1(9)",   "16",       3,  Digits,       notEmpty,      atMost(255)),
        text(   "FlybyBarsSpeed",              Gfx2,      Plain,          CustGfx2,    "Text1(10)",  "1",        3,  Digits,       notEmpty,      atMost(255)),
        text(   "UWDustMaxAmount",             Gfx2,      Plain,          CustGfx2,    "Text1(11)",  "16",       3,  Digits,       atMost(127),   notEmpty),
        text(   "UWDustMeltSpeed",             Gfx2,      Plain,          CustGfx2,    "Text1(12)",  "16",       3,  Digits,       atMost(127),   notEmpty),
        text(   "FadeoutsSpeed",               Gfx2,      Number,         CustGfx2,    "Text1(14)",  "3",        3,  Digits,       notEmpty,      atMost(255)),
        text(   "FadeoutsDuration",            Gfx2,      Number,         CustGfx2,    "Text1(13)",  "8",        3,  Digits,       notEmpty,      atMost(255)),

        ranged( "DynLightPower",               Lite,      ScrollPosition, CustLite,    "HScroll4",   "3",        -1, 10, {"Text4", displays::kBlendIntensity}),
        text(   "PistolFlashArea",             Lite,      LegacyHex,      CustLite,    "Text1(0)",   "10",       3,  Digits,       atMost(255),   notEmpty),
        text(   "RevolverFlashArea",           Lite,      LegacyHex,      CustLite,    "Text1(2)",   "12",       3,  Digits,       atMost(255),   notEmpty),
        text(   "ShotgunFlashArea",            Lite,      LegacyHex,      CustLite,    "Text1(3)",   "12",       3,  Digits,       atMost(255),   notEmpty),
        text(   "FlameEmitter1Area",           Lite,      LegacyHex,      CustLite,    "Text1(1)",   "16",       3,  Digits,       atMost(255),   notEmpty),
        control("BinocsRange",                 Lite,      ListText,       CustLite,    "Combo1",     "20"),
        ranged( "FlareColour",                 Lite,      OptionIndex,    CustLite,    "Option1",    "0",        0,  4),

        control("DefGetPistols",               Inventory, CheckState,     CustInv,     "Check1(0)",  "1"),
        control("DefGetBinoculars",            Inventory, CheckState,     CustInv,     "Check1(1)",  "1"),
        control("DefGetCrowbar",               Inventory, CheckState,     CustInv,     "Check1(2)",  "0"),
        control("SeperateAmount",              Inventory, CheckState,     CustInv,     "Check2",     "0"),
        text(   "DefBigMedkits",               Inventory, Number,         CustInv,     "Text1(0)",   "01",       3,  Digits,       notEmpty,      atMost(255)),
        text(   "DefSmallMedkits",             Inventory, Number,         CustInv,     "Text1(1)",   "3",        3,  Digits,       notEmpty,      atMost(255)),
        text(   "DefFlares",                   Inventory, Number,         CustInv,     "Text1(2)",   "3",        3,  Digits,       notEmpty,      atMost(255)),
        control("DisableUnlPistAmmoLabel",     Inventory, CheckState,     CustInv,     "Check1(4)",  "0"),
        control("ReplacePistolsWithAmmo",      Inventory, CheckState,     CustInv,     "Check4",     "0"),
        control("RemovePistolAmmo",            Inventory, CheckState,     CustInv,     "Check1(3)",  "0"),
        text(   "StartUpPistolAmmo",           Inventory, Number,         CustInv,     "Text1(17)",  "100",      3,  Digits,       notEmpty,      atMost(255)),
        control("DisableShotgunAmmoDivider",   Inventory, CheckState,     CustInv,     "Check1(5)",  "0"),
        text(   "StartupHealth",               Inventory, LegacyHex,      CustInv,     "Text2(0)",   "1000",     5,  Digits,       atMost(32767), notEmpty),
        text(   "StartupAir",                  Inventory, LegacyHex,      CustInv,     "Text2(1)",   "1800",     5,  Digits,       atMost(32767), notEmpty),
        text(   "StartupSprint",               Inventory, LegacyHex,      CustInv,     "Text2(2)",   "120",      5,  Digits,       atMost(32767), notEmpty),
        text(   "PistolAmmo",                  Inventory, Number,         CustInv,     "Text1(16)",  "40",       3,  Digits,       notEmpty,      atMost(127)),
        text(   "ShotgunNormalAmmo",           Inventory, Number,         CustInv,     "Text1(6)",   "6",        3,  Digits,       notEmpty,      atMost(21)),
        text(   "ShotgunWideAmmo",             Inventory, Number,         CustInv,     "Text1(5)",   "6",        3,  Digits,       notEmpty,      atMost(21)),
        text(   "UziAmmo",                     Inventory, Number,         CustInv,     "Text1(7)",   "30",       3,  Digits,       notEmpty,      atMost(127)),
        text(   "RevolverAmmo",                Inventory, Number,         CustInv,     "Text1(8)",   "6",        3,  Digits,       notEmpty,      atMost(127)),
        text(   "XBowNormalAmmo",              Inventory, Number,         CustInv,     "Text1(9)",   "10",       3,  Digits,       notEmpty,      atMost(127)),
        text(   "XBowPoisonAmmo",              Inventory, Number,         CustInv,     "Text1(10)",  "10",       3,  Digits,       notEmpty,      atMost(127)),
        text(   "XBowExplosiveAmmo",           Inventory, Number,         CustInv,     "Text1(11)",  "10",       3,  Digits,       notEmpty,      atMost(127)),
        text(   "GrenadeGunDefAmmo",           Inventory, Number,         CustInv,     "Text1(3)",   "10",       3,  Digits,       notEmpty,      atMost(127)),
        text(   "GrenadeNormalAmmo",           Inventory, Number,         CustInv,     "Text1(13)",  "4",        3,  Digits,       notEmpty,      atMost(127)),
        text(   "GrenadeSuperAmmo",            Inventory, Number,         CustInv,     "Text1(14)",  "4",        3,  Digits,       notEmpty,      atMost(127)),
        text(   "GrenadeFlashAmmo",            Inventory, Number,         CustInv,     "Text1(15)",  "4",        3,  Digits,       notEmpty,      atMost(127)),
        text(   "Flares",                      Inventory, Number,         CustInv,     "Text1(12)",  "12",       3,  Digits,       notEmpty,      atMost(127)),
        text(   "SmallMediEffect",             Inventory, LegacyHex,      CustInv,     "Text2(4)",   "500",      4,  Digits,       atMost(32767), notEmpty),
        control("InvertSmallMediEffect",       Inventory, CheckState,     CustInv,     "Check3",     "0"),
        control("DisableInventory",            Inventory, CheckState,     CustInv,     "Check7",     "0"),
        control("DisableLoad",                 Inventory, CheckState,     CustInv,     "Check5",     "0"),
        control("DisableSave",                 Inventory, CheckState,     CustInv,     "Check6",     "0"),
        control("FixCompassBug",               Inventory, CheckState,     CustInv,     "Check9",     "0"),
        control("DisableCompassCheats",        Inventory, CheckState,     CustInv,     "Check8",     "0"),
        text(   "Secrets",                     Inventory, DigitText,      CustInv,     "Text1(4)",   "70",       2,  Digits,       notEmpty,      atMost(99)),
        text(   "ItemRotateSpeed",             Inventory, Plain,          CustInv,     "Text2(3)",   "03FE",     4,  Hex,          hexDigits(2)),
        text(   "AmmoRotateSpeed",             Inventory, Plain,          CustInv,     "Text2(5)",   "03FE",     4,  Hex,          hexDigits(2)),

        text(   "SkeletonHP",                  Enemies,   LegacyHex,      CustEnemy,   "Text1(1)",   "15",       5,  Digits,       atMost(32767), notEmpty),
        text(   "Baddy1HP",                    Enemies,   LegacyHex,      CustEnemy,   "Text1(2)",   "25",       5,  Digits,       atMost(32767), notEmpty),
        text(   "Baddy2HP",                    Enemies,   LegacyHex,      CustEnemy,   "Text1(3)",   "35",       5,  Digits,       atMost(32767), notEmpty),
        text(   "ScorpionHP",                  Enemies,   LegacyHex,      CustEnemy,   "Text1(4)",   "80",       5,  Digits,       atMost(32767), notEmpty),
        text(   "MummyHP",                     Enemies,   LegacyHex,      CustEnemy,   "Text1(5)",   "15",       5,  Digits,       atMost(32767), notEmpty),
        text(   "KnightTemplarHP",             Enemies,   LegacyHex,      CustEnemy,   "Text1(6)",   "15",       5,  Digits,       atMost(32767), notEmpty),
        text(   "SphinxHP",                    Enemies,   LegacyHex,      CustEnemy,   "Text1(7)",   "1000",     5,  Digits,       atMost(32767), notEmpty),
        text(   "SethaHP",                     Enemies,   LegacyHex,      CustEnemy,   "Text1(8)",   "500",      5,  Digits,       atMost(32767), notEmpty),
        text(   "HorsemenHP",                  Enemies,   LegacyHex,      CustEnemy,   "Text1(9)",   "25",       5,  Digits,       atMost(32767), notEmpty),
        text(   "HammerheadHP",                Enemies,   LegacyHex,      CustEnemy,   "Text1(10)",  "45",       5,  Digits,       atMost(32767), notEmpty),
        text(   "CrocodileHP",                 Enemies,   LegacyHex,      CustEnemy,   "Text1(11)",  "36",       5,  Digits,       atMost(32767), notEmpty),
        text(   "MutantHP",                    Enemies,   LegacyHex,      CustEnemy,   "Text1(0)",   "15",       5,  Digits,       atMost(32767), notEmpty),
        text(   "Demigod1HP",                  Enemies,   LegacyHex,      CustEnemy,   "Text1(12)",  "200",      5,  Digits,       atMost(32767), notEmpty),
        text(   "Demigod2HP",                  Enemies,   LegacyHex,      CustEnemy,   "Text1(13)",  "200",      5,  Digits,       atMost(32767), notEmpty),
        text(   "Demigod3HP",                  Enemies,   LegacyHex,      CustEnemy,   "Text1(14)",  "200",      5,  Digits,       atMost(32767), notEmpty),
        text(   "TroopsHP",                    Enemies,   LegacyHex,      CustEnemy,   "Text1(15)",  "40",       5,  Digits,       atMost(32767), notEmpty),
        text(   "SASHP",                       Enemies,   LegacyHex,      CustEnemy,   "Text1(16)",  "40",       5,  Digits,       atMost(32767), notEmpty),
        text(   "HarpyHP",                     Enemies,   LegacyHex,      CustEnemy,   "Text1(17)",  "60",       5,  Digits,       atMost(32767), notEmpty),
        text(   "WildBoarHP",                  Enemies,   LegacyHex,      CustEnemy,   "Text1(18)",  "40",       5,  Digits,       atMost(32767), notEmpty),
        text(   "DogHP",                       Enemies,   LegacyHex,      CustEnemy,   "Text1(19)",  "16",       5,  Digits,       atMost(32767), notEmpty),
        text(   "AhmetHP",                     Enemies,   LegacyHex,      CustEnemy,   "Text1(20)",  "80",       5,  Digits,       atMost(32767), notEmpty),
        text(   "BaboonHP",                    Enemies,   LegacyHex,      CustEnemy,   "Text1(21)",  "30",       5,  Digits,       atMost(32767), notEmpty),
        text(   "BatHP",                       Enemies,   LegacyHex,      CustEnemy,   "Text1(22)",  "5",        5,  Digits,       atMost(32767), notEmpty),
        text(   "BigBeetleHP",                 Enemies,   LegacyHex,      CustEnemy,   "Text1(23)",  "30",       5,  Digits,       atMost(32767), notEmpty),
        control("EnableSmallScorpionHPChange", Enemies,   CheckState,     CustEnemy,   "Check1",     "0"),
        text(   "SmallScorpionHP",             Enemies,   LegacyHex,      CustEnemy,   "Text1(24)",  "8",        5,  Digits,       atMost(32767), notEmpty),

        text(   "RotOnGroundFrontLeft",        Physics,   Plain,          CustPhys,    "Text2(1)",   "FA50",     4,  Hex,          hexDigits(4)),
        text(   "RotOnGroundFrontRight",       Physics,   Plain,          CustPhys,    "Text2(2)",   "05B0",     4,  Hex,          hexDigits(4)),
        text(   "RotOnGroundBackLeft",         Physics,   Plain,          CustPhys,    "Text2(5)",   "0444",     4,  Hex,          hexDigits(4)),
        text(   "RotOnGroundBackRight",        Physics,   Plain,          CustPhys,    "Text2(6)",   "FBBC",     4,  Hex,          hexDigits(4)),
        text(   "InAirFrontLeft",              Physics,   Plain,          CustPhys,    "Text2(7)",   "FDDE",     4,  Hex,          hexDigits(4)),
        text(   "InAirFrontRight",             Physics,   Plain,          CustPhys,    "Text2(8)",   "0222",     4,  Hex,          hexDigits(4)),
        text(   "SwimSpeed",                   Physics,   Plain,          CustPhys,    "Text2(10)",  "00C8",     4,  Hex,          hexDigits(4)),
        text(   "SwimRotLeft",                 Physics,   Plain,          CustPhys,    "Text2(0)",   "FBBC",     4,  Hex,          hexDigits(4)),
        text(   "SwimRotRight",                Physics,   Plain,          CustPhys,    "Text2(3)",   "0444",     4,  Hex,          hexDigits(4)),
        text(   "ShellGravity",                Physics,   LegacyHex,      CustPhys,    "Text1(1)",   "6",        3,  Digits,       atMost(255),   notEmpty),
        control("DoNotExplodeMotorbike",       Physics,   CheckState,     CustPhys,    "Check1",     "0"),
        control("DoNotExplodeJeep",            Physics,   CheckState,     CustPhys,    "Check2",     "0"),
        control("KillClimbDelay",              Physics,   CheckState,     CustPhys,    "Check3",     "0"),

        text(   "MaxHPBarValue",               OxmaHP,    LegacyHex,      CustOxmaHP,  "Text2(0)",   "1000",     5,  Digits,       atMost(32767), notEmpty),
        text(   "RawHPBarRange",               OxmaHP,    Plain,          CustOxmaHP,  "Text2(3)",   "66666667", 8,  Hex,          hexDigits(8)),
        text(   "Divider",                     OxmaHP,    Plain,          CustOxmaHP,  "Text2(4)",   "02",       2,  Hex,          hexDigits(2)),
        text(   "MedkitsHPLimiter",            OxmaHP,    LegacyHex,      CustOxmaHP,  "Text2(1)",   "1000",     5,  Digits,       atMost(32767), notEmpty),
        text(   "CriticalHPThresh",            OxmaHP,    LegacyHex,      CustOxmaHP,  "Text2(2)",   "250",      5,  Digits,       atMost(32767), notEmpty),
        text(   "NoAirLeakage",                OxmaHP,    SignedByte,     CustOxmaHP,  "Text1(0)",   "5",        4,  SignedDigits, atLeast(-128), atMost(127),   notEmpty),
        text(   "OnFireLeakage",               OxmaHP,    SignedByte,     CustOxmaHP,  "Text1(1)",   "7",        4,  SignedDigits, atLeast(-128), atMost(127),   notEmpty),
        text(   "InSpikesLeakage",             OxmaHP,    SignedByte,     CustOxmaHP,  "Text1(2)",   "8",        4,  SignedDigits, atLeast(-128), atMost(127),   notEmpty),
        text(   "InSteamLeakage",              OxmaHP,    SignedByte,     CustOxmaHP,  "Text1(3)",   "2",        4,  SignedDigits, atLeast(-128), atMost(127),   notEmpty),
        text(   "InDartsLeakage",              OxmaHP,    SignedByte,     CustOxmaHP,  "Text1(23)",  "25",       4,  SignedDigits, atLeast(-128), atMost(127),   notEmpty),
        text(   "BaddyUZIDmg",                 OxmaHP,    LegacyHex,      CustOxmaHP,  "Text1(4)",   "15",       4,  Digits,       atLeast(-128), atMost(127),   notEmpty),
        text(   "SASMachinegunDmg",            OxmaHP,    LegacyHex,      CustOxmaHP,  "Text1(18)",  "15",       4,  Digits,       atLeast(-128), atMost(127),   notEmpty),
        text(   "TurretDmg",                   OxmaHP,    LegacyHex,      CustOxmaHP,  "Text1(20)",  "5",        4,  Digits,       atLeast(-128), atMost(127),   notEmpty),
        text(   "BatDmg",                      OxmaHP,    SignedByte,     CustOxmaHP,  "Text1(6)",   "2",        4,  SignedDigits, atLeast(-128), atMost(127),   notEmpty),
        text(   "CrocodileUWDmg",              OxmaHP,    SignedByte,     CustOxmaHP,  "Text1(9)",   "120",      4,  SignedDigits, atLeast(-128), atMost(127),   notEmpty),
        text(   "CrocodileLANDDmg",            OxmaHP,    SignedByte,     CustOxmaHP,  "Text1(19)",  "120",      4,  SignedDigits, atLeast(-128), atMost(127),   notEmpty),
        text(   "LocustDmg",                   OxmaHP,    SignedByte,     CustOxmaHP,  "Text1(8)",   "3",        4,  SignedDigits, atLeast(-128), atMost(127),   notEmpty),
        text(   "MummyDmg",                    OxmaHP,    SignedByte,     CustOxmaHP,  "Text1(11)",  "100",      4,  SignedDigits, atLeast(-128), atMost(127),   notEmpty),
        text(   "BaddySwordDmg",               OxmaHP,    SignedByte,     CustOxmaHP,  "Text1(7)",   "120",      4,  SignedDigits, atLeast(-128), atMost(127),   notEmpty),
        text(   "SmallScorpionDmg",            OxmaHP,    SignedByte,     CustOxmaHP,  "Text1(5)",   "20",       4,  SignedDigits, atLeast(-128), atMost(127),   notEmpty),
        text(   "DogDmg",                      OxmaHP,    SignedByte,     CustOxmaHP,  "Text1(16)",  "10",       4,  SignedDigits, atLeast(-128), atMost(127),   notEmpty),
        text(   "SkeletonDmg1",                OxmaHP,    SignedByte,     CustOxmaHP,  "Text1(12)",  "80",       4,  SignedDigits, atLeast(-128), atMost(127),   notEmpty),
        text(   "SkeletonDmg2",                OxmaHP,    SignedByte,     CustOxmaHP,  "Text1(13)",  "80",       4,  SignedDigits, atLeast(-128), atMost(127),   notEmpty),
        text(   "WildBoarDmg",                 OxmaHP,    SignedByte,     CustOxmaHP,  "Text1(24)",  "30",       4,  SignedDigits, atLeast(-128), atMost(127),   notEmpty),
        text(   "HarpyDmg",                    OxmaHP,    SignedByte,     CustOxmaHP,  "Text1(10)",  "10",       4,  SignedDigits, atLeast(-128), atMost(127),   notEmpty),
        text(   "ScorpionDmg",                 OxmaHP,    SignedByte,     CustOxmaHP,  "Text1(15)",  "120",      4,  SignedDigits, atLeast(-128), atMost(127),   notEmpty),
        text(   "HammerheadDmg",               OxmaHP,    SignedByte,     CustOxmaHP,  "Text1(17)",  "120",      4,  SignedDigits, atLeast(-128), atMost(127),   notEmpty),
        text(   "KnightTemplarDmg",            OxmaHP,    SignedByte,     CustOxmaHP,  "Text1(21)",  "120",      4,  SignedDigits, atLeast(-128), atMost(127),   notEmpty),
        text(   "BigBeetleDmg",                OxmaHP,    SignedByte,     CustOxmaHP,  "Text1(22)",  "50",       4,  SignedDigits, atLeast(-128), atMost(127),   notEmpty),
        text(   "SphinxDmg",                   OxmaHP,    SignedWord,     CustOxmaHP,  "Text2(6)",   "200",      4,  SignedDigits, atMost(32767), atLeast(-256), notEmpty),
        text(   "SetAttack1DmgParameter",      OxmaHP,    SignedWord,     CustOxmaHP,  "Text2(8)",   "200",      4,  SignedDigits, atMost(32767), atLeast(-256), notEmpty),
        text(   "SetAttack2Dmg",               OxmaHP,    SignedWord,     CustOxmaHP,  "Text2(7)",   "250",      4,  SignedDigits, atMost(32767), atLeast(-256), notEmpty),
        text(   "LittleBeetleDisp",            OxmaHP,    Plain,          CustOxmaHP,  "Text2(5)",   "0400",     4,  Hex,          hexDigits(4)),
        text(   "MagicAttackDivider",          OxmaHP,    Plain,          CustOxmaHP,  "Text1(14)",  "02",       2,  Digits,       decDigits(2)),
    }};
    // clang-format on
}

} // namespace detail::rows

inline constexpr std::array<SettingDef, 328> kSettings = detail::rows::settings();

} // namespace golv
