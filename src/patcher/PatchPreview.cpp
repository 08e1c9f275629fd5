#include "patcher/PatchPreview.h"

#include "UserInteraction.h"
#include "config/BinaryFile.h"
#include "config/OwnFiles.h"
#include "config/PlatformFile.h"
#include "config/Session.h"
#include "config/VersionSection.h"
#include "patcher/Vcdiff.h"
#include "settings/SettingId.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>

namespace golv {
namespace {

// The files are compared and copied a piece at a time, so that an
// executable of any size takes little memory.
constexpr std::int64_t kPiece = std::int64_t{1} << 20;

} // namespace

KeptOriginal keptOriginal(const Session& session, BinaryFile& executable)
{
    KeptOriginal kept;
    const std::string path = originalPath(session);
    if (!platform::exists(path))
        return kept;
    std::string error;
    const auto original = BinaryFile::open(path, error);
    if (!original) {
        // A folder or a FIFO in its place is no original; a file that cannot
        // be read may be one, and is not replaced unseen.
        std::error_code unknown;
        const bool regular = std::filesystem::is_regular_file(platform::nativePath(path), unknown);
        kept.state = regular || unknown ? KeptOriginal::State::Unreadable : KeptOriginal::State::Unusable;
        kept.why = error;
        return kept;
    }
    if (originalBelongs(session, writableRanges(session), executable, *original, kept.why)) {
        kept.state = KeptOriginal::State::Belongs;
        return kept;
    }
    kept.state = KeptOriginal::State::Foreign;
    for (int number = 1; number < 1000 && kept.asidePath.empty(); ++number) {
        if (!platform::exists(asideOriginalPath(session, number)))
            kept.asidePath = asideOriginalPath(session, number);
    }
    if (kept.asidePath.empty()) {
        kept.state = KeptOriginal::State::Unusable;
        kept.why = "every name for setting " + originalName(session) + " aside is taken.";
    }
    return kept;
}

Status SparseImage::read(BinaryFile& file, std::vector<std::pair<std::int64_t, std::size_t>> ranges, SparseImage& image)
{
    std::sort(ranges.begin(), ranges.end());
    image.m_runs.clear();
    for (const auto& [position, length] : ranges) {
        const std::int64_t end = position + static_cast<std::int64_t>(length);
        if (!image.m_runs.empty()) {
            ByteRun& last = image.m_runs.back();
            const std::int64_t lastEnd = last.position + static_cast<std::int64_t>(last.bytes.size());
            if (position <= lastEnd) {
                if (end > lastEnd)
                    last.bytes.resize(static_cast<std::size_t>(end - last.position));
                continue;
            }
        }
        image.m_runs.push_back({position, std::vector<std::uint8_t>(length)});
    }
    for (ByteRun& run : image.m_runs)
        if (Status read = file.readAt(run.position, run.bytes.size(), run.bytes); !read)
            return read;
    return Status::ok();
}

std::span<const std::uint8_t> SparseImage::at(std::int64_t position, std::size_t count) const
{
    auto run = std::upper_bound(m_runs.begin(), m_runs.end(), position,
        [](std::int64_t wanted, const ByteRun& candidate) { return wanted < candidate.position; });
    if (run == m_runs.begin())
        return {};
    --run;
    const auto offset = static_cast<std::size_t>(position - run->position);
    if (offset + count > run->bytes.size())
        return {};
    return std::span<const std::uint8_t>(run->bytes).subspan(offset, count);
}

std::span<std::uint8_t> SparseImage::at(std::int64_t position, std::size_t count)
{
    const auto found = std::as_const(*this).at(position, count);
    return {const_cast<std::uint8_t*>(found.data()), found.size()};
}

PatchPreview previewPatchRun(Session& session, KeepOriginal keep)
{
    std::string error;
    const auto file = BinaryFile::open(session.exePath, error);
    if (!file) {
        PatchPreview preview;
        preview.problems.push_back({session.exeName, error});
        return preview;
    }
    return previewPatchRun(session, *file, keep);
}

PatchPreview previewPatchRun(Session& session, BinaryFile& file, KeepOriginal keep)
{
    PatchPreview preview;
    auto problem = [&](std::string why) {
        preview.problems.push_back({session.exeName, std::move(why)});
        return preview;
    };
    if (Status measured = file.size(preview.size); !measured)
        return problem(measured.reason());
    const auto versionHex = readVersionHex(session, file);
    if (!versionHex)
        return problem("Cannot read the build-detection bytes of " + session.exePath + ".");
    preview.versionHex = *versionHex;
    // Positions are those of the build read at start-up; in another file
    // they would land on whatever lies there.
    if (!session.versionFound || preview.versionHex != session.versionHex) {
        preview.executableChanged = true;
        return problem(executableChangedMessage(session));
    }

    PatchPlan plan = planPatchRun(session, preview.size);
    preview.writes = std::move(plan.writes);
    preview.problems = std::move(plan.problems);
    if (!preview.problems.empty())
        return preview;
    std::vector<std::pair<std::int64_t, std::size_t>> ranges;
    ranges.reserve(preview.writes.size());
    for (const PatchWrite& write : preview.writes)
        ranges.emplace_back(write.position, write.bytes.size());
    if (Status read = SparseImage::read(file, std::move(ranges), preview.found); !read)
        return problem(read.reason());

    SparseImage patched = preview.found;
    for (const PatchWrite& write : preview.writes) {
        const auto at = patched.at(write.position, write.bytes.size());
        std::vector<std::uint8_t> before(at.begin(), at.end());
        if (before == write.bytes)
            continue;
        std::copy(write.bytes.begin(), write.bytes.end(), at.begin());
        preview.changes.push_back({write, std::move(before)});
    }
    if (keep == KeepOriginal::Yes)
        preview.original = keptOriginal(session, file);
    else
        preview.original.state = KeptOriginal::State::Belongs;
    if (preview.original.state == KeptOriginal::State::Unreadable)
        preview.problems.push_back({originalName(session), preview.original.why});
    preview.link = platform::linkFactsOf(session.exePath);
    return preview;
}

bool originalBelongs(const Session& session, const std::vector<ByteRange>& writable, BinaryFile& executable,
    BinaryFile& original, std::string& why)
{
    std::int64_t size = 0;
    std::int64_t originalSize = 0;
    if (Status measured = executable.size(size); !measured)
        return why = measured.reason(), false;
    if (Status measured = original.size(originalSize); !measured)
        return why = measured.reason(), false;
    const std::string name = originalName(session);
    if (originalSize == 0)
        return why = name + " is empty.", false;
    if (originalSize != size) {
        why = name + " has " + std::to_string(originalSize) + " bytes and " + session.exeName + " "
            + std::to_string(size) + ".";
        return false;
    }
    std::vector<std::uint8_t> mine;
    std::vector<std::uint8_t> theirs;
    auto range = writable.begin();
    for (std::int64_t done = 0; done < size; done += kPiece) {
        const auto count = static_cast<std::size_t>(std::min(size - done, kPiece));
        if (Status read = executable.readAt(done + 1, count, mine); !read)
            return why = read.reason(), false;
        if (Status read = original.readAt(done + 1, count, theirs); !read)
            return why = read.reason(), false;
        // Most of the file is equal: blocks are compared whole, bytes only
        // where a block differs.
        constexpr std::size_t kBlock = 64;
        for (std::size_t block = 0; block < count; block += kBlock) {
            const std::size_t end = std::min(count, block + kBlock);
            if (std::memcmp(mine.data() + block, theirs.data() + block, end - block) == 0)
                continue;
            for (std::size_t i = block; i < end; ++i) {
                if (mine[i] == theirs[i])
                    continue;
                const std::int64_t position = done + static_cast<std::int64_t>(i) + 1;
                while (
                    range != writable.end() && range->position + static_cast<std::int64_t>(range->length) <= position)
                    ++range;
                if (range == writable.end() || range->position > position) {
                    why = name + " and " + session.exeName + " differ at position " + std::to_string(position)
                        + ", which GOLV never writes.";
                    return false;
                }
            }
        }
    }
    return true;
}

std::string executableChangedMessage(const Session& session)
{
    return session.exeName + " changed since GOLV read it: it is no longer the build found at start-up.";
}

std::string describeProblems(const std::vector<PatchProblem>& problems)
{
    std::string text;
    for (const PatchProblem& problem : problems)
        text += (text.empty() ? "" : "\n") + problem.what + ": " + problem.why;
    return text;
}

Status exportPatch(Session& session, const std::string& path)
{
    if (Status own = refuseOwnFile(session, path); !own)
        return own;
    std::string error;
    const auto file = BinaryFile::open(session.exePath, error);
    if (!file)
        return Status::failure(error);
    const PatchPreview preview = previewPatchRun(session, *file);
    if (!preview.problems.empty())
        return Status::failure(describeProblems(preview.problems));

    Status status = Status::ok();
    const auto delta = platform::FileReplacement::begin(path, status);
    if (!delta)
        return status;
    auto append = [&delta](const std::vector<std::uint8_t>& bytes) {
        return delta->append(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    };
    if (status = append(vcdiffHeader()); !status)
        return status;
    // Each window of the delta is the executable's piece and the same piece
    // with the run's writes made in it.
    std::vector<std::uint8_t> source;
    std::vector<std::uint8_t> target;
    for (std::int64_t done = 0; done < preview.size; done += kVcdiffWindow) {
        const auto count = static_cast<std::size_t>(std::min(preview.size - done, kVcdiffWindow));
        if (status = file->readAt(done + 1, count, source); !status)
            return status;
        target = source;
        for (const PatchWrite& write : preview.writes) {
            const std::int64_t from = std::max(write.position - 1, done);
            const std::int64_t to
                = std::min(write.position - 1 + static_cast<std::int64_t>(write.bytes.size()), done + kVcdiffWindow);
            for (std::int64_t at = from; at < to; ++at)
                target[static_cast<std::size_t>(at - done)]
                    = write.bytes[static_cast<std::size_t>(at - write.position + 1)];
        }
        if (status = append(encodeVcdiffWindow(source, target, static_cast<std::uint64_t>(done))); !status)
            return status;
    }
    return delta->commit();
}

void exportPatchCommand(Session& session)
{
    const auto path = session.ui.chooseFileToSave(kExportPatchTitle, kPatchFilter);
    if (!path)
        return;
    if (Status written = exportPatch(session, *path); !written) {
        session.ui.message("The patch could not be exported.", {}, written.reason());
        return;
    }
    session.ui.message("The patch was written to " + *path + ".");
}

std::string hexBytes(const std::vector<std::uint8_t>& bytes)
{
    std::string text;
    for (const std::uint8_t byte : bytes) {
        char digits[4];
        std::snprintf(digits, sizeof digits, text.empty() ? "%02X" : " %02X", byte);
        text += digits;
    }
    return text;
}

std::vector<std::string> changeTable(const PatchPreview& preview)
{
    struct Row {
        std::string position, before, after, setting;
    };
    std::vector<Row> rows = {{"position", "old bytes", "new bytes", "setting"}};
    for (const PlannedChange& change : preview.changes)
        rows.push_back({std::to_string(change.write.position), hexBytes(change.before), hexBytes(change.write.bytes),
            std::string(kSettings[change.write.setting].key)});
    std::size_t widths[3] = {};
    for (const Row& row : rows) {
        widths[0] = std::max(widths[0], row.position.size());
        widths[1] = std::max(widths[1], row.before.size());
        widths[2] = std::max(widths[2], row.after.size());
    }
    auto pad = [](std::string text, std::size_t width, bool right) {
        const std::string fill(width - text.size(), ' ');
        return right ? fill + text : text + fill;
    };
    std::vector<std::string> lines;
    for (const Row& row : rows) {
        lines.push_back(pad(row.position, widths[0], true) + "  " + pad(row.before, widths[1], false) + "  "
            + pad(row.after, widths[2], false) + "  " + row.setting);
    }
    const std::size_t count = preview.changes.size();
    lines.push_back(std::to_string(count) + (count == 1 ? " write changes" : " writes change") + " the executable.");
    return lines;
}

std::string changesByWindow(const PatchPreview& preview)
{
    if (preview.changes.empty())
        return "Nothing will change.";
    std::map<Window, std::string> groups;
    for (const PlannedChange& change : preview.changes) {
        const SettingDef& setting = kSettings[change.write.setting];
        groups[setting.window] += "  " + std::string(setting.key) + " at " + std::to_string(change.write.position)
            + ": " + hexBytes(change.before) + " -> " + hexBytes(change.write.bytes) + "\n";
    }
    std::string text;
    for (const auto& [window, lines] : groups)
        text += std::string(windowDescription(window)) + ":\n" + lines;
    text.pop_back();
    return text;
}

} // namespace golv
