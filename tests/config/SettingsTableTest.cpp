#include "config/SettingsTable.h"

#include "config/DefaultConfig.h"
#include "config/SettingId.h"
#include "config/SplitKeyValue.h"

#include <gtest/gtest.h>

#include <charconv>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace golv {
namespace {

// The look-ups work at compile time, and the darts drain keeps its place.
static_assert(settingId("indartsleakage") == settingId("InSteamLeakage") + 1);

std::string describe(const SettingDef& row) { return std::string(row.key) + " (" + std::string(row.control) + ")"; }

std::optional<int> number(std::string_view text)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

bool passesFilter(std::string_view text, Input input)
{
    for (const char c : text) {
        const bool digit = c >= '0' && c <= '9';
        switch (input) {
        case Input::Any:
            break;
        case Input::Digits:
            if (!digit)
                return false;
            break;
        case Input::Hex:
            if (!digit && !(c >= 'A' && c <= 'F'))
                return false;
            break;
        case Input::SignedDigits:
            if (!digit && c != '-')
                return false;
            break;
        }
    }
    return true;
}

// The common section of the default text: key (lower case) and value, in order.
std::vector<std::pair<std::string, std::string>> defaultCommonSection()
{
    std::vector<std::pair<std::string, std::string>> pairs;
    bool inCommon = false;
    for (const std::string& line : defaultConfigLines()) {
        const std::string lower = toLowerAscii(line);
        if (lower == "[common]" || lower == "[end common]") {
            inCommon = lower == "[common]";
            continue;
        }
        const KeyValueLine split = SplitKeyValue(line);
        if (inCommon && split.kind == KeyValueLine::Kind::Pair)
            pairs.emplace_back(split.key, split.value);
    }
    return pairs;
}

TEST(SettingsTable, keysAndControlsAreUnique)
{
    std::set<std::string> keys;
    std::set<std::pair<Window, std::string_view>> controls;
    for (const SettingDef& row : kSettings) {
        EXPECT_TRUE(keys.insert(toLowerAscii(row.key)).second) << "key twice: " << row.key;
        EXPECT_TRUE(controls.insert({row.window, row.control}).second) << "control twice: " << describe(row);
    }
}

TEST(SettingsTable, everyCategoryHasItsWindowAndItsRows)
{
    struct Row {
        Category category;
        Window window;
        int rows;
    };
    const Row expected[] = {
        {Category::Physics, Window::CustPhys, 13},
        {Category::Weapons, Window::CustWeapons, 32},
        {Category::Inventory, Window::CustInv, 38},
        {Category::Main, Window::Form1, 19},
        {Category::Bars, Window::CustBars, 66},
        {Category::Gfx, Window::CustGfx, 45},
        {Category::Gfx2, Window::CustGfx2, 18},
        {Category::Lite, Window::CustLite, 7},
        {Category::Enemies, Window::CustEnemy, 26},
        {Category::Fonts, Window::CustFonts, 30},
        {Category::OxmaHP, Window::CustOxmaHP, 34},
    };
    for (const Row& category : expected) {
        SCOPED_TRACE(std::string(keyword(category.category)));
        int rows = 0;
        for (const SettingDef& row : kSettings) {
            if (row.category != category.category)
                continue;
            ++rows;
            EXPECT_EQ(row.window, category.window) << describe(row);
        }
        EXPECT_EQ(rows, category.rows);
    }
    // The main window writes it, but the inventory window shows and resets it.
    EXPECT_EQ(definition(settingId("DisableInventory")).category, Category::Inventory);
}

TEST(SettingsTable, coversTheDefaultTextsCommonSection)
{
    const std::set<std::string> notSettings
        = {"exename", "versioncheckoffset", "numbytestoread", "silentpatch", "version", "languagefile",
            // Keys of the default text that no category reads.
            "forcelockstickastrigger", "enablesavetrigger", "enableremoveammotrigger"};
    std::vector<bool> seen(kSettings.size(), false);
    for (const auto& [key, value] : defaultCommonSection()) {
        if (notSettings.contains(key))
            continue;
        const std::optional<SettingId> id = findSetting(key);
        if (!id) {
            ADD_FAILURE() << "no setting for " << key;
            continue;
        }
        seen[*id] = true;
        // The windows start with the defaults, so a start-up without a
        // configuration file shows what the default text would have given.
        EXPECT_EQ(definition(*id).initial, value) << describe(definition(*id));
    }
    for (SettingId id = 0; id < kSettings.size(); ++id)
        EXPECT_TRUE(seen[id]) << "no default for " << kSettings[id].key;
}

TEST(SettingsTable, controlsFitTheirKind)
{
    const std::map<ControlKind, std::string_view> namePrefix = {
        {ControlKind::Text, "Text"},
        {ControlKind::Check, "Check"},
        {ControlKind::Scroll, "HScroll"},
        {ControlKind::Option, "Option"},
        {ControlKind::List, "Combo"},
        {ControlKind::Flag, "Label"},
    };
    for (const SettingDef& row : kSettings) {
        SCOPED_TRACE(describe(row));
        const ControlKind kind = kindOf(row.conversion);
        EXPECT_TRUE(row.control.starts_with(namePrefix.at(kind)));
        if (kind == ControlKind::Text)
            continue;
        EXPECT_EQ(row.maxLength, 0);
        EXPECT_EQ(row.input, Input::Any);
        EXPECT_EQ(row.checks[0].type, FieldCheck::Type::None);

        const std::optional<int> initial = number(row.initial);
        ASSERT_TRUE(initial.has_value());
        if (kind == ControlKind::Check) {
            EXPECT_TRUE(*initial == 0 || *initial == 1);
        }
        if (kind == ControlKind::Scroll || kind == ControlKind::Option || row.conversion == Conversion::ListIndex) {
            EXPECT_LT(row.low, row.high);
            EXPECT_GE(*initial, row.low);
            EXPECT_LE(*initial, row.high);
        } else {
            EXPECT_EQ(row.low, 0);
            EXPECT_EQ(row.high, 0);
        }
    }
}

TEST(SettingsTable, textFieldsAcceptTheirInitialText)
{
    for (const SettingDef& row : kSettings) {
        if (kindOf(row.conversion) != ControlKind::Text)
            continue;
        SCOPED_TRACE(describe(row));
        EXPECT_GT(row.maxLength, 0);
        EXPECT_LE(row.initial.size(), row.maxLength);
        EXPECT_TRUE(passesFilter(row.initial, row.input));

        const std::optional<int> value = number(row.initial);
        for (const FieldCheck& check : row.checks) {
            switch (check.type) {
            case FieldCheck::Type::None:
                break;
            case FieldCheck::Type::Empty:
                EXPECT_FALSE(row.initial.empty());
                break;
            case FieldCheck::Type::Max:
                ASSERT_TRUE(value.has_value());
                EXPECT_LE(*value, check.value);
                break;
            case FieldCheck::Type::Min:
                ASSERT_TRUE(value.has_value());
                EXPECT_GE(*value, check.value);
                break;
            case FieldCheck::Type::HexDigits:
            case FieldCheck::Type::DecDigits:
                EXPECT_GE(static_cast<int>(row.initial.size()), check.value);
                break;
            }
        }
    }
}

TEST(SettingsTable, checksSuitTheFieldsInput)
{
    for (const SettingDef& row : kSettings) {
        SCOPED_TRACE(describe(row));
        bool ended = false;
        for (const FieldCheck& check : row.checks) {
            // The checks run in order up to the first empty slot.
            if (check.type == FieldCheck::Type::None) {
                ended = true;
                continue;
            }
            EXPECT_FALSE(ended) << "a check after an empty slot";
            switch (check.type) {
            case FieldCheck::Type::None:
            case FieldCheck::Type::Empty:
                break;
            case FieldCheck::Type::Max:
            case FieldCheck::Type::Min:
                // Limits belong to decimal fields. A lower limit on a digits-only
                // field still matters for values that come from a preset.
                EXPECT_TRUE(row.input == Input::Digits || row.input == Input::SignedDigits);
                if (row.input == Input::Digits && check.type == FieldCheck::Type::Max) {
                    EXPECT_GE(check.value, 0);
                }
                break;
            case FieldCheck::Type::HexDigits:
                EXPECT_EQ(row.input, Input::Hex);
                EXPECT_LE(check.value, row.maxLength);
                break;
            case FieldCheck::Type::DecDigits:
                EXPECT_EQ(row.input, Input::Digits);
                EXPECT_LE(check.value, row.maxLength);
                break;
            }
        }
    }
}

} // namespace
} // namespace golv
