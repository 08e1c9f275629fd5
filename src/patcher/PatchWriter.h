#pragma once

#include "codec/Codec.h"
#include "settings/SettingDef.h"

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace golv {

class SettingsStore;
struct Session;

// One write of a patch run.
struct PatchWrite {
    std::int64_t position = 0; // 1-based
    std::vector<std::uint8_t> bytes;
    SettingId setting = 0; // the setting whose write this is
};

// Why a write cannot be made: the setting or Engine data key, and a sentence.
struct PatchProblem {
    std::string what;
    std::string why;
    bool operator==(const PatchProblem&) const = default;
};

// Plans the writes of a patch run without touching the executable. Each
// write takes its position from an Offset table slot plus a displacement,
// builds a hex string by its encoding and turns it into bytes with wb; the
// writer checks every write before it is planned (a position inside the
// file, a value its field would take, hex digits that make whole bytes of
// the expected number) and keeps the problems of all the writes that fail,
// so that a run can be refused as a whole, with every reason.
class PatchWriter {
public:
    // Writes into an executable of `fileSize` bytes.
    PatchWriter(Session& session, std::int64_t fileSize);
    ~PatchWriter();
    PatchWriter(const PatchWriter&) = delete;
    PatchWriter& operator=(const PatchWriter&) = delete;

    const std::vector<PatchWrite>& writes() const { return m_writes; }
    const std::vector<PatchProblem>& problems() const { return m_problems; }

    // What the settings hold now; the run reads every value at its write.
    int state(SettingId id) const;
    std::string text(SettingId id) const;
    double flag(SettingId id) const;
    const SettingsStore& settings() const;
    // An Engine data table entry.
    const std::string& data(std::size_t index) const;

    // Every write names the setting it belongs to.

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
    // Each setting's own hex digits, one setting after the other.
    void hexBytes(int slot, std::initializer_list<SettingId> ids);
    // HexTail(TrueHex2(-value, 2), 6): the low byte of the negated value.
    void negatedByte(int slot, SettingId id);
    // Invrt(HexTail(TrueHex2(-value, 4), 4)): the low 16 bits of the negated value.
    void negatedWord(int slot, SettingId id);
    // The setting's text as characters, one byte each.
    void characters(int slot, int displacement, SettingId id);
    // An ammunition flag, as the byte of its decimal text; a number its
    // letter does not cycle through is refused.
    void flagByte(int slot, SettingId id);
    // A count: TrueHex2 of the text's leading number (0 when it has none)
    // times `factor`, followed by the literal hex digits of `then`.
    void count(int slot, int displacement, SettingId id, int factor = 1, std::string_view then = {});

private:
    // Plans the bytes of a hex string, or records why it cannot under `what`
    // (the owner's key unless given).
    void plan(int slot, int displacement, std::string_view hexString, SettingId owner, std::string_view what = {});
    void planBytes(int slot, int displacement, std::vector<std::uint8_t> bytes, SettingId owner);
    // Several settings' digits as one write, owned by the first; when any of
    // them has none (its problem recorded), nothing is planned.
    void planJoined(int slot, int displacement, std::initializer_list<SettingId> ids,
        const std::function<std::optional<std::string>(SettingId)>& digits);
    // Whether a setting's text is a value its field takes (a number within
    // the field's limits); records a problem when it is not.
    bool acceptable(SettingId id);
    bool withinLimits(SettingId id, double number);
    void problem(std::string_view what, std::string why);
    // TrueHex2 of a setting's text when it makes exactly `width` digits.
    std::optional<std::string> digitsOf(SettingId id, std::size_t width);
    // Whether a setting's own hex text is hex digits that fill its field as
    // leaving the field would ask.
    bool hexSetting(SettingId id);

    Session& m_session;
    std::int64_t m_fileSize;
    std::vector<PatchWrite> m_writes;
    std::vector<PatchProblem> m_problems;
    std::vector<std::string> m_warnings; // the codec's, while this writer plans
};

} // namespace golv
