#pragma once

#include "config/VersionTables.h"
#include "settings/SettingDef.h"
#include "settings/SettingId.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <stdexcept>
#include <string_view>

namespace golv {

// A text a control shows and the hex digits the run writes for it.
struct TextToHex {
    std::string_view text;
    std::string_view hex;
};

// What a write tests before it is made: one setting's value.
struct Condition {
    enum class Test : std::uint8_t {
        Always,
        Is,          // the state is `value`
        IsNot,       // the state is anything but `value` (the else branch of a test for it)
        ShorterThan, // the text has fewer than `value` characters
    };
    Test test = Test::Always;
    SettingId setting = 0;
    int value = 0;
};

// One part of a write's bytes, in file order: a code string of the program or
// of the Engine data table, or a setting's value in an encoding.
struct Piece {
    enum class Encoding : std::uint8_t {
        None,
        Literal,     // hex digits of the program
        Data,        // an Engine data entry
        Byte,        // TrueHex2(text, 2) of a number within its field's limits
        ByteOf,      // TrueHex2(text, 2) of a number whose own write checks its limits
        Word,        // Invrt(TrueHex2(text, 4))
        HexText,     // the setting's own hex digits
        ReversedHex, // the setting's own hex digits, byte order reversed
        NegatedByte, // HexTail(TrueHex2(-value, 2), 6)
        NegatedWord, // Invrt(HexTail(TrueHex2(-value, 4), 4))
        Characters,  // the text itself, one byte a character
        Count,       // TrueHex2 of the text's leading number times `factor`
        Flag,        // TrueHex2 of an ammunition flag's number
        Lookup,      // the table's hex for the text (a scroll bar's: its display's); no write for another text
    };
    Encoding encoding = Encoding::None;
    SettingId setting = 0;
    std::string_view literal;
    std::size_t data = 0;
    int factor = 1;
    std::span<const TextToHex> table;

    // Whether the bytes are a setting's value in an encoding, which reading decodes.
    constexpr bool carriesValue() const
    {
        return encoding != Encoding::None && encoding != Encoding::Literal && encoding != Encoding::Data
            && encoding != Encoding::Lookup;
    }
};

// One write of the patch run as declared: its bytes are its pieces' in order,
// written at an Offset table slot plus a displacement when both conditions
// hold. The run and the reading of an executable both walk these rows, so
// what GOLV writes and what it reads back cannot drift apart. A write is told
// under its owner.
struct WriteRow {
    SettingId owner = 0;
    int slot = 0;
    int displacement = 0;
    std::array<Condition, 2> when{};
    std::array<Piece, 4> pieces{};
};

// The words the group tables are written in.
namespace writes {

using enum Piece::Encoding;

// One piece of each kind; the fields a kind does not use keep their defaults.
consteval Piece piece(Piece::Encoding encoding, SettingId setting = 0)
{
    Piece made;
    made.encoding = encoding;
    made.setting = setting;
    return made;
}
consteval Piece literal(std::string_view hex)
{
    Piece made = piece(Literal);
    made.literal = hex;
    return made;
}
consteval Piece data(std::size_t index)
{
    Piece made = piece(Data);
    made.data = index;
    return made;
}
consteval Piece data(std::string_view key) { return data(engineDataIndex(key)); }
consteval Piece value(Piece::Encoding encoding, std::string_view key) { return piece(encoding, settingId(key)); }
consteval Piece byte(std::string_view key) { return value(Byte, key); }
consteval Piece word(std::string_view key) { return value(Word, key); }
consteval Piece hexText(std::string_view key) { return value(HexText, key); }
consteval Piece reversedHex(std::string_view key) { return value(ReversedHex, key); }
consteval Piece count(std::string_view key, int factor = 1)
{
    Piece made = value(Count, key);
    made.factor = factor;
    return made;
}
consteval Piece lookup(std::string_view key, std::span<const TextToHex> table)
{
    Piece made = value(Lookup, key);
    made.table = table;
    return made;
}

consteval Condition is(std::string_view key, int state) { return {Condition::Test::Is, settingId(key), state}; }
consteval Condition isNot(std::string_view key, int state) { return {Condition::Test::IsNot, settingId(key), state}; }
consteval Condition shorterThan(std::string_view key, int length)
{
    return {Condition::Test::ShorterThan, settingId(key), length};
}

// A write at a slot plus a displacement. It is told under `owner` when one is
// named, else under the setting of its first piece that has one, else under
// the setting its first condition tests.
consteval WriteRow put(int slot, int displacement, std::initializer_list<Piece> pieces,
    std::initializer_list<Condition> when = {}, std::string_view owner = {})
{
    WriteRow row;
    row.slot = slot;
    row.displacement = displacement;
    if (pieces.size() == 0 || pieces.size() > row.pieces.size() || when.size() > row.when.size())
        throw std::logic_error("a write has one to four pieces and at most two conditions");
    std::size_t i = 0;
    for (const Piece& piece : pieces)
        row.pieces[i++] = piece;
    i = 0;
    for (const Condition& condition : when)
        row.when[i++] = condition;
    bool owned = false;
    if (!owner.empty()) {
        row.owner = settingId(owner);
        owned = true;
    }
    for (const Piece& piece : pieces) {
        if (!owned && (piece.carriesValue() || piece.encoding == Lookup)) {
            row.owner = piece.setting;
            owned = true;
        }
    }
    if (!owned && when.size() != 0) {
        row.owner = when.begin()->setting;
        owned = true;
    }
    if (!owned)
        throw std::logic_error("a write needs a setting to be told under");
    return row;
}

consteval WriteRow put(std::string_view offsetKey, int displacement, std::initializer_list<Piece> pieces,
    std::initializer_list<Condition> when = {}, std::string_view owner = {})
{
    return put(offsetSlot(offsetKey), displacement, pieces, when, owner);
}

// Tables made in parts, one after the other.
template <std::size_t... N> consteval std::array<WriteRow, (N + ...)> joined(const std::array<WriteRow, N>&... parts)
{
    std::array<WriteRow, (N + ...)> rows{};
    std::size_t next = 0;
    for (const std::span<const WriteRow> part : {std::span<const WriteRow>(parts)...}) {
        for (const WriteRow& row : part)
            rows[next++] = row;
    }
    return rows;
}

} // namespace writes

} // namespace golv
