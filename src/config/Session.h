#pragma once

#include "config/FirstLoads.h"
#include "config/VersionTables.h"
#include "settings/Category.h"
#include "settings/SettingsStore.h"

#include <cstdint>
#include <map>
#include <string>
#include <string_view>

namespace golv {

class UserInteraction;

// What GOLV knows of the executable it works on: found by start-up, and
// when found, whether golv.cfg describes its build. The main window words
// its status line from it; "modify", exporting a patch and reading the
// executable need Identified.
enum class ExecutableState {
    Unread,        // start-up has not looked for it
    Identified,    // read, and of a build a version section describes (FoundLabel)
    NotCompatible, // read, but of no build golv.cfg describes
    Unreadable,    // there, but its detection bytes or golv.cfg's version sections could not be read
    Missing,       // not there, or not a file that opens for reading
    Refused,       // ExeName names a file outside GOLV's folder, which nothing may touch
};

// The executable of the run. Start-up sets its name and path together, once,
// from golv.cfg's ExeName; a later read of golv.cfg ("defaults") leaves them,
// so every question and message names the very file a run writes.
struct Executable {
    std::string name; // ExeName
    std::string path; // ExePath: the folder GOLV works in, then the name; empty when refused
    ExecutableState state = ExecutableState::Unread;
};

// The values of one run of GOLV that outlive a single command. The readers
// fill them, the windows and the patch run read them; nothing here belongs
// to a window.
struct Session {
    explicit Session(UserInteraction& userInteraction) : ui(userInteraction) { }

    UserInteraction& ui;
    SettingsStore settings;
    FirstLoads firstLoads{settings};
    CategoryParsers* parsers = &firstLoads; // where the readers put setting lines; tests may listen instead

    // A run that only reads (a plan, an exported patch) writes no file of
    // the folder: a golv.cfg that a normal start would write anew is read
    // from the built-in text instead (builtInConfig).
    bool writesFiles = true;
    bool builtInConfig = false;

    std::string folder;     // the process's current folder at start-up, UTF-8
    std::string configPath; // golv.cfg in that folder
    Executable executable;

    // GOLV's own keys of the common section, as the last read left them.
    std::string configuredExeName;   // start-up makes the executable of it
    std::int16_t numBytesToRead = 0; // how many detection bytes start at offsets[1]
    std::uint8_t silentPatch = 0;    // 1: patch at start-up, without a window
    std::string languageFile;        // relative to the folder; empty for the built-in captions
    std::string configVersion;       // of the file read last, golv.cfg or a preset: old values are converted by it
    bool hexErrorShown = false;      // a file's hex warning was shown; a preset load clears it

    // The build the executable's detection bytes (VersionHex) picked; its
    // tables are all zero and empty while none was found.
    std::string versionHex;
    bool versionFound = false;
    std::string foundLabel; // FoundLabel: "Found: " and the label of the section that matched last
    OffsetTable offsets;
    EngineData engineData;

    // The captions a language file set, by window and control name (an empty
    // name: the window's title); every other caption keeps its built-in text.
    std::map<std::pair<Window, std::string>, std::string> captions;
};

} // namespace golv
