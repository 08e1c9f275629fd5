#pragma once

#include "Status.h"
#include "config/TextFile.h"
#include "settings/Category.h"
#include "settings/SettingsStore.h"

#include <span>
#include <string>
#include <vector>

namespace golv {

struct Session;

// Reads the common section of ConfigPath: GOLV's own keys always, and the
// settings of `categories` in their order (every one, kAllCategories, or a
// customizer window's own). A damaged, missing or outdated file is written
// anew from the default text and read again; a failure of that renewed
// reading is returned to the caller.
Status ReadCommonSection(Session& session, std::span<const Category> categories);
inline Status ReadCommonSection(Session& session, const Category& category)
{
    return ReadCommonSection(session, std::span(&category, 1));
}

// One pass over the lines of a configuration, without regeneration. Every line
// takes effect as soon as it is read, so a failure leaves the lines before it
// applied.
Status applyCommonSection(Session& session, std::span<const Category> categories, LineSource& lines);
inline Status applyCommonSection(Session& session, std::span<const Category> categories, std::vector<std::string> lines)
{
    LineList list(std::move(lines));
    return applyCommonSection(session, categories, list);
}

// What a parsed line leaves for its reader: its failure, if any, and its
// warnings shown the way a file's hex warnings are: only the first until a
// preset load clears Session::hexErrorShown.
Status takeParsedLine(Session& session, ParsedLine parsed);

// The start-up entry, and the main window's "defaults": every category at once.
Status LoadCommonConfig(Session& session);

} // namespace golv
