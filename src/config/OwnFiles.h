#pragma once

#include "Status.h"
#include "config/Session.h"

#include <string>
#include <string_view>

// The files a session works on. Nothing GOLV saves at a name the user
// chooses (a preset, an exported patch) may take their place: a preset
// saved as the kept original would later be "restored" over the game.
namespace golv {

// The kept original: the executable's own name with ".orig" added.
std::string originalPath(const Session& session);
std::string originalName(const Session& session);
// An original set aside for a newer one: ".orig.1", ".orig.2", ...
std::string asideOriginalPath(const Session& session, int number);

// A failure naming what `path` is when it is the executable, the
// configuration, a kept original (".orig", ".orig.1", ...) or a kept copy of
// the configuration (".bak", ".bak.2", ...), under any name the system gives
// the same file; success for every other path.
Status refuseOwnFile(const Session& session, std::string_view path);

} // namespace golv
