#pragma once

#include "patcher/ModifyExe.h"

#include "Status.h"
#include "config/PlatformFile.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace golv {

class BinaryFile;
struct Session;

// Bytes of the executable from a 1-based position on.
struct ByteRun {
    std::int64_t position = 0;
    std::vector<std::uint8_t> bytes;
    bool operator==(const ByteRun&) const = default;
};

// The bytes of a file at some positions, as read once, in order and apart:
// a run's reads take what it compares, never the whole file.
class SparseImage {
public:
    SparseImage() = default;
    // Reads the bytes of every range [position, position + length) of the
    // file; ranges that touch or overlap are read as one.
    static Status read(BinaryFile& file, std::vector<std::pair<std::int64_t, std::size_t>> ranges, SparseImage& image);

    // The bytes from `position` on, inside what was read.
    std::span<const std::uint8_t> at(std::int64_t position, std::size_t count) const;
    std::span<std::uint8_t> at(std::int64_t position, std::size_t count);
    const std::vector<ByteRun>& runs() const { return m_runs; }
    bool operator==(const SparseImage&) const = default;

private:
    std::vector<ByteRun> m_runs; // sorted, apart
};

// A write of a run that changes the executable, with the bytes it replaces.
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
    SparseImage found;                  // the executable's bytes wherever a write falls
    std::vector<PlannedChange> changes; // the writes that change bytes, in the run's order
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
