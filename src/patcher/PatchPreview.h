#pragma once

#include "patcher/ModifyExe.h"

#include "Status.h"
#include "config/PlatformFile.h"
#include "patcher/ExecutableBytes.h"

#include <cstdint>
#include <string>
#include <vector>

namespace golv {

class BinaryFile;
struct Session;

// A write of a run that changes the executable, with the executable's bytes
// where it writes.
struct PlannedChange {
    PatchWrite write;
    std::vector<std::uint8_t> before;
};

// What a run would do with the kept original of the executable.
struct KeptOriginal {
    enum class State {
        Missing,    // none is kept yet: the run keeps the executable's bytes
        Belongs,    // it is the executable's own, and stays
        Foreign,    // it is not (the game was updated or replaced): it is set aside, the executable's bytes kept
        Unusable,   // something that is no file has its name: nothing can be kept
        Unreadable, // it cannot be read: the run is not made
    };
    State state = State::Missing;
    std::string why;       // Foreign, Unusable, Unreadable: the reason, as a sentence
    std::string asidePath; // Foreign: the free name the old original moves to
};

// What a patch run would do to the executable as one reading of it found
// it: the plan, and the bytes it replaces. Nothing is written. The run that
// follows a confirmation writes this plan, and nothing at all when the
// executable is no longer as this reading found it.
struct PatchPreview {
    std::int64_t size = 0;
    std::string versionHex;             // the detection bytes as this reading found them
    std::vector<PatchWrite> writes;     // every write of the run, in its order
    ExecutableBytes found;              // the executable's bytes wherever a write of the build can fall
    std::vector<PlannedChange> changes; // the writes that leave changed bytes, in the run's order
    std::vector<PatchProblem> problems; // when there are any, the run writes nothing
    bool executableChanged = false;     // the executable is no longer the build GOLV read at start-up
    KeptOriginal original;
    platform::LinkFacts link;
};
PatchPreview previewPatchRun(Session& session, KeepOriginal keep = KeepOriginal::Yes);
// The same through a file that is open already: the run reads, checks and
// copies one handle.
PatchPreview previewPatchRun(Session& session, BinaryFile& file, KeepOriginal keep = KeepOriginal::Yes);

// What stands at the kept original's name, to the executable open in `file`.
KeptOriginal keptOriginal(const Session& session, BinaryFile& file);

// Whether a kept original belongs to the executable: it is of one size with
// it, and differs from it only inside `writable` (writableRanges of its
// build). `why` says what keeps it from belonging.
bool originalBelongs(const Session& session, const std::vector<ByteRange>& writable, BinaryFile& executable,
    BinaryFile& original, std::string& why);

// The changes as an aligned table (position, old bytes, new bytes, setting)
// with a count at the end.
std::vector<std::string> changeTable(const PatchPreview& preview);

// The changes grouped by the window of their setting, for the confirmation's
// details; "Nothing will change." when the run changes no byte.
std::string changesByWindow(const PatchPreview& preview);

// Writes the run as a VCDIFF delta from the executable as it is to the
// executable as the run would leave it, without touching the executable and
// a piece at a time. A run that would be refused writes no delta and gives
// its problems.
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

// The sentence for an executable that is no longer as GOLV read it.
std::string executableChangedMessage(const Session& session);

} // namespace golv
