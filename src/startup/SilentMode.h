#pragma once

namespace golv {

struct Session;

enum class SilentOutcome {
    NotSilent, // SilentPatch is not 1, or the executable was not found: the main window shows
    Patched,   // the executable was patched with the configured defaults; the program ends well
    Ended,     // silent mode ended the program and wrote nothing
};

// The silent-mode step of start-up, after the build detection. With
// SilentPatch 1 and the executable read, it patches with the settings as the
// configuration left them, without asking; an ExeName outside the folder
// ends it without a window. An executable that was read but
// not identified, or a start-up that failed, ends after the message already
// shown rather than patch with an unusable Offset table; a failed run shows
// start-up's failure message once, with every reason in its details, and ends.
SilentOutcome runSilentPatch(Session& session);

} // namespace golv
