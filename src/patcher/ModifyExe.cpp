#include "patcher/ModifyExe.h"

#include "UserInteraction.h"
#include "config/BinaryFile.h"
#include "config/Session.h"
#include "config/SettingId.h"
#include "patcher/PatchGroups.h"
#include "patcher/PatchPreview.h"

#include <set>

namespace golv {

PatchPlan planPatchRun(Session& session, std::int64_t fileSize)
{
    PatchWriter writer(session, fileSize);
    for (void (*group)(PatchWriter&) : {patchMainWindow, patchWeapons, patchBars, patchFonts, patchGfx, patchGfx2,
             patchLights, patchInventory, patchEnemies, patchPhysics, patchDamage})
        group(writer);
    return {writer.writes(), writer.problems()};
}

PatchOutcome ModifyExe(Session& session, std::vector<PatchWrite>* record)
{
    PatchOutcome outcome;
    auto refuse = [&outcome](std::string what, std::string why) {
        outcome.result = PatchOutcome::Result::NothingWritten;
        outcome.problems.push_back({std::move(what), std::move(why)});
        return outcome;
    };

    std::string error;
    const auto file = BinaryFile::open(session.exePath, BinaryFile::Mode::ReadWrite, error);
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
    for (PatchWrite& write : plan.writes) {
        if (Status written = file->writeAt(write.position, write.bytes); !written) {
            outcome.result
                = outcome.made.empty() ? PatchOutcome::Result::NothingWritten : PatchOutcome::Result::PartlyWritten;
            outcome.problems.push_back({std::string(kSettings[write.setting].key), written.reason()});
            break;
        }
        if (record != nullptr)
            record->push_back(write);
        outcome.made.push_back(std::move(write));
    }
    // A file that fails to close may not hold what was written.
    if (Status closed = file->close(); !closed && outcome.patched()) {
        outcome.result = PatchOutcome::Result::PartlyWritten;
        outcome.problems.push_back({session.exeName, closed.reason()});
    }
    return outcome;
}

std::string describeProblems(const PatchOutcome& outcome)
{
    std::string text;
    for (const PatchProblem& problem : outcome.problems)
        text += problem.what + ": " + problem.why + "\n";
    if (outcome.result == PatchOutcome::Result::PartlyWritten) {
        text += "\nWritten before the failure:";
        std::set<std::string_view> seen;
        for (const PatchWrite& write : outcome.made) {
            const std::string_view key = kSettings[write.setting].key;
            if (seen.insert(key).second)
                text += std::string(seen.size() == 1 ? " " : ", ") + std::string(key);
        }
        text += ".\n";
    }
    if (!text.empty())
        text.pop_back();
    return text;
}

std::string confirmModifyPrompt(const Session& session)
{
    return "Are you sure you want to update " + session.exeName + " file?";
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
        session.ui.message(cannotModifyMessage(session), kCannotModifyTitle, describeProblems(outcome));
        return false;
    }
    return true;
}

} // namespace golv
