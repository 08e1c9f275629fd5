#include "patcher/PatchWriter.h"

#include "codec/Numbers.h"
#include "config/BinaryFile.h"
#include "config/Session.h"
#include "config/SettingId.h"

namespace golv {

PatchWriter::PatchWriter(Session& session, BinaryFile& file, std::vector<PatchWrite>* record)
    : m_session(session), m_file(file), m_record(record)
{
}

int PatchWriter::state(SettingId id) const { return m_session.settings.state(id); }
std::string PatchWriter::text(SettingId id) const { return m_session.settings.text(id); }
double PatchWriter::flag(SettingId id) const { return m_session.settings.flag(id); }
const SettingsStore& PatchWriter::settings() const { return m_session.settings; }
const std::string& PatchWriter::data(std::size_t index) const { return m_session.engineData[index]; }

void PatchWriter::fail(Status failure)
{
    if (!failed())
        m_status = std::move(failure);
}

void PatchWriter::writeBytes(int slot, int displacement, const Bytes& bytes, SettingId owner, std::string_view source)
{
    const std::string_view what = kSettings[owner].key;
    const std::int64_t position = static_cast<std::int64_t>(m_session.offsets[slot]) + displacement;
    if (position < 1) {
        // What a key missing from the version section leaves: its slot is 0.
        fail(Status::failure("The position of " + std::string(what) + " ("
            + std::string(kOffsetKeys[static_cast<std::size_t>(slot) - 1]) + ") is missing from the version section."));
        return;
    }
    if (Status written = m_file.writeAt(position, bytes); !written) {
        fail(std::move(written));
        return;
    }
    if (m_record != nullptr)
        m_record->push_back(
            PatchWrite{.position = position, .bytes = bytes, .setting = owner, .source = std::string(source)});
}

void PatchWriter::write(
    int slot, int displacement, std::string_view hexString, SettingId owner, std::string_view source)
{
    if (failed())
        return;
    const std::string_view what = kSettings[owner].key;
    const auto bytes = m_session.codec.wb(hexString);
    if (!bytes) {
        fail(Status::failure(
            "The hex string of " + std::string(what) + " (\"" + std::string(hexString) + "\") gives no bytes."));
        return;
    }
    writeBytes(slot, displacement, *bytes, owner, source);
}

void PatchWriter::hex(int slot, int displacement, std::string_view hexString, SettingId owner)
{
    write(slot, displacement, hexString, owner, hexString);
}

void PatchWriter::dataEntry(int slot, int displacement, std::size_t index, SettingId owner)
{
    write(slot, displacement, data(index), owner, kEngineDataKeys[index]);
}

void PatchWriter::byte(int slot, int displacement, SettingId id)
{
    if (failed())
        return;
    write(slot, displacement, m_session.codec.TrueHex2(text(id), 2), id, kSettings[id].key);
}

void PatchWriter::byteOf(int slot, int displacement, std::string_view decimal, SettingId owner, std::string_view then)
{
    if (failed())
        return;
    write(slot, displacement, m_session.codec.TrueHex2(decimal, 2) + std::string(then), owner, kSettings[owner].key);
}

void PatchWriter::word(int slot, int displacement, SettingId id)
{
    if (failed())
        return;
    write(slot, displacement, Invrt(m_session.codec.TrueHex2(text(id), 4)), id, kSettings[id].key);
}

void PatchWriter::colour(int slot, int displacement, std::initializer_list<SettingId> components)
{
    if (failed())
        return;
    std::string joined;
    for (const SettingId id : components)
        joined += m_session.codec.TrueHex2(text(id), 2);
    const SettingId first = *components.begin();
    write(slot, displacement, joined, first, kSettings[first].key);
}

void PatchWriter::hexText(int slot, int displacement, SettingId id)
{
    if (failed())
        return;
    write(slot, displacement, text(id), id, kSettings[id].key);
}

void PatchWriter::reversedHex(int slot, int displacement, SettingId id)
{
    if (failed())
        return;
    write(slot, displacement, Invrt(text(id)), id, kSettings[id].key);
}

std::optional<std::string> PatchWriter::negated(SettingId id)
{
    const auto number = strictNumber(text(id));
    if (!number) {
        fail(Status::failure(
            "The value \"" + text(id) + "\" of " + std::string(kSettings[id].key) + " is not a number."));
        return std::nullopt;
    }
    return formatNumber(-*number);
}

void PatchWriter::negatedByte(int slot, SettingId id)
{
    if (failed())
        return;
    if (const auto value = negated(id))
        write(slot, 0, HexTail(m_session.codec.TrueHex2(*value, 2), 6), id, kSettings[id].key);
}

void PatchWriter::negatedWord(int slot, SettingId id)
{
    if (failed())
        return;
    if (const auto value = negated(id))
        write(slot, 0, Invrt(HexTail(m_session.codec.TrueHex2(*value, 4), 4)), id, kSettings[id].key);
}

void PatchWriter::characters(int slot, int displacement, std::string_view text, SettingId owner)
{
    if (failed())
        return;
    writeBytes(slot, displacement, Bytes(text.begin(), text.end()), owner, kSettings[owner].key);
}

} // namespace golv
