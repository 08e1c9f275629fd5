#include "config/TextFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <system_error>

namespace golv {
namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePointer = std::unique_ptr<std::FILE, FileCloser>;

FilePointer openFile(const std::filesystem::path& path, const char* mode)
{
    return FilePointer(std::fopen(path.c_str(), mode));
}

// Writes everything and closes; fclose is where a full disk often shows.
Status writeAndClose(FilePointer file, const std::filesystem::path& path, std::string_view content)
{
    errno = 0;
    const bool written
        = std::fwrite(content.data(), 1, content.size(), file.get()) == content.size() && std::fflush(file.get()) == 0;
    const int writeError = errno;
    const bool closed = std::fclose(file.release()) == 0;
    if (!written || !closed)
        return Status::failure(describeFileError(path, "write", writeError != 0 ? writeError : errno));
    return Status::ok();
}

} // namespace

std::vector<std::string> splitTextLines(std::string_view text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n')
            continue;
        lines.emplace_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.emplace_back(text.substr(start));
    return lines;
}

TextFileLines readTextLines(const std::filesystem::path& path)
{
    errno = 0;
    FilePointer file = openFile(path, "rb");
    if (!file)
        return {{}, describeFileError(path, "open", errno)};
    std::string content;
    char buffer[1 << 16];
    std::size_t count = 0;
    while ((count = std::fread(buffer, 1, sizeof buffer, file.get())) > 0)
        content.append(buffer, count);
    if (std::ferror(file.get()))
        return {{}, describeFileError(path, "read", errno)};
    return {splitTextLines(content), {}};
}

Status writeTextLines(const std::filesystem::path& path, const std::vector<std::string>& lines)
{
    std::string content;
    for (const std::string& line : lines) {
        content += line;
        content += "\r\n";
    }
    errno = 0;
    FilePointer file = openFile(path, "wb");
    if (!file)
        return Status::failure(describeFileError(path, "create", errno));
    return writeAndClose(std::move(file), path, content);
}

Status writeFileAtomically(const std::filesystem::path& path, std::string_view content)
{
    std::filesystem::path temporary = path;
    temporary += ".golv-tmp";
    errno = 0;
    FilePointer file = openFile(temporary, "wb");
    if (!file)
        return Status::failure(describeFileError(temporary, "create", errno));
    if (Status written = writeAndClose(std::move(file), temporary, content); !written) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        return written;
    }
    std::error_code renamed;
    std::filesystem::rename(temporary, path, renamed);
    if (renamed) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        return Status::failure(describeFileError(path, "replace", renamed.value()));
    }
    return Status::ok();
}

std::string describeFileError(const std::filesystem::path& path, std::string_view action, int error)
{
    std::string text = "Cannot " + std::string(action) + " " + path.string();
    if (error != 0)
        text += ": " + std::string(std::strerror(error));
    return text + ".";
}

} // namespace golv
