#pragma once

#include "settings/Category.h"
#include "settings/Displays.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace golv {

// How a file value becomes a control's value. The conversion also fixes the
// kind of control that holds the setting (see kindOf).
enum class Conversion : std::uint8_t {
    LegacyHex,      // text: the value, or its hex digits as decimal when the file has no version
    Number,         // text: the value's leading number, written back as shortest decimal ("08" -> "8")
    DigitText,      // text: as Number, but digits alone that fit the field stay as typed ("07")
    Plain,          // text: the value unchanged (hex digits or raw numbers in every file version)
    SignedByte,     // text: LegacyNegValue(LegacyHexSByte(value))
    SignedWord,     // text: LegacyNegValue(LegacyHexSWord(value))
    CheckState,     // check box: 0 unchecked, 1 checked, 2 greyed
    ScrollPosition, // scroll bar: a position from low to high
    OptionIndex,    // option buttons 0 to high: the index of the selected one, -1 for none
    ListIndex,      // drop-down list: the selected entry's index, -1 for none
    ListText,       // drop-down list: the text, from the value's number
    VariantFlag,    // a program-wide number, any value
    ByteFlag,       // a program-wide number, 0 to 255
};

enum class ControlKind : std::uint8_t { Text, Check, Scroll, Option, List, Flag };

constexpr ControlKind kindOf(Conversion conversion)
{
    switch (conversion) {
    case Conversion::LegacyHex:
    case Conversion::Number:
    case Conversion::DigitText:
    case Conversion::Plain:
    case Conversion::SignedByte:
    case Conversion::SignedWord:
        return ControlKind::Text;
    case Conversion::CheckState:
        return ControlKind::Check;
    case Conversion::ScrollPosition:
        return ControlKind::Scroll;
    case Conversion::OptionIndex:
        return ControlKind::Option;
    case Conversion::ListIndex:
    case Conversion::ListText:
        return ControlKind::List;
    case Conversion::VariantFlag:
    case Conversion::ByteFlag:
        return ControlKind::Flag;
    }
    return ControlKind::Text;
}

enum class Window : std::uint8_t {
    Form1,
    CustWeapons,
    CustBars,
    CustFonts,
    CustGfx,
    CustGfx2,
    CustLite,
    CustInv,
    CustEnemy,
    CustOxmaHP,
    CustPhys,
    Form2, // the about box: captions only, no settings
};

// A window's name in the program ("CustBars") and in words ("bars window").
constexpr std::string_view windowName(Window window)
{
    constexpr std::array<std::string_view, 12> names = {"Form1", "CustWeapons", "CustBars", "CustFonts", "CustGfx",
        "CustGfx2", "CustLite", "CustInv", "CustEnemy", "CustOxmaHP", "CustPhys", "Form2"};
    return names[static_cast<std::size_t>(window)];
}

constexpr std::string_view windowDescription(Window window)
{
    constexpr std::array<std::string_view, 12> descriptions = {"main window", "weapons window", "bars window",
        "fonts window", "GFX window", "GFX 2 window", "lights window", "inventory window", "enemy HP window",
        "damage and health window", "physics window", "about box"};
    return descriptions[static_cast<std::size_t>(window)];
}

// Which keys a text field lets through (the shared key filters).
enum class Input : std::uint8_t {
    Any,          // no filter
    Digits,       // Backspace and "0" to "9"
    Hex,          // Backspace, "0" to "9" and "A" to "F" (lower case is swallowed)
    SignedDigits, // Backspace, "0" to "9" and "-"
};

// One check a text field makes when it loses the focus; a field makes its
// checks in order, and the first refusal keeps the focus in the field.
struct FieldCheck {
    enum class Type : std::uint8_t {
        None,
        Empty,     // "You must fill this field with at least one digit!"
        Max,       // above value: "Maximum value for this field is <value>!", text becomes value
        Min,       // below value: "Minimum value for this field is <value>!", text becomes value
        HexDigits, // fewer than value characters: "You must fill this field with <two|four|eight> hexadecimal symbols!"
        DecDigits, // fewer than value characters: "You must fill this field with two decimal symbols!"
    };
    Type type = Type::None;
    std::int32_t value = 0;
    // Whether a refusal puts the focus back into the field; the main
    // window's sound numbers are corrected and then let the user go on.
    bool refocus = true;
};

inline constexpr std::size_t kMaxFieldChecks = 4;
using FieldChecks = std::array<FieldCheck, kMaxFieldChecks>;

// One row per setting: everything the parsers, the presets, the patch run and
// the windows need to know about it, declared once.
//
//   key         the preset key, as files spell it (compared in lower case)
//   category    the setting group whose parser reads it
//   conversion  how a file value becomes the control's value (and so the control's kind)
//   window      the window that shows it
//   control     the control's name in that window, an array element with its index: "Text5(18)"
//   low, high   scroll bar: its range; option buttons: 0 and the last index; a flag: the values
//               its letter cycles through; unused otherwise
//   initial     the control's value before any file is read: text, or a number as text
//   maxLength   text fields: at most this many characters (0: no limit)
//   input       text fields: the key filter
//   checks      text fields: what leaving the field checks, in order
//   display     scroll bars: the read-only box beside the bar that shows its position as text
struct SettingDef {
    std::string_view key;
    Category category;
    Conversion conversion;
    Window window;
    std::string_view control;
    std::int16_t low = 0;
    std::int16_t high = 0;
    std::string_view initial;
    std::uint8_t maxLength = 0;
    Input input = Input::Any;
    FieldChecks checks{};
    DisplayBox display{};
};

// The index of a setting's row in kSettings (settings/SettingsTable.h).
using SettingId = std::size_t;

// What a control holds: a check box state, scroll position, option or list
// index or flag as a number; a text field's or text list's text.
struct SettingValue {
    double number = 0;
    std::string text;
    bool operator==(const SettingValue&) const = default;
};
// Every setting's value, indexed by SettingId.
using SettingValues = std::vector<SettingValue>;

} // namespace golv
