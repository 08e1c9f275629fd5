#pragma once

#include "Status.h"
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

// What the main window shows of start-up: its status line and whether
// "modify" may be pressed.
struct MainWindowStatus {
    std::string statusLabel; // Form1.Label6
    bool modifyEnabled = true;
};

// The program-wide values of one run of GOLV. Everything here lives as long as
// the program; the readers fill it and the windows and the patch run read it.
struct Session {
    explicit Session(UserInteraction& userInteraction) : ui(userInteraction) { }

    UserInteraction& ui;
    SettingsStore settings; // the Settings store
    FirstLoads firstLoads{settings};
    CategoryParsers* parsers = &firstLoads; // where the readers put setting lines; tests may listen instead

    // A run that only reads (a plan, an exported patch) writes no file of
    // the folder: a golv.cfg that a normal start would write anew is read
    // from the built-in text instead (builtInConfig).
    bool writesFiles = true;
    bool builtInConfig = false;

    std::string folder;              // the process's current folder at start-up, UTF-8
    std::string configPath;          // ConfigPath
    std::string exeName;             // ExeName
    std::string exePath;             // ExePath
    std::int16_t numBytesToRead = 0; // NumBytesToRead
    std::uint8_t silentPatch = 0;    // SilentPatch
    std::string languageFile;        // LanguageFile
    std::string configVersion;       // ConfigVersion: the version of the file read last
    bool hexErrorShown = false;      // HexErrorShown: a file's hex warning shown; a preset load clears it

    std::string versionHex;    // VersionHex
    bool exeRead = false;      // the executable-read flag
    bool exeRefused = false;   // ExeName named a file outside the folder: nothing may touch it
    bool versionFound = false; // the version-found flag
    std::string foundLabel;    // FoundLabel
    OffsetTable offsets;
    EngineData engineData;

    MainWindowStatus window;

    // The captions a language file set, by window and control name (an empty
    // name: the window's title); every other caption keeps its built-in text.
    std::map<std::pair<Window, std::string>, std::string> captions;
};

} // namespace golv
