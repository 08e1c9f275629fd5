#pragma once

#include "config/ByteSource.h"
#include "patcher/ExecutableBytes.h"
#include "patcher/PatchWriter.h"
#include "settings/SettingDef.h"

#include <cstdint>
#include <vector>

namespace golv {

struct Session;

// A setting whose bytes no value its window accepts would write: where its
// write stands and what the executable holds there.
struct UndeterminedSetting {
    SettingId setting = 0;
    std::int64_t position = 0;
    std::vector<std::uint8_t> found;
    bool operator==(const UndeterminedSetting&) const = default;
};

// What an executable holds, setting by setting.
struct SettingsReading {
    // Every setting: the value the executable holds, or the value it had
    // when the bytes do not tell (a value inside code that is switched off)
    // or tell nothing a window accepts (then it is undetermined).
    SettingValues values;
    // By SettingId: whether the value was read from the executable's bytes.
    std::vector<bool> read;
    std::vector<UndeterminedSetting> undetermined;
    // Why the run with the values read cannot be planned (a position the
    // build lacks, damaged engine data, a kept value its field refuses).
    std::vector<PatchProblem> problems;
};

// Reads every setting of the matched build from an executable's bytes. Each
// value is one that its window accepts; settings whose writes depend on one
// another (a switch and the values written into the code it switches on) are
// read together, and a state that writes nothing (a greyed box, no list
// entry) is a reading like any other. Every reading is proved by planning
// it: the run with the values read leaves every byte it writes as the
// executable holds it, but the bytes of the undetermined settings, which keep
// their `start` values and are listed, never guessed.
SettingsReading readSettings(Session& session, const ExecutableBytes& executable, const SettingValues& start);

// The same from the bytes of an executable, starting from the Settings
// store's values; only the bytes a patch run can write are read.
SettingsReading readSettings(Session& session, ByteSource& executable);

} // namespace golv
