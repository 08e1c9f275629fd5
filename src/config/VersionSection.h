#pragma once

#include "Status.h"
#include "config/TextFile.h"
#include "config/VersionTables.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace golv {

class BinaryFile;
struct Session;

// The tables one build's version sections give, and the label of the last.
struct BuildTables {
    OffsetTable offsets;
    EngineData engineData;
    bool found = false;
    std::string foundLabel;
};

// The detection bytes as version patterns write them: "00" for a zero byte,
// otherwise upper-case hex without a leading zero, so 0A 00 FF gives "A00FF".
std::string versionHexOf(std::span<const std::uint8_t> bytes);

// One pass over the lines of a configuration, without regeneration: applies
// every section that matches session.versionHex and sets the found flag and
// FoundLabel.
Status applyVersionSections(Session& session, LineSource& lines);
inline Status applyVersionSections(Session& session, std::vector<std::string> lines)
{
    LineList list(std::move(lines));
    return applyVersionSections(session, list);
}

// The same into tables of their own, for sections whose pattern begins with
// `pattern`; messages name `configPath`.
Status applyVersionSections(
    BuildTables& build, std::string_view pattern, const std::string& configPath, LineSource& lines);

// The build-detection bytes of an open executable as VersionHex; no value
// when they cannot be read.
std::optional<std::string> readVersionHex(const Session& session, BinaryFile& file);

// Reads the detection bytes of ExePath and finds its version section
// (LoadConfig), as start-up does; a failure to read them is returned, and
// the executable is then Unreadable.
Status detectBuild(Session& session);

// The tables of the build whose detection bytes give `versionHex`, from the
// configuration the session reads; no value when no section matches it.
std::optional<BuildTables> findBuild(const Session& session, std::string_view versionHex);

// Fills the Offset table and the Engine data table from every version section
// whose pattern begins with VersionHex (a later match overwrites an earlier
// one); the executable is then Identified, or NotCompatible with a message.
// A damaged file is written anew and read again once; a failure of that
// renewed reading goes to the caller, and the executable is Unreadable.
Status LoadConfig(Session& session);

} // namespace golv
