#pragma once

#include "patcher/ModifyExe.h"

#include "Status.h"

#include <cstdint>
#include <string>
#include <vector>

namespace golv {

struct Session;

// A write of a run that changes the executable, with the executable's bytes
// where it writes.
struct PlannedChange {
    PatchWrite write;
    std::vector<std::uint8_t> before;
};

// What a patch run would do to the executable as it is now, worked out on a
// copy in memory: nothing is written.
struct PatchPreview {
    std::vector<std::uint8_t> original; // the executable now
    std::vector<std::uint8_t> patched;  // as the run would leave it
    std::vector<PlannedChange> changes; // the writes that leave changed bytes, in the run's order
    std::vector<PatchProblem> problems; // when there are any, the run writes nothing
};
PatchPreview previewPatchRun(Session& session);

// The changes as an aligned table (position, old bytes, new bytes, setting)
// with a count at the end.
std::vector<std::string> changeTable(const PatchPreview& preview);

// The changes grouped by the window of their setting, for the confirmation's
// details; "Nothing will change." when the run changes no byte.
std::string changesByWindow(const PatchPreview& preview);

// Writes the run as a VCDIFF delta from the executable as it is to the
// executable as the run would leave it, without touching the executable. A
// run that would be refused writes no delta and gives its problems.
Status exportPatch(Session& session, const std::string& path);
std::string describeProblems(const std::vector<PatchProblem>& problems);

inline constexpr std::string_view kExportPatchTitle = "Export GOLV patch";
inline constexpr std::string_view kPatchFilter
    = "VCDIFF patch (*.xdelta *.vcdiff)|*.xdelta;*.vcdiff|All Files (*.*)|*.*";

// "export patch...": asks for a file and writes the delta; says where it went,
// or why it could not be written.
void exportPatchCommand(Session& session);

// Bytes as "A0 46".
std::string hexBytes(const std::vector<std::uint8_t>& bytes);

} // namespace golv
