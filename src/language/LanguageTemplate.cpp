#include "language/LanguageTemplate.h"

#include "language/CaptionTable.h"

#include <algorithm>
#include <array>
#include <set>

namespace golv {
namespace {

// The window a key's captions belong to; none for a key of several windows.
std::optional<Window> windowOf(std::string_view key)
{
    std::optional<Window> window;
    for (const CaptionEntry& entry : kCaptions) {
        if (entry.key != key)
            continue;
        if (window && *window != entry.window)
            return std::nullopt;
        window = entry.window;
    }
    return window;
}

std::string text(std::string_view caption, bool doubled)
{
    std::string written(caption);
    if (doubled && !written.empty())
        written += " " + written;
    return written;
}

} // namespace

std::vector<std::string> languageTemplateLines(bool doubled)
{
    std::vector<std::string> lines = {
        "; GOLV language file: one line a caption, key=text.",
        "; Name this file in golv.cfg (LanguageFile=...). Save it as UTF-8; UTF-16 with a",
        "; byte-order mark and Windows-1252 are read too. A line starting with ; is a comment.",
        "",
        "; the fonts window's alignment list",
    };
    for (std::size_t i = 0; i < kAlignmentKeys.size(); ++i)
        lines.push_back(std::string(kAlignmentKeys[i]) + "=" + text(kBuiltInAlignmentCaptions[i], doubled));

    std::set<std::string_view> written;
    std::optional<std::optional<Window>> group;
    for (const CaptionEntry& entry : kCaptions) {
        if (!written.insert(entry.key).second)
            continue;
        const std::optional<Window> window = windowOf(entry.key);
        if (!group || *group != window) {
            group = window;
            lines.emplace_back();
            lines.push_back(window
                    ? "; " + std::string(windowDescription(*window)) + " (" + std::string(windowName(*window)) + ")"
                    : std::string("; captions of several windows"));
        }
        lines.push_back(std::string(entry.key) + "=" + text(entry.builtIn, doubled));
    }
    return lines;
}

} // namespace golv
