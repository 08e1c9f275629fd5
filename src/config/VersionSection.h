#pragma once

#include "Status.h"
#include "config/TextFile.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace golv {

struct Session;

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

// Fills the Offset table and the Engine data table from every version section
// whose pattern begins with VersionHex (a later match overwrites an earlier
// one), then sets the main window's status. A damaged file is written anew and
// read again once; a failure of that renewed reading goes to the caller.
Status LoadConfig(Session& session);

} // namespace golv
