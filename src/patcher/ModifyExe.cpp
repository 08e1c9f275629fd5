#include "patcher/ModifyExe.h"

#include "UserInteraction.h"
#include "config/BinaryFile.h"
#include "config/PlatformFile.h"
#include "config/Session.h"
#include "config/VersionSection.h"
#include "patcher/PatchGroups.h"
#include "patcher/PatchPreview.h"
#include "settings/SettingId.h"

#include <algorithm>
#include <filesystem>
#include <memory>

namespace golv {

std::span<const WriteRow> patchRunRows()
{
    static const std::vector<WriteRow> rows = [] {
        std::vector<WriteRow> all;
        for (std::span<const WriteRow> (*group)() : {mainWindowWrites, weaponWrites, barWrites, fontWrites, gfxWrites,
                 gfx2Writes, lightWrites, inventoryWrites, enemyWrites, physicsWrites, damageWrites}) {
            const std::span<const WriteRow> part = group();
            all.insert(all.end(), part.begin(), part.end());
        }
        return all;
    }();
    return rows;
}

PatchPlan planPatchRun(Session& session, const SettingValues& values, std::int64_t fileSize)
{
    PatchWriter writer(session.offsets, session.engineData, fileSize);
    for (const WriteRow& row : patchRunRows())
        writer.plan(row, values);
    return {writer.writes(), writer.problems()};
}

PatchPlan planPatchRun(Session& session, std::int64_t fileSize)
{
    return planPatchRun(session, session.settings.values(), fileSize);
}

namespace {

// The executable is copied a piece at a time, so that a file of any size
// takes little memory.
constexpr std::int64_t kPiece = std::int64_t{1} << 20;

std::string linkSentence(const Session& session, const platform::LinkFacts& link)
{
    if (!link.linksTo.empty())
        return session.executable.name + " is a link to " + link.linksTo
            + ": the patched file takes the link's place, and " + link.linksTo + " stays as it is.";
    return session.executable.name + " has " + std::to_string(link.names)
        + " names: the patched file takes this one alone, and the other names keep the file as it is.";
}

// Why a run without a question does not part a name from its file.
std::string linkRefusal(const Session& session, const platform::LinkFacts& link)
{
    return linkSentence(session, link) + " GOLV does this only after asking, in its window; nothing was written.";
}

std::string originalSentence(const Session& session, const KeptOriginal& original)
{
    switch (original.state) {
    case KeptOriginal::State::Missing:
    case KeptOriginal::State::Belongs:
        return "The original of " + session.executable.name + " is kept as " + originalName(session) + ".";
    case KeptOriginal::State::Foreign:
        return originalName(session) + " is not the original of this " + session.executable.name + ": " + original.why
            + " It is kept as " + platform::fileNameOf(original.asidePath) + ", and " + session.executable.name
            + " as it is now is kept as " + originalName(session) + ".";
    case KeptOriginal::State::Unusable:
    case KeptOriginal::State::Unreadable:
        return "No original of " + session.executable.name + " can be kept: " + original.why;
    }
    return {};
}

// The run of one plan through one open handle of the executable: the plan
// was made from what this handle reads, or is checked against it first.
class PlannedRun {
public:
    PlannedRun(Session& session, BinaryFile& file, const PatchPreview& plan)
        : m_session(session), m_file(file), m_plan(plan)
    {
    }

    // `fresh`: the plan was made from this very handle just now.
    PatchOutcome run(LinkedName linked, KeepOriginal keep, bool fresh, std::vector<PatchWrite>* record)
    {
        if (!m_plan.problems.empty()) {
            m_outcome.result = m_plan.executableChanged ? PatchOutcome::Result::ExecutableChanged
                                                        : PatchOutcome::Result::NothingWritten;
            m_outcome.problems = m_plan.problems;
            return m_outcome;
        }
        if (!stillAsPlanned())
            return changed();
        const platform::LinkFacts link = platform::linkFactsOf(m_session.executable.path);
        if (link.isLink() && linked == LinkedName::Refuse)
            return refuse(m_session.executable.name, linkRefusal(m_session, link));

        // A plan confirmed some time ago may have found another original.
        KeptOriginal original = m_plan.original;
        if (keep == KeepOriginal::No)
            original.state = KeptOriginal::State::Belongs;
        else if (!fresh)
            original = keptOriginal(m_session, m_file);
        if (original.state == KeptOriginal::State::Unreadable)
            return refuse(originalName(m_session), original.why);
        if (!copy(original))
            return m_outcome;
        if (record != nullptr)
            record->insert(record->end(), m_plan.writes.begin(), m_plan.writes.end());
        return m_outcome;
    }

private:
    PatchOutcome refuse(std::string what, std::string why)
    {
        m_outcome.result = PatchOutcome::Result::NothingWritten;
        m_outcome.problems.push_back({std::move(what), std::move(why)});
        return m_outcome;
    }

    PatchOutcome changed()
    {
        refuse(m_session.executable.name, executableChangedMessage(m_session));
        m_outcome.result = PatchOutcome::Result::ExecutableChanged;
        return m_outcome;
    }

    // The size, the build and every byte the plan replaces, as the plan found them.
    bool stillAsPlanned()
    {
        std::int64_t size = 0;
        if (!m_file.size(size) || size != m_plan.size)
            return false;
        const auto versionHex = readVersionHex(m_session, m_file);
        if (!versionHex || *versionHex != m_plan.versionHex || *versionHex != m_session.versionHex)
            return false;
        ExecutableBytes now;
        return ExecutableBytes::read(m_file, writableRanges(m_session.offsets, m_session.engineData), now)
            && now == m_plan.found;
    }

    // The copies through the one handle, each written whole before it takes
    // its name: the original's before the patched executable's.
    bool copy(const KeptOriginal& original)
    {
        const std::string originalFile = originalPath(m_session);
        Status status = Status::ok();
        std::unique_ptr<platform::FileReplacement> kept;
        if (original.state == KeptOriginal::State::Missing || original.state == KeptOriginal::State::Foreign) {
            kept = platform::FileReplacement::begin(
                originalFile, status, platform::FileReplacement::Existing::Keep, m_session.executable.path);
            if (!kept)
                return refuse(originalName(m_session), status.reason()), false;
        }
        const auto patched = platform::FileReplacement::begin(m_session.executable.path, status);
        if (!patched)
            return refuse(m_session.executable.name, status.reason()), false;
        std::vector<std::uint8_t> piece;
        for (std::int64_t done = 0; done < m_plan.size; done += kPiece) {
            const auto count = static_cast<std::size_t>(std::min(m_plan.size - done, kPiece));
            if (status = m_file.readAt(done + 1, count, piece); !status)
                return refuse(m_session.executable.name, status.reason()), false;
            if (kept)
                if (status = kept->append(asText(piece)); !status)
                    return refuse(originalName(m_session), status.reason()), false;
            makeWrites(done, piece);
            if (status = patched->append(asText(piece)); !status)
                return refuse(m_session.executable.name, status.reason()), false;
        }
        const auto identity = m_file.identity();
        if (!identity)
            return refuse(m_session.executable.name, "Cannot tell which file " + m_session.executable.path + " is."),
                   false;
        patched->expectTarget(*identity);
        // The executable must be closed before another file takes its place.
        if (status = m_file.close(); !status)
            return refuse(m_session.executable.name, status.reason()), false;

        if (original.state == KeptOriginal::State::Foreign)
            if (status = platform::renameWithoutReplacing(originalFile, original.asidePath, "set aside"); !status)
                return refuse(originalName(m_session), status.reason()), false;
        auto undoAside = [&] {
            if (original.state == KeptOriginal::State::Foreign)
                static_cast<void>(platform::renameWithoutReplacing(original.asidePath, originalFile, "put back"));
        };
        if (kept)
            if (status = kept->commit(); !status)
                return undoAside(), refuse(originalName(m_session), status.reason()), false;
        if (status = patched->commit(); !status) {
            if (!patched->targetChanged())
                return refuse(m_session.executable.name, status.reason()), false;
            // What was kept is the original of a file that no longer has the name.
            if (kept) {
                std::error_code ignored;
                std::filesystem::remove(platform::nativePath(originalFile), ignored);
                undoAside();
            }
            return changed(), false;
        }
        if (original.state == KeptOriginal::State::Foreign || original.state == KeptOriginal::State::Unusable)
            m_outcome.notes.push_back(originalSentence(m_session, original));
        return true;
    }

    // The writes that fall in the piece of the file from `offset` (0-based) on.
    void makeWrites(std::int64_t offset, std::vector<std::uint8_t>& piece) const
    {
        const std::int64_t end = offset + static_cast<std::int64_t>(piece.size());
        for (const PatchWrite& write : m_plan.writes) {
            const std::int64_t start = write.position - 1;
            const std::int64_t from = std::max(start, offset);
            const std::int64_t to = std::min(start + static_cast<std::int64_t>(write.bytes.size()), end);
            for (std::int64_t at = from; at < to; ++at)
                piece[static_cast<std::size_t>(at - offset)] = write.bytes[static_cast<std::size_t>(at - start)];
        }
    }

    static std::string_view asText(const std::vector<std::uint8_t>& bytes)
    {
        return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
    }

    Session& m_session;
    BinaryFile& m_file;
    const PatchPreview& m_plan;
    PatchOutcome m_outcome;
};

PatchOutcome cannotOpen(const Session& session, std::string error)
{
    PatchOutcome outcome;
    outcome.result = PatchOutcome::Result::NothingWritten;
    outcome.problems.push_back({session.executable.name, std::move(error)});
    return outcome;
}

} // namespace

PatchOutcome ModifyExe(Session& session, std::vector<PatchWrite>* record, KeepOriginal keep)
{
    std::string error;
    const auto file = BinaryFile::open(session.executable.path, error);
    if (!file)
        return cannotOpen(session, error);
    const PatchPreview plan = previewPatchRun(session, *file, keep);
    return PlannedRun(session, *file, plan).run(LinkedName::Refuse, keep, true, record);
}

PatchOutcome ModifyExe(Session& session, const PatchPreview& confirmed, LinkedName linked, KeepOriginal keep)
{
    std::string error;
    const auto file = BinaryFile::open(session.executable.path, error);
    if (!file)
        return cannotOpen(session, error);
    return PlannedRun(session, *file, confirmed).run(linked, keep, false, nullptr);
}

std::string describeProblems(const PatchOutcome& outcome) { return describeProblems(outcome.problems); }

std::string confirmModifyPrompt(const Session& session, const PatchPreview& preview)
{
    std::string prompt = "Are you sure you want to update " + session.executable.name + " file?\n"
        + originalSentence(session, preview.original);
    if (preview.link.isLink()) {
        prompt += '\n';
        prompt += linkSentence(session, preview.link);
    }
    return prompt;
}

std::string cannotModifyMessage(const Session& session)
{
    return "Cannot process with " + session.executable.name
        + " modifying. Make sure game is not launched or write-protected.\n"
          "If so, check that config file contains all necessary offsets and data.";
}

void rereadExecutable(Session& session)
{
    if (Status detected = detectBuild(session); !detected)
        session.ui.message("Cannot read " + session.executable.name + ".", {}, detected.reason());
}

namespace {

// The executable changed under GOLV: nothing was written, and the user may
// have it read again rather than be asked about a plan for another file.
void offerReread(Session& session)
{
    if (session.ui.confirm(
            executableChangedMessage(session) + " Nothing was written.\nRead " + session.executable.name + " again?",
            kCannotModifyTitle))
        rereadExecutable(session);
}

} // namespace

bool modifyCommand(Session& session)
{
    // The details tell what will change before anything does; what the user
    // confirms is what is written.
    const PatchPreview preview = previewPatchRun(session);
    if (preview.executableChanged) {
        offerReread(session);
        return false;
    }
    const std::string details = preview.problems.empty()
        ? changesByWindow(preview)
        : "The run cannot be made:\n" + describeProblems(preview.problems);
    if (!session.ui.confirm(confirmModifyPrompt(session, preview), kConfirmTitle, details))
        return false;
    const PatchOutcome outcome = ModifyExe(session, preview, LinkedName::Part);
    if (outcome.result == PatchOutcome::Result::ExecutableChanged) {
        offerReread(session);
        return false;
    }
    if (!outcome.patched()) {
        // The first cause in the box itself: the details are one click away, and many never make it.
        const std::string firstCause = outcome.problems.empty()
            ? std::string()
            : "\n\n" + outcome.problems.front().what + ": " + outcome.problems.front().why;
        session.ui.message(cannotModifyMessage(session) + firstCause, kCannotModifyTitle, describeProblems(outcome));
        return false;
    }
    for (const std::string& note : outcome.notes)
        session.ui.message(note);
    return true;
}

Status restoreOriginal(Session& session, LinkedName linked)
{
    const std::string path = originalPath(session);
    auto refuse = [&](std::string why) { return Status::failure(why + " It stays where it is: " + path + "."); };
    std::string error;
    const auto original = BinaryFile::open(path, error);
    if (!original)
        return Status::failure(error);
    std::int64_t size = 0;
    if (Status measured = original->size(size); !measured)
        return measured;
    if (size == 0)
        return refuse(originalName(session) + " is empty.");
    const auto versionHex = readVersionHex(session, *original);
    const auto build = versionHex ? findBuild(session, *versionHex) : std::nullopt;
    if (!build)
        return refuse(originalName(session) + " is of no build that golv.cfg knows.");
    const auto executable = BinaryFile::open(session.executable.path, error);
    if (!executable)
        return refuse("GOLV puts an original back only over the executable it belongs to: " + error);
    if (!originalBelongs(session, writableRanges(build->offsets, build->engineData), *executable, *original, error))
        return refuse(originalName(session) + " is not the original of this " + session.executable.name + ": " + error);
    const platform::LinkFacts link = platform::linkFactsOf(session.executable.path);
    if (link.isLink() && linked == LinkedName::Refuse)
        return Status::failure(linkRefusal(session, link));

    Status status = Status::ok();
    const auto restored = platform::FileReplacement::begin(session.executable.path, status);
    if (!restored)
        return status;
    if (Status copied = original->copyTo({restored.get()}); !copied)
        return copied;
    const auto identity = executable->identity();
    if (!identity)
        return Status::failure("Cannot tell which file " + session.executable.path + " is.");
    restored->expectTarget(*identity);
    if (Status closed = executable->close(); !closed)
        return closed;
    if (Status closed = original->close(); !closed)
        return closed;
    return restored->commit();
}

std::string confirmRestorePrompt(const Session& session)
{
    std::string prompt = "Put back the original " + session.executable.name + " kept as " + originalName(session)
        + "?\n" + "Every change made to " + session.executable.name + " since is lost.";
    if (const platform::LinkFacts link = platform::linkFactsOf(session.executable.path); link.isLink()) {
        prompt += '\n';
        prompt += linkSentence(session, link);
    }
    return prompt;
}

std::string noOriginalMessage(const Session& session)
{
    return "No original of " + session.executable.name + " is kept: " + originalName(session) + " is missing.";
}

bool restoreCommand(Session& session, Asking asking)
{
    if (!platform::exists(originalPath(session))) {
        session.ui.message(noOriginalMessage(session), kCannotRestoreTitle, {});
        return false;
    }
    if (asking == Asking::User && !session.ui.confirm(confirmRestorePrompt(session), kConfirmRestoreTitle, {}))
        return false;
    // Parting a shared name needs the question that says so.
    const LinkedName linked = asking == Asking::User ? LinkedName::Part : LinkedName::Refuse;
    if (Status restored = restoreOriginal(session, linked); !restored) {
        session.ui.message(
            "Cannot restore " + session.executable.name + "; it is as it was.", kCannotRestoreTitle, restored.reason());
        return false;
    }
    return true;
}

} // namespace golv
