#include "patcher/ExecutableBytes.h"

#include "patcher/PatchGroups.h"
#include "settings/SettingId.h"

#include <algorithm>

namespace golv {

std::size_t longestWrite(const WriteRow& row, const EngineData& engineData)
{
    std::size_t length = 0;
    for (const Piece& piece : row.pieces) {
        using enum Piece::Encoding;
        switch (piece.encoding) {
        case None:
            break;
        case Literal:
            length += piece.literal.size() / 2;
            break;
        case Data:
            length += engineData[piece.data].size() / 2;
            break;
        case Byte:
        case ByteOf:
        case Count:
        case Flag:
        case NegatedByte:
            length += 1;
            break;
        case Word:
        case NegatedWord:
            length += 2;
            break;
        case HexText:
        case ReversedHex:
            length += kSettings[piece.setting].maxLength / 2;
            break;
        case Characters:
            length += kSettings[piece.setting].maxLength;
            break;
        case Lookup: {
            std::size_t longest = 0;
            for (const TextToHex& entry : piece.table)
                longest = std::max(longest, entry.hex.size() / 2);
            length += longest;
            break;
        }
        }
    }
    return length;
}

namespace {

// Sorted, with overlapping and touching ranges made one.
std::vector<ByteRange> merged(std::vector<ByteRange> ranges)
{
    std::erase_if(ranges, [](const ByteRange& range) { return range.length <= 0; });
    std::sort(
        ranges.begin(), ranges.end(), [](const ByteRange& a, const ByteRange& b) { return a.position < b.position; });
    std::vector<ByteRange> result;
    for (const ByteRange& range : ranges) {
        if (!result.empty() && range.position <= result.back().position + result.back().length) {
            ByteRange& last = result.back();
            last.length = std::max(last.position + last.length, range.position + range.length) - last.position;
        } else {
            result.push_back(range);
        }
    }
    return result;
}

} // namespace

std::vector<ByteRange> writableRanges(const OffsetTable& offsets, const EngineData& engineData)
{
    std::vector<ByteRange> ranges;
    for (const WriteRow& row : patchRunRows()) {
        if (offsets[row.slot] == 0)
            continue;
        std::int64_t position = static_cast<std::int64_t>(offsets[row.slot]) + row.displacement;
        std::int64_t length = static_cast<std::int64_t>(longestWrite(row, engineData));
        // No write is made before the start of the file.
        if (position < 1) {
            length -= 1 - position;
            position = 1;
        }
        ranges.push_back({position, length});
    }
    return merged(std::move(ranges));
}

Status ExecutableBytes::read(ByteSource& source, std::vector<ByteRange> ranges, ExecutableBytes& bytes)
{
    ExecutableBytes made;
    if (Status measured = source.size(made.m_fileSize); !measured)
        return measured;
    std::vector<std::uint8_t> piece;
    for (ByteRange range : merged(std::move(ranges))) {
        range.length = std::min(range.length, made.m_fileSize - range.position + 1);
        if (range.position < 1 || range.length <= 0)
            continue;
        if (Status read = source.readAt(range.position, static_cast<std::size_t>(range.length), piece); !read)
            return read;
        made.m_ranges.push_back(range);
        made.m_firsts.push_back(made.m_bytes.size());
        made.m_bytes.insert(made.m_bytes.end(), piece.begin(), piece.end());
    }
    bytes = std::move(made);
    return Status::ok();
}

std::optional<std::size_t> ExecutableBytes::index(std::int64_t position) const
{
    const auto after = std::upper_bound(m_ranges.begin(), m_ranges.end(), position,
        [](std::int64_t wanted, const ByteRange& range) { return wanted < range.position; });
    if (after == m_ranges.begin())
        return std::nullopt;
    const auto range = after - 1;
    if (position >= range->position + range->length)
        return std::nullopt;
    return m_firsts[static_cast<std::size_t>(range - m_ranges.begin())]
        + static_cast<std::size_t>(position - range->position);
}

PlanChanges planChanges(const std::vector<PatchWrite>& writes, const ExecutableBytes& executable)
{
    PlanChanges changes;
    changes.writes.assign(writes.size(), false);
    changes.settings.assign(kSettingCount, false);
    // The last write at each byte read, and which of its bytes lands there.
    constexpr std::size_t kNone = static_cast<std::size_t>(-1);
    std::vector<std::size_t> lastWrite(executable.count(), kNone);
    std::vector<std::size_t> lastByte(executable.count(), 0);
    auto change = [&](std::size_t write, std::size_t byte) {
        changes.writes[write] = true;
        changes.settings[writes[write].settingOfByte(byte)] = true;
    };
    for (std::size_t i = 0; i < writes.size(); ++i) {
        for (std::size_t k = 0; k < writes[i].bytes.size(); ++k) {
            // A byte outside what was read cannot be compared; it counts.
            const auto at = executable.index(writes[i].position + static_cast<std::int64_t>(k));
            if (!at) {
                change(i, k);
                continue;
            }
            lastWrite[*at] = i;
            lastByte[*at] = k;
        }
    }
    for (std::size_t at = 0; at < executable.count(); ++at) {
        if (lastWrite[at] != kNone && writes[lastWrite[at]].bytes[lastByte[at]] != executable.at(at))
            change(lastWrite[at], lastByte[at]);
    }
    changes.count = static_cast<std::size_t>(std::count(changes.writes.begin(), changes.writes.end(), true));
    return changes;
}

} // namespace golv
