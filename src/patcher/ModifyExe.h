#pragma once

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

// How a run ended, and why when it did not patch.
struct PatchOutcome {
    enum class Result {
        Patched,        // every write made
        NothingWritten, // refused before the first write: the file is as it was
        PartlyWritten,  // the system failed in the middle of the writes
    };
    Result result = Result::Patched;
    std::vector<PatchProblem> problems;
    std::vector<PatchWrite> made; // the writes made before a failure
    bool patched() const { return result == Result::Patched; }
    explicit operator bool() const { return patched(); }
};

// The patch run: plans every write, and only when every one of them can be
// made opens ExePath and makes them, in the fixed order, then closes it.
// When `record` is given, every write made is appended to it.
PatchOutcome ModifyExe(Session& session, std::vector<PatchWrite>* record = nullptr);

// The outcome as lines for the details of a message: each problem, and for a
// run that stopped halfway, the settings already written.
std::string describeProblems(const PatchOutcome& outcome);

inline constexpr std::string_view kConfirmTitle = "Confirm file modifying";
inline constexpr std::string_view kCannotModifyTitle = "Cannot modify file";
std::string confirmModifyPrompt(const Session& session);
std::string cannotModifyMessage(const Session& session);

// The "modify" command: asks for confirmation, runs the patch run on OK and
// reports a failure in the "Cannot modify file" box, with every reason in its
// details. Cancel opens nothing. True when the run was made and succeeded.
bool modifyCommand(Session& session);

} // namespace golv
