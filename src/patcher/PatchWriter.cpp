#include "patcher/PatchWriter.h"

#include "codec/Numbers.h"
#include "settings/Displays.h"
#include "settings/SettingId.h"
#include "settings/SettingsStore.h"

#include <algorithm>

namespace golv {
namespace {

bool isHexDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f'); }

std::string inQuotes(std::string_view text)
{
    std::string quoted;
    quoted.reserve(text.size() + 2);
    quoted += '"';
    quoted += text;
    quoted += '"';
    return quoted;
}

std::string bytesWord(std::size_t digits) { return digits == 2 ? "one byte" : std::to_string(digits / 2) + " bytes"; }

} // namespace

bool conditionsHold(const WriteRow& row, const SettingValues& values)
{
    for (const Condition& condition : row.when) {
        const SettingValue& value = values[condition.setting];
        const int state = static_cast<int>(value.number);
        if ((condition.test == Condition::Test::Is && state != condition.value)
            || (condition.test == Condition::Test::IsNot && state == condition.value)
            || (condition.test == Condition::Test::ShorterThan
                && value.text.size() >= static_cast<std::size_t>(condition.value)))
            return false;
    }
    return true;
}

PatchWriter::PatchWriter(const OffsetTable& offsets, const EngineData& engineData, std::int64_t fileSize)
    : m_offsets(offsets), m_engineData(engineData), m_fileSize(fileSize)
{
}

std::string PatchWriter::trueHex2(std::string_view text, std::size_t width)
{
    // Warnings become problems of the write that caused them, not boxes in
    // the middle of a run.
    Converted<std::string> hex = TrueHex2(text, width);
    m_warnings.insert(m_warnings.end(), hex.warnings.begin(), hex.warnings.end());
    return std::move(hex.value);
}

int PatchWriter::state(SettingId id) const { return static_cast<int>((*m_values)[id].number); }
const std::string& PatchWriter::text(SettingId id) const { return (*m_values)[id].text; }

void PatchWriter::problem(std::string_view what, std::string why)
{
    PatchProblem found{std::string(what), std::move(why)};
    // The same setting may fail at several writes for one reason; it is told once.
    if (std::find(m_problems.begin(), m_problems.end(), found) == m_problems.end())
        m_problems.push_back(std::move(found));
}

bool PatchWriter::acceptable(SettingId id)
{
    const SettingDef& def = kSettings[id];
    const std::string& value = text(id);
    const auto number = strictNumber(value);
    if (!number) {
        problem(def.key, inQuotes(value) + " is not a number.");
        return false;
    }
    return withinLimits(id, *number);
}

bool PatchWriter::withinLimits(SettingId id, double number)
{
    const SettingDef& def = kSettings[id];
    for (const FieldCheck& check : def.checks) {
        if (check.type == FieldCheck::Type::Max && number > check.value) {
            problem(def.key, inQuotes(text(id)) + " is above " + std::to_string(check.value) + ", the most it takes.");
            return false;
        }
        if (check.type == FieldCheck::Type::Min && number < check.value) {
            problem(def.key, inQuotes(text(id)) + " is below " + std::to_string(check.value) + ", the least it takes.");
            return false;
        }
    }
    return true;
}

std::optional<std::string> PatchWriter::digitsOf(SettingId id, std::size_t width)
{
    std::string digits = trueHex2(text(id), width);
    // A negative or too large number makes more digits than the field has
    // bytes, and would write over what follows it.
    if (digits.size() != width && m_warnings.empty()) {
        problem(kSettings[id].key, inQuotes(text(id)) + " does not fit in " + bytesWord(width) + ".");
        return std::nullopt;
    }
    return digits;
}

bool PatchWriter::hexSetting(SettingId id)
{
    const std::string& digits = text(id);
    const std::size_t longest = kSettings[id].maxLength;
    if (!std::all_of(digits.begin(), digits.end(), isHexDigit)) {
        problem(kSettings[id].key, inQuotes(digits) + " is not made of hexadecimal digits.");
        return false;
    }
    if (longest != 0 && digits.size() > longest) {
        problem(kSettings[id].key, inQuotes(digits) + " is longer than " + std::to_string(longest) + " digits.");
        return false;
    }
    // Fewer digits than the field asks for would write fewer bytes, leaving
    // the rest of the value as the executable had it, or move the bytes of a
    // value written together with this one.
    for (const FieldCheck& check : kSettings[id].checks) {
        if (check.type == FieldCheck::Type::HexDigits && digits.size() < static_cast<std::size_t>(check.value)) {
            problem(kSettings[id].key,
                inQuotes(digits) + " is shorter than " + std::to_string(check.value) + " digits, the least it takes.");
            return false;
        }
    }
    return true;
}

std::optional<std::string> PatchWriter::byteOf(std::string_view decimal, SettingId owner)
{
    std::string digits = trueHex2(decimal, 2);
    if (digits.size() != 2 && m_warnings.empty()) {
        problem(kSettings[owner].key, inQuotes(decimal) + " does not fit in one byte.");
        return std::nullopt;
    }
    return digits;
}

std::optional<std::string> PatchWriter::digits(const Piece& piece, SettingId owner)
{
    const SettingId id = piece.setting;
    using enum Piece::Encoding;
    switch (piece.encoding) {
    case None:
    case Lookup:
    case Characters:
        break;
    case Literal:
        return std::string(piece.literal);
    case Data:
        return m_engineData[piece.data];
    case Byte:
        return acceptable(id) ? digitsOf(id, 2) : std::nullopt;
    case ByteOf:
        return byteOf(text(id), owner);
    case Flag: {
        // The ammunition flags are plain numbers, written as the byte of their
        // decimal text; a number no letter of the weapons window stands for is
        // refused, as any value its field would not take.
        const double number = (*m_values)[id].number;
        if (!SettingsStore::isBehaviour(id, number)) {
            problem(kSettings[id].key,
                inQuotes(formatNumber(number)) + " is not one of the values " + std::to_string(kSettings[id].low)
                    + " to " + std::to_string(kSettings[id].high) + " that the weapons window offers.");
            return std::nullopt;
        }
        return byteOf(formatNumber(number), owner);
    }
    case Count: {
        // A count never fails to convert, but its field's limits hold: a number
        // the window would not take is not written from a file either. Only a
        // number too large for a double has no value; TrueHex2 then warns
        // about the text, which becomes the write's problem.
        const auto number = leadingNumber(text(id));
        if (number && !withinLimits(id, *number))
            return std::nullopt;
        return byteOf(number ? formatNumber(*number * piece.factor) : text(id), owner);
    }
    case Word:
        if (acceptable(id))
            if (const auto digits = digitsOf(id, 4))
                return Invrt(*digits);
        return std::nullopt;
    case HexText:
        return hexSetting(id) ? std::optional<std::string>(text(id)) : std::nullopt;
    case ReversedHex:
        return hexSetting(id) ? std::optional<std::string>(Invrt(text(id))) : std::nullopt;
    case NegatedByte:
    case NegatedWord: {
        if (!acceptable(id))
            return std::nullopt;
        const std::string negated = formatNumber(-*strictNumber(text(id)));
        if (piece.encoding == NegatedByte)
            return HexTail(trueHex2(negated, 2), 6);
        return Invrt(HexTail(trueHex2(negated, 4), 4));
    }
    }
    return std::nullopt;
}

std::optional<std::string_view> PatchWriter::lookUp(const Piece& piece) const
{
    std::string_view key = text(piece.setting);
    // A scroll bar is patched through the text its display box shows, not
    // through its position; a position without a display writes nothing.
    std::optional<DisplayRow> shown;
    if (kSettings[piece.setting].conversion == Conversion::ScrollPosition) {
        shown = displayOf(piece.setting, state(piece.setting));
        if (!shown)
            return std::nullopt;
        key = shown->text;
    }
    for (const TextToHex& entry : piece.table) {
        if (entry.text == key)
            return entry.hex;
    }
    return std::nullopt;
}

std::optional<PatchWrite> PatchWriter::planBytes(
    int slot, int displacement, std::vector<std::uint8_t> bytes, SettingId owner)
{
    const std::string_view what = kSettings[owner].key;
    const std::int64_t position = static_cast<std::int64_t>(m_offsets[slot]) + displacement;
    const std::string_view key = kOffsetKeys[static_cast<std::size_t>(slot) - 1];
    if (m_offsets[slot] == 0) {
        // What a key missing from the version section leaves: its slot is 0.
        problem(what, "its position " + std::string(key) + " is missing from the version section.");
        return std::nullopt;
    }
    if (position < 1 || position - 1 + static_cast<std::int64_t>(bytes.size()) > m_fileSize) {
        problem(what,
            "its position " + std::string(key) + " (" + std::to_string(position)
                + ") lies outside the executable, which has " + std::to_string(m_fileSize) + " bytes.");
        return std::nullopt;
    }
    return PatchWrite{.position = position, .bytes = std::move(bytes), .setting = owner, .byteSettings = {}};
}

std::optional<PatchWrite> PatchWriter::planHex(const WriteRow& row, std::string_view hexString, std::string_view what)
{
    if (!m_warnings.empty()) {
        for (std::string& warning : m_warnings)
            problem(what, std::move(warning));
        m_warnings.clear();
        return std::nullopt;
    }
    if (hexString.empty() || !std::all_of(hexString.begin(), hexString.end(), isHexDigit)) {
        problem(what, inQuotes(hexString) + " is not made of hexadecimal digits.");
        return std::nullopt;
    }
    if (hexString.size() % 2 != 0) {
        problem(what, inQuotes(hexString) + " has an odd number of hexadecimal digits, so its bytes cannot be told.");
        return std::nullopt;
    }
    auto [bytes, warnings] = wb(hexString);
    if (!bytes || !warnings.empty()) {
        problem(what, inQuotes(hexString) + " gives no bytes.");
        m_warnings.clear();
        return std::nullopt;
    }
    return planBytes(row.slot, row.displacement, std::move(*bytes), row.owner);
}

std::optional<PatchWrite> PatchWriter::characters(const WriteRow& row, SettingId id)
{
    const std::string& characters = text(id);
    const std::size_t longest = kSettings[id].maxLength;
    if (characters.size() > longest) {
        problem(kSettings[id].key,
            inQuotes(characters) + " is longer than " + std::to_string(longest) + " characters, the most it takes.");
        return std::nullopt;
    }
    return planBytes(row.slot, row.displacement, std::vector<std::uint8_t>(characters.begin(), characters.end()), id);
}

std::optional<PatchWrite> PatchWriter::write(const WriteRow& row, const SettingValues& values)
{
    m_values = &values;
    if (!conditionsHold(row, values))
        return std::nullopt;
    const Piece& first = row.pieces[0];
    if (first.encoding == Piece::Encoding::Characters)
        return characters(row, first.setting);
    if (first.encoding == Piece::Encoding::Lookup) {
        const auto hex = lookUp(first);
        return hex ? planHex(row, *hex, kSettings[row.owner].key) : std::nullopt;
    }

    // Every piece is looked at, so that each value at fault is named.
    std::string hex;
    bool whole = true;
    std::string_view what = kSettings[row.owner].key;
    std::vector<std::pair<std::size_t, SettingId>> parts; // first digit, setting
    bool mixed = false;
    for (const Piece& piece : row.pieces) {
        if (piece.encoding == Piece::Encoding::None)
            break;
        // A damaged entry is told by its key: the fault is in the version section.
        if (piece.encoding == Piece::Encoding::Data)
            what = kEngineDataKeys[piece.data];
        const SettingId setting = piece.carriesValue() ? piece.setting : row.owner;
        mixed = mixed || setting != row.owner;
        parts.emplace_back(hex.size(), setting);
        const auto own = digits(piece, row.owner);
        whole = whole && own.has_value();
        if (own)
            hex += *own;
    }
    if (!whole)
        return std::nullopt;
    auto made = planHex(row, hex, what);
    if (made && mixed) {
        made->byteSettings.resize(made->bytes.size());
        for (std::size_t i = 0, part = 0; i < made->bytes.size(); ++i) {
            while (part + 1 < parts.size() && parts[part + 1].first <= 2 * i)
                ++part;
            made->byteSettings[i] = parts[part].second;
        }
    }
    return made;
}

void PatchWriter::plan(const WriteRow& row, const SettingValues& values)
{
    if (auto made = write(row, values))
        m_writes.push_back(std::move(*made));
}

} // namespace golv
