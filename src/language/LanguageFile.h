#pragma once

namespace golv {

struct Session;

// The language step at the end of start-up: gives the alignment captions
// their built-in texts, then applies the file named by LanguageFile (a
// relative name against the start-up folder) line by line: each caption key
// sets the captions of every control it names, the alignment keys the
// alignment captions; at the end of the file the alignment list shows the
// captions. A line that cannot be split ends the step, keeping what was
// applied. Nothing is ever reported: a missing or unreadable file changes
// no caption.
void LoadLanguageFile(Session& session);

} // namespace golv
