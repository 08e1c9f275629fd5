#pragma once

#include "Status.h"
#include "config/ByteSource.h"
#include "config/VersionTables.h"
#include "patcher/PatchWriter.h"
#include "patcher/WriteRows.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace golv {

// Bytes of a file from a 1-based position.
struct ByteRange {
    std::int64_t position = 0;
    std::int64_t length = 0;
    bool operator==(const ByteRange&) const = default;
};

// The most bytes a row can write: a hex text fills its field, a data entry
// its length, a table its longest entry.
std::size_t longestWrite(const WriteRow& row, const EngineData& engineData);

// Every byte that any write of the matched build can touch, whatever the
// settings: sorted ranges that neither overlap nor touch. Writes whose offset
// key the build lacks touch nothing; a range may reach past the end of the
// file, where no write can be made.
std::vector<ByteRange> writableRanges(const OffsetTable& offsets, const EngineData& engineData);

// An executable's bytes at the positions a patch run can write, read once:
// what a plan is compared with, without the whole file in memory.
class ExecutableBytes {
public:
    // Reads the bytes of the ranges that lie inside the file.
    static Status read(ByteSource& source, std::vector<ByteRange> ranges, ExecutableBytes& bytes);

    std::int64_t fileSize() const { return m_fileSize; }
    // A position's place among the bytes read; none for a position not read.
    std::optional<std::size_t> index(std::int64_t position) const;
    std::uint8_t at(std::size_t index) const { return m_bytes[index]; }
    std::size_t count() const { return m_bytes.size(); }
    bool operator==(const ExecutableBytes&) const = default;

private:
    std::int64_t m_fileSize = 0;
    std::vector<ByteRange> m_ranges;
    std::vector<std::size_t> m_firsts; // each range's first index
    std::vector<std::uint8_t> m_bytes;
};

// What a plan changes in the executable. A write counts only when a byte of it
// survives the run (no later write covers it) and differs from the
// executable's; a setting counts when such a byte carries its value.
struct PlanChanges {
    std::vector<bool> writes;   // by the index of the plan's write
    std::vector<bool> settings; // by SettingId
    std::size_t count = 0;      // the writes that change the executable
};
PlanChanges planChanges(const std::vector<PatchWrite>& writes, const ExecutableBytes& executable);

} // namespace golv
