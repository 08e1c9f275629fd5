#include "config/CommonKey.h"

#include "codec/AsciiCase.h"
#include "config/PlatformFile.h"
#include "config/SplitKeyValue.h"

#include <cerrno>
#include <cstdio>
#include <memory>
#include <optional>
#include <vector>

namespace golv {
namespace {

// The file's lines, each with its own line end (CR LF, LF, CR or none).
struct Line {
    std::string_view text;
    std::string_view end;
};

std::vector<Line> linesOf(std::string_view bytes)
{
    std::vector<Line> lines;
    while (!bytes.empty()) {
        const std::size_t stop = bytes.find_first_of("\r\n");
        if (stop == std::string_view::npos) {
            lines.push_back({bytes, {}});
            break;
        }
        const std::size_t endLength = bytes.substr(stop, 2) == "\r\n" ? 2 : 1;
        lines.push_back({bytes.substr(0, stop), bytes.substr(stop, endLength)});
        bytes.remove_prefix(stop + endLength);
    }
    return lines;
}

bool sectionLine(std::string_view text) { return !text.empty() && text.front() == '['; }

} // namespace

Status setCommonKey(const std::string& configPath, std::string_view key, std::string_view value)
{
    std::string error;
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(platform::openRegularFile(configPath, error), &std::fclose);
    if (!file)
        return Status::failure(error);
    std::string bytes;
    char buffer[1 << 16];
    while (const std::size_t count = std::fread(buffer, 1, sizeof buffer, file.get()))
        bytes.append(buffer, count);
    if (std::ferror(file.get()))
        return Status::failure(platform::describeFileError(configPath, "read", errno));
    // Windows replaces no file that is still open.
    file.reset();

    const std::string lowerKey = toLowerAscii(key);
    const std::vector<Line> lines = linesOf(bytes);
    std::optional<std::size_t> replaced;
    std::optional<std::size_t> after; // the line a new one follows
    bool inCommon = false;
    for (std::size_t i = 0; i < lines.size() && !replaced; ++i) {
        const std::string_view text = lines[i].text;
        if (sectionLine(text)) {
            if (inCommon)
                break;
            inCommon = toLowerAscii(text).starts_with("[common");
            if (inCommon)
                after = i;
            continue;
        }
        if (!inCommon)
            continue;
        if (SplitKeyValue(text).key == lowerKey)
            replaced = i;
        else if (text.starts_with(';') && SplitKeyValue(text.substr(1)).key == lowerKey)
            after = i;
    }
    if (!after && !replaced)
        return Status::failure(configPath + " has no [common] section.");

    const std::string_view newEnd = lines.front().end.empty() ? std::string_view("\r\n") : lines.front().end;
    const std::string line = std::string(key) + "=" + std::string(value);
    std::string written;
    written.reserve(bytes.size() + line.size() + 2);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (replaced == i) {
            written += line;
            written += lines[i].end;
            continue;
        }
        written += lines[i].text;
        written += lines[i].end;
        if (!replaced && after == i) {
            if (lines[i].end.empty())
                written += newEnd;
            written += line;
            written += lines[i].end.empty() ? std::string_view() : lines[i].end;
        }
    }
    return platform::replaceFile(configPath, written);
}

} // namespace golv
