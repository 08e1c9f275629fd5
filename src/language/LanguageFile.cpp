#include "language/LanguageFile.h"

#include "codec/AsciiCase.h"
#include "codec/TextEncoding.h"
#include "config/CommonKey.h"
#include "config/PlatformFile.h"
#include "config/Session.h"
#include "config/SplitKeyValue.h"
#include "config/TextFile.h"
#include "language/CaptionTable.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>

namespace golv {
namespace {

constexpr std::string_view kLanguageNameKey = "languagename";

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

std::vector<LanguageChoice> languageChoices(const std::string& folder)
{
    std::vector<LanguageChoice> choices;
    std::error_code error;
    // The folder's name is UTF-8 text; a path made from it as it stands would
    // read it in the system's code page on Windows.
    std::filesystem::directory_iterator entries(
        std::filesystem::path(std::u8string(folder.begin(), folder.end())), error);
    for (; !error && entries != std::filesystem::directory_iterator(); entries.increment(error)) {
        const std::u8string wide = entries->path().filename().u8string();
        const std::string file(wide.begin(), wide.end());
        if (file.size() <= 4 || toLowerAscii(file.substr(file.size() - 4)) != ".lng")
            continue;
        LanguageChoice choice{file, file.substr(0, file.size() - 4)};
        if (const auto bytes = readLanguageFile(platform::joinPath(folder, file))) {
            for (const std::string& line : splitTextLines(decodeText(*bytes))) {
                const KeyValueLine split = SplitKeyValue(line);
                if (split.kind == KeyValueLine::Kind::Pair && split.key == kLanguageNameKey && !split.value.empty())
                    choice.name = split.value;
            }
        }
        choices.push_back(std::move(choice));
    }
    std::sort(choices.begin(), choices.end(),
        [](const LanguageChoice& a, const LanguageChoice& b) { return a.name < b.name; });
    return choices;
}

Status chooseLanguage(Session& session, const std::string& file)
{
    const Status kept = setCommonKey(session.configPath, "LanguageFile", file);
    session.languageFile = file;
    session.captions.clear();
    session.settings.showOwnAlignmentEntries();
    LoadLanguageFile(session);
    return kept;
}

} // namespace golv
