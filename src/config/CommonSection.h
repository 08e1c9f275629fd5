#pragma once

#include "Status.h"
#include "config/TextFile.h"
#include "settings/SettingsStore.h"

#include <string>
#include <vector>

namespace golv {

struct Session;

// Reads the common section of ConfigPath and applies it to CurrentCategory:
// GOLV's own keys always, the settings of "all" or of one category keyword.
// A damaged, missing or outdated file is written anew from the default text
// and read again; a failure of that renewed reading is returned to the caller.
Status ReadCommonSection(Session& session);

// One pass over the lines of a configuration, without regeneration. Every line
// takes effect as soon as it is read, so a failure leaves the lines before it
// applied.
Status applyCommonSection(Session& session, LineSource& lines);
inline Status applyCommonSection(Session& session, std::vector<std::string> lines)
{
    LineList list(std::move(lines));
    return applyCommonSection(session, list);
}

// What a parsed line leaves for its reader: its failure, if any, and its
// warnings shown the way a file's hex warnings are, only the first since
// HexErrorShown was last cleared.
Status takeParsedLine(Session& session, ParsedLine parsed);

// The start-up entry: every category at once.
Status LoadCommonConfig(Session& session);

} // namespace golv
