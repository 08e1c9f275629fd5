#pragma once

#include <string>
#include <vector>

namespace golv {

// The lines of a language file that sets every caption to its built-in text,
// key by key in the order of the caption table, each window's keys after a
// comment that names the window: the file translators start from
// (languages/english.lng). `doubled` writes every text twice, for looking at
// windows with long captions.
std::vector<std::string> languageTemplateLines(bool doubled = false);

} // namespace golv
