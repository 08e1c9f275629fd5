#pragma once

#include "Status.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace golv {

// The default configuration exactly as src/config/golv.cfg holds it; the file
// is embedded at build time, so it stays the single source of every default.
std::string_view defaultConfigSource();

// Its lines, without line ends.
std::vector<std::string> defaultConfigLines();

class LineSource;
class UserInteraction;
struct Session;

// Writes the default text over the configuration file with CR LF line ends,
// followed by one more CR LF, so the file ends with an empty line.
Status RecreateConfig(const std::string& configPath);

// Regeneration as the readers make it: the file in place is first copied
// aside to the first free name of golv.cfg.bak, golv.cfg.bak.2, ... (a
// user's own version sections live there too); then `message` is shown, with
// a line that names the copy; then the default text replaces the file. When
// the file cannot be kept, it is not replaced either.
Status regenerateConfig(const std::string& configPath, UserInteraction& ui, std::string_view message);

// What a reader does where the configuration has to be written anew: `found`
// is what it found ("Old config file detected."). A session that writes
// files regenerates the file and says so; one that only reads takes the
// built-in text for the rest of the run and says that a normal start would
// write the file anew.
Status renewConfig(Session& session, std::string_view found, std::string_view where = {});

// The lines of the configuration a session reads: golv.cfg, or the built-in
// text in its place.
std::unique_ptr<LineSource> openConfiguration(const Session& session, std::string& error);

} // namespace golv
