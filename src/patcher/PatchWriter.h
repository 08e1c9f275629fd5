#pragma once

#include "Status.h"
#include "codec/Codec.h"
#include "config/SettingDef.h"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace golv {

class BinaryFile;
class SettingsStore;
struct Session;

// One write of a patch run, for tests and tools that look at what a run does.
struct PatchWrite {
    std::int64_t position = 0; // 1-based
    std::vector<std::uint8_t> bytes;
    SettingId setting = 0; // the setting whose write this is
    std::string source;    // what the bytes came from: the setting's key, a data key or the literal
};

// The one write primitive of the patch run and its value encodings. Each
// write takes its position from an Offset table slot plus a displacement,
// builds a hex string by its encoding, turns it into bytes with wb and writes
// them with one positioned write.
//
// The first failure ends the run: the writer remembers it and every later
// write does nothing, converts nothing and warns about nothing, so the groups
// read as the straight sequences of writes they are.
class PatchWriter {
public:
    PatchWriter(Session& session, BinaryFile& file, std::vector<PatchWrite>* record = nullptr);

    bool failed() const { return !m_status.isOk(); }
    const Status& status() const { return m_status; }

    // What the settings hold now; the run reads every value at its write.
    int state(SettingId id) const;
    std::string text(SettingId id) const;
    double flag(SettingId id) const;
    const SettingsStore& settings() const;
    // An Engine data table entry.
    const std::string& data(std::size_t index) const;

    // Every write names the setting it belongs to, for the record of the run.

    // A hex string of the program (a literal), written as it stands.
    void hex(int slot, int displacement, std::string_view hexString, SettingId owner);
    // An Engine data table entry.
    void dataEntry(int slot, int displacement, std::size_t index, SettingId owner);
    // TrueHex2(text, 2): one byte of a decimal setting.
    void byte(int slot, int displacement, SettingId id);
    // TrueHex2(decimal, 2) of a number the group computed, followed by the
    // literal hex digits of `then` in the same write.
    void byteOf(int slot, int displacement, std::string_view decimal, SettingId owner, std::string_view then = {});
    // Invrt(TrueHex2(text, 4)): two bytes, low byte first.
    void word(int slot, int displacement, SettingId id);
    // TrueHex2(text, 2) of each component, joined in the order given.
    void colour(int slot, int displacement, std::initializer_list<SettingId> components);
    // The setting's own hex digits, as they stand or with the byte order reversed.
    void hexText(int slot, int displacement, SettingId id);
    void reversedHex(int slot, int displacement, SettingId id);
    // HexTail(TrueHex2(-value, 2), 6): the low byte of the negated value. A
    // text that is not a number ends the run.
    void negatedByte(int slot, SettingId id);
    // Invrt(HexTail(TrueHex2(-value, 4), 4)): the low 16 bits of the negated value.
    void negatedWord(int slot, SettingId id);
    // The text's characters, one byte each.
    void characters(int slot, int displacement, std::string_view text, SettingId owner);

    // Ends the run with a reason, as a failed write would.
    void fail(Status failure);

private:
    void write(int slot, int displacement, std::string_view hexString, SettingId owner, std::string_view source);
    void writeBytes(int slot, int displacement, const Bytes& bytes, SettingId owner, std::string_view source);
    std::optional<std::string> negated(SettingId id);

    Session& m_session;
    BinaryFile& m_file;
    std::vector<PatchWrite>* m_record;
    Status m_status = Status::ok();
};

} // namespace golv
