#include "language/LanguageFile.h"

#include "codec/TextEncoding.h"
#include "config/PlatformFile.h"
#include "config/Session.h"
#include "config/SplitKeyValue.h"
#include "config/TextFile.h"
#include "language/CaptionTable.h"

#include <array>
#include <cstdio>
#include <memory>
#include <optional>

namespace golv {
namespace {

// A language file holds a few hundred short lines; anything far larger is
// no language file, and is not read whole into memory.
constexpr std::size_t kLargestFile = 4 << 20;

std::optional<std::string> readLanguageFile(const std::string& path)
{
    std::string ignored;
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(platform::openRegularFile(path, ignored), &std::fclose);
    if (!file)
        return std::nullopt;
    std::string bytes;
    char buffer[1 << 16];
    while (const std::size_t count = std::fread(buffer, 1, sizeof buffer, file.get())) {
        bytes.append(buffer, count);
        if (bytes.size() > kLargestFile)
            return std::nullopt;
    }
    if (std::ferror(file.get()))
        return std::nullopt;
    return bytes;
}

} // namespace

void LoadLanguageFile(Session& session)
{
    std::array<std::string, 3> alignment;
    for (std::size_t i = 0; i < alignment.size(); ++i)
        alignment[i] = std::string(kBuiltInAlignmentCaptions[i]);
    session.settings.setAlignmentCaptions(alignment);

    if (session.languageFile.empty())
        return;
    const auto bytes = readLanguageFile(platform::joinPath(session.folder, session.languageFile));
    if (!bytes)
        return;

    for (const std::string& line : splitTextLines(decodeText(*bytes))) {
        const KeyValueLine split = SplitKeyValue(line);
        if (split.kind == KeyValueLine::Kind::MissingEquals)
            return; // a read error: the list keeps its own entries
        if (split.kind == KeyValueLine::Kind::Skipped)
            continue;
        for (std::size_t i = 0; i < kAlignmentKeys.size(); ++i) {
            if (split.key == kAlignmentKeys[i])
                alignment[i] = split.value;
        }
        for (const CaptionEntry& entry : kCaptions) {
            if (entry.key == split.key)
                session.captions.insert_or_assign({entry.window, std::string(entry.control)}, split.value);
        }
        session.settings.setAlignmentCaptions(alignment);
    }
    session.settings.showAlignmentCaptions();
}

} // namespace golv
