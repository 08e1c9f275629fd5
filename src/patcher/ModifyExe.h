#pragma once

#include "Status.h"
#include "config/OwnFiles.h"
#include "patcher/PatchWriter.h"

#include <string>
#include <vector>

namespace golv {

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
        Patched,        // every write made
        NothingWritten, // refused, or stopped by the system: the file is as it was
    };
    Result result = Result::Patched;
    std::vector<PatchProblem> problems;
    bool patched() const { return result == Result::Patched; }
    explicit operator bool() const { return patched(); }
};

// Whether a run keeps the executable's unpatched bytes beside it, once.
enum class KeepOriginal { Yes, No };

// The patch run: plans every write, and only when every one of them can be
// made copies ExePath to a new file beside it, makes the writes in the copy,
// in the fixed order, and puts the copy in the executable's place once it is
// wholly on disk. So the executable is at every moment wholly the old or
// wholly the patched file. Before the first run on an executable its bytes
// are kept as originalPath() (config/OwnFiles.h), never overwritten later. When `record` is
// given, every write made is appended to it.
PatchOutcome ModifyExe(
    Session& session, std::vector<PatchWrite>* record = nullptr, KeepOriginal keep = KeepOriginal::Yes);

// The outcome as lines for the details of a message: each problem.
std::string describeProblems(const PatchOutcome& outcome);

inline constexpr std::string_view kConfirmTitle = "Confirm file modifying";
inline constexpr std::string_view kCannotModifyTitle = "Cannot modify file";
std::string confirmModifyPrompt(const Session& session);
std::string cannotModifyMessage(const Session& session);

// The "modify" command: asks for confirmation, runs the patch run on OK and
// reports a failure in the "Cannot modify file" box, with every reason in its
// details. Cancel opens nothing. True when the run was made and succeeded.
bool modifyCommand(Session& session);

// Puts the kept original back in the executable's place, through the same
// replace as a patch run: the executable is wholly patched or wholly the
// original at every moment.
Status restoreOriginal(Session& session);

inline constexpr std::string_view kConfirmRestoreTitle = "Confirm file restoring";
inline constexpr std::string_view kCannotRestoreTitle = "Cannot restore file";
std::string confirmRestorePrompt(const Session& session);
std::string noOriginalMessage(const Session& session);

// The "restore original" command: says so when no original is kept, asks
// OK/Cancel before it, and reports a failure with its reason in the details.
// True when the original was put back.
bool restoreCommand(Session& session);

} // namespace golv
