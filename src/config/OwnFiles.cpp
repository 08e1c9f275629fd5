#include "config/OwnFiles.h"

#include "config/PlatformFile.h"

#include <algorithm>
#include <filesystem>

namespace golv {
namespace {

// A name of a numbered family: the stem itself or the stem, "." and a number
// ("golv.cfg.bak", "golv.cfg.bak.2"), compared as the system compares names.
bool inFamily(const std::filesystem::path& name, const std::filesystem::path& stem)
{
    std::string text = platform::utf8Path(name);
    if (const auto dot = text.rfind('.'); dot != std::string::npos && dot + 1 < text.size()
        && std::all_of(text.begin() + static_cast<std::ptrdiff_t>(dot) + 1, text.end(),
            [](char c) { return c >= '0' && c <= '9'; }))
        text.resize(dot);
    return platform::detail::sameName(platform::nativePath(text), stem);
}

// Whether `path` is, or would become, a member of the family of `stem`:
// a name of it in its folder, or another name of a member that exists.
bool isFamilyMember(std::string_view path, const std::string& stem)
{
    const std::filesystem::path native = platform::nativePath(path);
    const std::string folder = platform::detail::folderOf(stem);
    const std::filesystem::path stemName = platform::nativePath(platform::fileNameOf(stem));
    if (inFamily(native.filename(), stemName) && platform::sameFile(platform::detail::folderOf(path), folder))
        return true;
    std::error_code unreadable;
    for (const auto& entry : std::filesystem::directory_iterator(platform::nativePath(folder), unreadable)) {
        if (inFamily(entry.path().filename(), stemName) && platform::sameFile(path, platform::utf8Path(entry.path())))
            return true;
    }
    return false;
}

} // namespace

std::string originalPath(const Session& session) { return session.executable.path + ".orig"; }
std::string originalName(const Session& session) { return session.executable.name + ".orig"; }

std::string asideOriginalPath(const Session& session, int number)
{
    return originalPath(session) + "." + std::to_string(number);
}

Status refuseOwnFile(const Session& session, std::string_view path)
{
    auto refuse = [&path](std::string_view role) {
        return Status::failure(
            "Cannot write " + std::string(path) + ": it is " + std::string(role) + ". Choose another name.");
    };
    const struct {
        std::string file;
        std::string_view role;
    } ownFiles[] = {
        {session.executable.path, "the game's executable"},
        {session.configPath, "GOLV's configuration"},
    };
    for (const auto& own : ownFiles) {
        if (!own.file.empty() && platform::sameFile(path, own.file))
            return refuse(own.role);
    }
    // The copies GOLV keeps: a preset saved as one would later be "restored"
    // over the game, or stand for a configuration it never was.
    const struct {
        std::string stem;
        std::string_view role;
    } keptCopies[] = {
        {session.executable.path.empty() ? std::string() : originalPath(session),
            "a kept original of the game's executable"},
        {session.configPath.empty() ? std::string() : session.configPath + ".bak",
            "a kept copy of GOLV's configuration"},
    };
    for (const auto& kept : keptCopies) {
        if (!kept.stem.empty() && isFamilyMember(path, kept.stem))
            return refuse(kept.role);
    }
    return Status::ok();
}

} // namespace golv
