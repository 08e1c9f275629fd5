#pragma once

#include "Status.h"

#include <string>
#include <vector>

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

// A language to choose: a language file in the start-up folder, by the name
// it gives itself (its "languagename" line, else its file name).
struct LanguageChoice {
    std::string file;
    std::string name;
};
std::vector<LanguageChoice> languageChoices(const std::string& folder);

// Makes `file` the language (an empty name: the built-in captions): names it
// in golv.cfg, so that the next start keeps it, and applies it now, every
// caption it does not set back to its built-in text. The captions change
// even when golv.cfg cannot be written; the failure says why.
Status chooseLanguage(Session& session, const std::string& file);

} // namespace golv
