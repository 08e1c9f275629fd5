#include "patcher/ModifyExe.h"

#include "UserInteraction.h"
#include "config/BinaryFile.h"
#include "config/Session.h"
#include "patcher/PatchGroups.h"
#include "patcher/PatchPreview.h"
#include "settings/SettingId.h"

#include "config/PlatformFile.h"

#include <memory>

namespace golv {

PatchPlan planPatchRun(Session& session, std::int64_t fileSize)
{
    PatchWriter writer(session, fileSize);
    for (void (*group)(PatchWriter&) : {patchMainWindow, patchWeapons, patchBars, patchFonts, patchGfx, patchGfx2,
             patchLights, patchInventory, patchEnemies, patchPhysics, patchDamage})
        group(writer);
    return {writer.writes(), writer.problems()};
}

namespace {

std::string_view asText(const std::vector<std::uint8_t>& bytes)
{
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

} // namespace

PatchOutcome ModifyExe(Session& session, std::vector<PatchWrite>* record, KeepOriginal keep)
{
    PatchOutcome outcome;
    auto refuse = [&outcome](std::string what, std::string why) {
        outcome.result = PatchOutcome::Result::NothingWritten;
        outcome.problems.push_back({std::move(what), std::move(why)});
        return outcome;
    };

    std::string error;
    const auto file = BinaryFile::open(session.exePath, error);
    if (!file)
        return refuse(session.exeName, error);
    std::int64_t size = 0;
    if (Status measured = file->size(size); !measured)
        return refuse(session.exeName, measured.reason());

    PatchPlan plan = planPatchRun(session, size);
    if (!plan.problems.empty()) {
        outcome.result = PatchOutcome::Result::NothingWritten;
        outcome.problems = std::move(plan.problems);
        return outcome;
    }

    // Whatever fails from here on, the replacements given up leave no file
    // behind and the executable as it was.
    Status status = Status::ok();
    std::unique_ptr<platform::FileReplacement> original;
    if (keep == KeepOriginal::Yes && !platform::exists(originalPath(session))) {
        original = platform::FileReplacement::begin(
            originalPath(session), status, platform::FileReplacement::Existing::Keep);
        if (!original)
            return refuse(originalName(session), status.reason());
    }
    const auto patched = platform::FileReplacement::begin(session.exePath, status);
    if (!patched)
        return refuse(session.exeName, status.reason());
    if (Status copied = file->copyTo({original.get(), patched.get()}); !copied)
        return refuse(session.exeName, copied.reason());
    // The executable must be closed before another file takes its place.
    if (Status closed = file->close(); !closed)
        return refuse(session.exeName, closed.reason());
    if (original)
        if (Status kept = original->commit(); !kept)
            return refuse(originalName(session), kept.reason());

    for (const PatchWrite& write : plan.writes)
        if (Status written = patched->writeAt(static_cast<std::uint64_t>(write.position - 1), asText(write.bytes));
            !written)
            return refuse(std::string(kSettings[write.setting].key), written.reason());
    if (Status replaced = patched->commit(); !replaced)
        return refuse(session.exeName, replaced.reason());
    if (record != nullptr)
        record->insert(record->end(), plan.writes.begin(), plan.writes.end());
    return outcome;
}

std::string describeProblems(const PatchOutcome& outcome) { return describeProblems(outcome.problems); }

std::string confirmModifyPrompt(const Session& session)
{
    return "Are you sure you want to update " + session.exeName + " file?\n" + "The original of " + session.exeName
        + " is kept as " + originalName(session) + ".";
}

std::string cannotModifyMessage(const Session& session)
{
    return "Cannot process with " + session.exeName
        + " modifying. Make sure game is not launched or write-protected.\n"
          "If so, check that config file contains all necessary offsets and data.";
}

bool modifyCommand(Session& session)
{
    // The details tell what will change before anything does.
    const PatchPreview preview = previewPatchRun(session);
    const std::string details = preview.problems.empty()
        ? changesByWindow(preview)
        : "The run cannot be made:\n" + describeProblems(preview.problems);
    if (!session.ui.confirm(confirmModifyPrompt(session), kConfirmTitle, details))
        return false;
    const PatchOutcome outcome = ModifyExe(session);
    if (!outcome.patched()) {
        // The first cause in the box itself: the details are one click away, and many never make it.
        const std::string firstCause = outcome.problems.empty()
            ? std::string()
            : "\n\n" + outcome.problems.front().what + ": " + outcome.problems.front().why;
        session.ui.message(cannotModifyMessage(session) + firstCause, kCannotModifyTitle, describeProblems(outcome));
        return false;
    }
    return true;
}

Status restoreOriginal(Session& session)
{
    std::string error;
    const auto original = BinaryFile::open(originalPath(session), error);
    if (!original)
        return Status::failure(error);
    Status status = Status::ok();
    const auto restored = platform::FileReplacement::begin(session.exePath, status);
    if (!restored)
        return status;
    if (Status copied = original->copyTo({restored.get()}); !copied)
        return copied;
    if (Status closed = original->close(); !closed)
        return closed;
    return restored->commit();
}

std::string confirmRestorePrompt(const Session& session)
{
    return "Put back the original " + session.exeName + " kept as " + originalName(session) + "?\n"
        + "Every change made to " + session.exeName + " since is lost.";
}

std::string noOriginalMessage(const Session& session)
{
    return "No original of " + session.exeName + " is kept: " + originalName(session) + " is missing.";
}

bool restoreCommand(Session& session)
{
    if (!platform::exists(originalPath(session))) {
        session.ui.message(noOriginalMessage(session), kCannotRestoreTitle, {});
        return false;
    }
    if (!session.ui.confirm(confirmRestorePrompt(session), kConfirmRestoreTitle, {}))
        return false;
    if (Status restored = restoreOriginal(session); !restored) {
        session.ui.message(
            "Cannot restore " + session.exeName + "; it is as it was.", kCannotRestoreTitle, restored.reason());
        return false;
    }
    return true;
}

} // namespace golv
