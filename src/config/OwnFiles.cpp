#include "config/OwnFiles.h"

#include "config/PlatformFile.h"

namespace golv {

std::string originalPath(const Session& session) { return session.exePath + ".orig"; }
std::string originalName(const Session& session) { return session.exeName + ".orig"; }

Status refuseOwnFile(const Session& session, std::string_view path)
{
    const struct {
        std::string file;
        std::string_view role;
    } ownFiles[] = {
        {session.exePath, "the game's executable"},
        {session.exePath.empty() ? std::string() : originalPath(session), "the kept original of the game's executable"},
        {session.configPath, "GOLV's configuration"},
    };
    for (const auto& own : ownFiles) {
        if (!own.file.empty() && platform::sameFile(path, own.file))
            return Status::failure(
                "Cannot write " + std::string(path) + ": it is " + std::string(own.role) + ". Choose another name.");
    }
    return Status::ok();
}

} // namespace golv
