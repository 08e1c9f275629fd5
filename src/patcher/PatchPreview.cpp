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
    if (originalBelongs(
            session, writableRanges(session.offsets, session.engineData), executable, *original, kept.why)) {
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

PatchPreview previewPatchRun(Session& session, KeepOriginal keep)
{
    std::string error;
    const auto file = BinaryFile::open(session.executable.path, error);
    if (!file) {
        PatchPreview preview;
        preview.problems.push_back({session.executable.name, error});
        return preview;
    }
    return previewPatchRun(session, *file, keep);
}

PatchPreview previewPatchRun(Session& session, BinaryFile& file, KeepOriginal keep)
{
    PatchPreview preview;
    auto problem = [&](std::string why) {
        preview.problems.push_back({session.executable.name, std::move(why)});
        return preview;
    };
    if (Status measured = file.size(preview.size); !measured)
        return problem(measured.reason());
    const auto versionHex = readVersionHex(session, file);
    if (!versionHex)
        return problem("Cannot read the build-detection bytes of " + session.executable.path + ".");
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
    if (Status read = ExecutableBytes::read(file, writableRanges(session.offsets, session.engineData), preview.found);
        !read)
        return problem(read.reason());

    // A write counts when a byte of it survives the run (no later write
    // covers it) and differs from the executable's.
    const PlanChanges changed = planChanges(preview.writes, preview.found);
    for (std::size_t i = 0; i < preview.writes.size(); ++i) {
        if (!changed.writes[i])
            continue;
        const PatchWrite& write = preview.writes[i];
        std::vector<std::uint8_t> before;
        for (std::size_t k = 0; k < write.bytes.size(); ++k)
            before.push_back(preview.found.at(*preview.found.index(write.position + static_cast<std::int64_t>(k))));
        preview.changes.push_back({write, std::move(before)});
    }
    if (keep == KeepOriginal::Yes)
        preview.original = keptOriginal(session, file);
    else
        preview.original.state = KeptOriginal::State::Belongs;
    if (preview.original.state == KeptOriginal::State::Unreadable)
        preview.problems.push_back({originalName(session), preview.original.why});
    preview.link = platform::linkFactsOf(session.executable.path);
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
        why = name + " has " + std::to_string(originalSize) + " bytes and " + session.executable.name + " "
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
                    why = name + " and " + session.executable.name + " differ at position " + std::to_string(position)
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
    return session.executable.name + " changed since GOLV read it: it is no longer the build found at start-up.";
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
    const auto file = BinaryFile::open(session.executable.path, error);
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
