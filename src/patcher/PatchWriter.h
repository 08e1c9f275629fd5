#pragma once

#include "codec/Codec.h"
#include "config/VersionTables.h"
#include "patcher/WriteRows.h"
#include "settings/SettingDef.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace golv {

// One write of a patch run.
struct PatchWrite {
    std::int64_t position = 0; // 1-based
    std::vector<std::uint8_t> bytes;
    SettingId setting = 0; // the setting whose write this is
    // Where the bytes carry other settings' values (a colour's components),
    // the setting of each byte; empty when every byte is `setting`'s.
    std::vector<SettingId> byteSettings;

    SettingId settingOfByte(std::size_t index) const { return byteSettings.empty() ? setting : byteSettings[index]; }
};

// Why a write cannot be made: the setting or Engine data key, and a sentence.
struct PatchProblem {
    std::string what;
    std::string why;
    bool operator==(const PatchProblem&) const = default;
};

// Whether both conditions of a row hold under these values.
bool conditionsHold(const WriteRow& row, const SettingValues& values);

// Makes the writes of a patch run from their declarations without touching
// the executable. Each write takes its position from an Offset table slot plus
// a displacement, builds a hex string by its encoding and turns it into bytes
// with wb; the writer checks every write before it is planned (a position
// inside the file, a value its field would take, hex digits that make whole
// bytes of the expected number) and keeps the problems of all the writes that
// fail, so that a run can be refused as a whole, with every reason.
class PatchWriter {
public:
    // Writes into an executable of `fileSize` bytes.
    PatchWriter(const OffsetTable& offsets, const EngineData& engineData, std::int64_t fileSize);
    PatchWriter(const PatchWriter&) = delete;
    PatchWriter& operator=(const PatchWriter&) = delete;

    // The write a row makes under these values: none when a condition does not
    // hold, when a table knows no bytes for the value, or when the write cannot
    // be made (its problems are kept).
    std::optional<PatchWrite> write(const WriteRow& row, const SettingValues& values);
    // Adds the row's write, if any, to the plan.
    void plan(const WriteRow& row, const SettingValues& values);

    const std::vector<PatchWrite>& writes() const { return m_writes; }
    const std::vector<PatchProblem>& problems() const { return m_problems; }
    void forgetProblems() { m_problems.clear(); }

private:
    int state(SettingId id) const;
    const std::string& text(SettingId id) const;
    // A piece's hex digits; none when its value cannot be written (recorded).
    std::optional<std::string> digits(const Piece& piece, SettingId owner);
    // The hex digits of a table's entry for the setting's text or display.
    std::optional<std::string_view> lookUp(const Piece& piece) const;
    // Turns the hex string into bytes, or records why it cannot under `what`.
    std::optional<PatchWrite> planHex(const WriteRow& row, std::string_view hexString, std::string_view what);
    std::optional<PatchWrite> planBytes(int slot, int displacement, std::vector<std::uint8_t> bytes, SettingId owner);
    std::optional<PatchWrite> characters(const WriteRow& row, SettingId id);
    // TrueHex2(decimal, 2) when it makes one byte; the problem is told under `owner`.
    std::optional<std::string> byteOf(std::string_view decimal, SettingId owner);
    // Whether a setting's text is a value its field takes (a number within
    // the field's limits); records a problem when it is not.
    bool acceptable(SettingId id);
    bool withinLimits(SettingId id, double number);
    void problem(std::string_view what, std::string why);
    // TrueHex2, its warnings kept to become the problems of the write.
    std::string trueHex2(std::string_view text, std::size_t width);
    // TrueHex2 of a setting's text when it makes exactly `width` digits.
    std::optional<std::string> digitsOf(SettingId id, std::size_t width);
    // Whether a setting's own hex text is hex digits that fill its field as
    // leaving the field would ask.
    bool hexSetting(SettingId id);

    const OffsetTable& m_offsets;
    const EngineData& m_engineData;
    std::int64_t m_fileSize;
    const SettingValues* m_values = nullptr;
    std::vector<PatchWrite> m_writes;
    std::vector<PatchProblem> m_problems;
    std::vector<std::string> m_warnings; // the codec's about the write being planned
};

} // namespace golv
