#pragma once

#include "Status.h"
#include "config/OwnFiles.h"
#include "patcher/PatchWriter.h"

#include <string>
#include <vector>

namespace golv {

struct PatchPreview;
struct Session;

// The plan of a patch run: every write it would make into an executable of
// `fileSize` bytes, in the run's order, and the problems that keep writes
// from being made. Reads the settings; touches no file.
struct PatchPlan {
    std::vector<PatchWrite> writes;
    std::vector<PatchProblem> problems;
};
PatchPlan planPatchRun(Session& session, std::int64_t fileSize);
// The same with other values than the Settings store's.
PatchPlan planPatchRun(Session& session, const SettingValues& values, std::int64_t fileSize);

// How a run ended, and why when it did not patch. A run that does not patch
// leaves the executable exactly as it was.
struct PatchOutcome {
    enum class Result {
        Patched,           // every write made
        NothingWritten,    // refused, or stopped by the system: the file is as it was
        ExecutableChanged, // the executable is no longer what GOLV read: nothing written
    };
    Result result = Result::Patched;
    std::vector<PatchProblem> problems;
    // What the run did besides patching that the user must hear of: an
    // original set aside for a newer one, or none kept.
    std::vector<std::string> notes;
    bool patched() const { return result == Result::Patched; }
    explicit operator bool() const { return patched(); }
};

// Whether a run keeps the executable's unpatched bytes beside it, once.
enum class KeepOriginal { Yes, No };

// Whether a run may part a name from the file it shares with others (a
// symbolic link, a file with more names): only once the user was asked.
enum class LinkedName { Refuse, Part };

// The patch run: opens ExePath once, checks that it is still the build
// detected at start-up, plans every write against it and, only when every
// one can be made, copies that very file to a new one beside it with the
// writes made, and puts the copy in the executable's place once it is wholly
// on disk and while the name still stands for the file that was read. So the
// executable is at every moment wholly the old or wholly the patched file.
// Before the first run on an executable its bytes are kept as
// originalPath() (config/OwnFiles.h); an original that is not this
// executable's own (the game was updated) is set aside under a numbered name
// and the executable's bytes kept in its place. When `record` is given,
// every write made is appended to it.
PatchOutcome ModifyExe(
    Session& session, std::vector<PatchWrite>* record = nullptr, KeepOriginal keep = KeepOriginal::Yes);

// The run of a plan the user confirmed: writes exactly it, and nothing when
// the executable is no longer as the plan found it.
PatchOutcome ModifyExe(
    Session& session, const PatchPreview& confirmed, LinkedName linked, KeepOriginal keep = KeepOriginal::Yes);

// The outcome as lines for the details of a message: each problem.
std::string describeProblems(const PatchOutcome& outcome);

inline constexpr std::string_view kConfirmTitle = "Confirm file modifying";
inline constexpr std::string_view kCannotModifyTitle = "Cannot modify file";
// The question before a run, saying what happens to the kept original and
// to a linked name.
std::string confirmModifyPrompt(const Session& session, const PatchPreview& preview);
std::string cannotModifyMessage(const Session& session);

// The "modify" command: plans the run once, asks for confirmation with what
// will change in the details, and writes that plan on OK; reports a failure
// in the "Cannot modify file" box, with every reason in its details. An
// executable that changed since it was read is not written: the user may
// read it again (detection and status anew). Cancel writes nothing. True
// when the run was made and succeeded.
bool modifyCommand(Session& session);

// Detection anew, as start-up made it, for an executable that changed
// since: its build and its state.
void rereadExecutable(Session& session);

// Puts the kept original back in the executable's place, through the same
// replace as a patch run: the executable is wholly patched or wholly the
// original at every moment. Only an original that belongs to the executable
// is put back: one of a known build, of the executable's size, differing
// from it only where GOLV writes. `linked` as for the patch run.
Status restoreOriginal(Session& session, LinkedName linked = LinkedName::Refuse);

inline constexpr std::string_view kConfirmRestoreTitle = "Confirm file restoring";
inline constexpr std::string_view kCannotRestoreTitle = "Cannot restore file";
std::string confirmRestorePrompt(const Session& session);
std::string noOriginalMessage(const Session& session);

// Who answers before the original is put back: the user in the window;
// nobody on the command line, where a shared name is refused instead.
enum class Asking { User, Nobody };

// "restore original" and --restore: says so when no original is kept, asks
// OK/Cancel before it, and reports a failure with its reason in the details.
// True when the original was put back.
bool restoreCommand(Session& session, Asking asking = Asking::User);

} // namespace golv
