#include "patcher/PatchPreview.h"

#include "UserInteraction.h"
#include "config/BinaryFile.h"
#include "config/OwnFiles.h"
#include "config/PlatformFile.h"
#include "config/Session.h"
#include "patcher/ExecutableBytes.h"
#include "patcher/Vcdiff.h"
#include "settings/SettingId.h"

#include <algorithm>
#include <cstdio>
#include <map>

namespace golv {

PatchPreview previewPatchRun(Session& session)
{
    PatchPreview preview;
    std::string error;
    const auto file = BinaryFile::open(session.exePath, error);
    std::int64_t size = 0;
    Status read = file ? file->size(size) : Status::failure(error);
    if (read)
        read = file->readAt(1, static_cast<std::size_t>(size), preview.original);
    if (!read) {
        preview.problems.push_back({session.exeName, read.reason()});
        return preview;
    }
    PatchPlan plan = planPatchRun(session, size);
    preview.problems = std::move(plan.problems);
    preview.patched = preview.original;
    if (!preview.problems.empty())
        return preview;
    // A write counts only where a byte of it survives the run and differs
    // from the executable's: a later write may cover it.
    MemoryBytes source(preview.original);
    ExecutableBytes compared;
    if (Status bytesRead = ExecutableBytes::read(source, writableRanges(session.offsets, session.engineData), compared);
        !bytesRead) {
        preview.problems.push_back({session.exeName, bytesRead.reason()});
        return preview;
    }
    const PlanChanges changes = planChanges(plan.writes, compared);
    for (std::size_t i = 0; i < plan.writes.size(); ++i) {
        PatchWrite& write = plan.writes[i];
        const auto offset = static_cast<std::ptrdiff_t>(write.position - 1);
        std::copy(write.bytes.begin(), write.bytes.end(), preview.patched.begin() + offset);
        if (!changes.writes[i])
            continue;
        const auto from = preview.original.begin() + offset;
        std::vector<std::uint8_t> before(from, from + static_cast<std::ptrdiff_t>(write.bytes.size()));
        preview.changes.push_back({std::move(write), std::move(before)});
    }
    return preview;
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
    const PatchPreview preview = previewPatchRun(session);
    if (!preview.problems.empty())
        return Status::failure(describeProblems(preview.problems));
    const std::vector<std::uint8_t> delta = encodeVcdiff(preview.original, preview.patched);
    return platform::replaceFile(path, std::string_view(reinterpret_cast<const char*>(delta.data()), delta.size()));
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
