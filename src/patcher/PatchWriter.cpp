#include "patcher/PatchWriter.h"

#include "codec/Numbers.h"
#include "config/Session.h"
#include "config/VersionTables.h"
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

PatchWriter::PatchWriter(Session& session, std::int64_t fileSize) : m_session(session), m_fileSize(fileSize)
{
    // Warnings become problems of the write that caused them, not boxes in
    // the middle of a run.
    m_session.codec.collectWarnings(&m_warnings);
}

PatchWriter::~PatchWriter() { m_session.codec.collectWarnings(nullptr); }

int PatchWriter::state(SettingId id) const { return m_session.settings.state(id); }
std::string PatchWriter::text(SettingId id) const { return m_session.settings.text(id); }
double PatchWriter::flag(SettingId id) const { return m_session.settings.flag(id); }
const SettingsStore& PatchWriter::settings() const { return m_session.settings; }
const std::string& PatchWriter::data(std::size_t index) const { return m_session.engineData[index]; }

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
    const std::string value = text(id);
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
    std::string digits = m_session.codec.TrueHex2(text(id), width);
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
    const std::string digits = text(id);
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

void PatchWriter::planBytes(int slot, int displacement, std::vector<std::uint8_t> bytes, SettingId owner)
{
    const std::string_view what = kSettings[owner].key;
    const std::int64_t position = static_cast<std::int64_t>(m_session.offsets[slot]) + displacement;
    const std::string_view key = kOffsetKeys[static_cast<std::size_t>(slot) - 1];
    if (m_session.offsets[slot] == 0) {
        // What a key missing from the version section leaves: its slot is 0.
        problem(what, "its position " + std::string(key) + " is missing from the version section.");
        return;
    }
    if (position < 1 || position - 1 + static_cast<std::int64_t>(bytes.size()) > m_fileSize) {
        problem(what,
            "its position " + std::string(key) + " (" + std::to_string(position)
                + ") lies outside the executable, which has " + std::to_string(m_fileSize) + " bytes.");
        return;
    }
    m_writes.push_back(PatchWrite{.position = position, .bytes = std::move(bytes), .setting = owner});
}

void PatchWriter::plan(int slot, int displacement, std::string_view hexString, SettingId owner, std::string_view what)
{
    if (what.empty())
        what = kSettings[owner].key;
    if (!m_warnings.empty()) {
        for (std::string& warning : m_warnings)
            problem(what, std::move(warning));
        m_warnings.clear();
        return;
    }
    if (hexString.empty() || !std::all_of(hexString.begin(), hexString.end(), isHexDigit)) {
        problem(what, inQuotes(hexString) + " is not made of hexadecimal digits.");
        return;
    }
    if (hexString.size() % 2 != 0) {
        problem(what, inQuotes(hexString) + " has an odd number of hexadecimal digits, so its bytes cannot be told.");
        return;
    }
    const auto bytes = m_session.codec.wb(hexString);
    if (!bytes || !m_warnings.empty()) {
        problem(what, inQuotes(hexString) + " gives no bytes.");
        m_warnings.clear();
        return;
    }
    planBytes(slot, displacement, *bytes, owner);
}

void PatchWriter::hex(int slot, int displacement, std::string_view hexString, SettingId owner)
{
    plan(slot, displacement, hexString, owner);
}

void PatchWriter::dataEntry(int slot, int displacement, std::size_t index, SettingId owner)
{
    // A damaged entry is told by its key: the fault is in the version section.
    plan(slot, displacement, data(index), owner, kEngineDataKeys[index]);
}

void PatchWriter::byte(int slot, int displacement, SettingId id)
{
    if (acceptable(id))
        if (const auto digits = digitsOf(id, 2))
            plan(slot, displacement, *digits, id);
}

void PatchWriter::byteOf(int slot, int displacement, std::string_view decimal, SettingId owner, std::string_view then)
{
    const std::string digits = m_session.codec.TrueHex2(decimal, 2);
    if (digits.size() != 2 && m_warnings.empty()) {
        problem(kSettings[owner].key, inQuotes(decimal) + " does not fit in one byte.");
        return;
    }
    plan(slot, displacement, digits + std::string(then), owner);
}

void PatchWriter::word(int slot, int displacement, SettingId id)
{
    if (acceptable(id))
        if (const auto digits = digitsOf(id, 4))
            plan(slot, displacement, Invrt(*digits), id);
}

void PatchWriter::planJoined(int slot, int displacement, std::initializer_list<SettingId> ids,
    const std::function<std::optional<std::string>(SettingId)>& digits)
{
    std::string joined;
    bool whole = true;
    for (const SettingId id : ids) {
        // Every setting is looked at, so that each one at fault is named.
        const auto own = digits(id);
        whole = whole && own.has_value();
        if (own)
            joined += *own;
    }
    if (whole)
        plan(slot, displacement, joined, *ids.begin());
}

void PatchWriter::colour(int slot, int displacement, std::initializer_list<SettingId> components)
{
    planJoined(slot, displacement, components,
        [this](SettingId id) { return acceptable(id) ? digitsOf(id, 2) : std::nullopt; });
}

void PatchWriter::hexText(int slot, int displacement, SettingId id)
{
    if (hexSetting(id))
        plan(slot, displacement, text(id), id);
}

void PatchWriter::reversedHex(int slot, int displacement, SettingId id)
{
    if (hexSetting(id))
        plan(slot, displacement, Invrt(text(id)), id);
}

void PatchWriter::hexBytes(int slot, std::initializer_list<SettingId> ids)
{
    planJoined(slot, 0, ids,
        [this](SettingId id) { return hexSetting(id) ? std::optional<std::string>(text(id)) : std::nullopt; });
}

void PatchWriter::negatedByte(int slot, SettingId id)
{
    if (!acceptable(id))
        return;
    const std::string negated = formatNumber(-*strictNumber(text(id)));
    plan(slot, 0, HexTail(m_session.codec.TrueHex2(negated, 2), 6), id);
}

void PatchWriter::negatedWord(int slot, SettingId id)
{
    if (!acceptable(id))
        return;
    const std::string negated = formatNumber(-*strictNumber(text(id)));
    plan(slot, 0, Invrt(HexTail(m_session.codec.TrueHex2(negated, 4), 4)), id);
}

void PatchWriter::characters(int slot, int displacement, SettingId id)
{
    const std::string characters = text(id);
    const std::size_t longest = kSettings[id].maxLength;
    if (characters.size() > longest) {
        problem(kSettings[id].key,
            inQuotes(characters) + " is longer than " + std::to_string(longest) + " characters, the most it takes.");
        return;
    }
    planBytes(slot, displacement, std::vector<std::uint8_t>(characters.begin(), characters.end()), id);
}

void PatchWriter::flagByte(int slot, SettingId id)
{
    const SettingDef& def = kSettings[id];
    if (!SettingsStore::isBehaviour(id, flag(id))) {
        problem(def.key,
            inQuotes(formatNumber(flag(id))) + " is not one of the values " + std::to_string(def.low) + " to "
                + std::to_string(def.high) + " that the weapons window offers.");
        return;
    }
    byteOf(slot, 0, formatNumber(flag(id)), id);
}

void PatchWriter::count(int slot, int displacement, SettingId id, int factor, std::string_view then)
{
    // A count never fails to convert, but its field's limits hold: a number
    // the window would not take is not written from a file either.
    const auto number = leadingNumber(text(id));
    if (number && !withinLimits(id, *number))
        return;
    // Only a number too large for a double has no value; TrueHex2 then warns
    // about the text, which becomes the write's problem.
    byteOf(slot, displacement, number ? formatNumber(*number * factor) : text(id), id, then);
}

} // namespace golv
