// Writes the language file template, every caption key with its built-in
// text, to standard output with CR LF line ends:
//
//   make-language-template [--doubled] > languages/english.lng
//
// --doubled writes every text twice, a file for looking at long captions.

#include "language/LanguageTemplate.h"

#include <cstdio>
#include <cstring>

int main(int argc, char* argv[])
{
    const bool doubled = argc > 1 && std::strcmp(argv[1], "--doubled") == 0;
    for (const std::string& line : golv::languageTemplateLines(doubled))
        std::printf("%s\r\n", line.c_str());
    return 0;
}
