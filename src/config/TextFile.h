#pragma once

#include "Status.h"
#include "config/PlatformFile.h"

#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace golv {

using platform::describeFileError;

// Lines one at a time, as the readers apply them: from a file as it is read,
// or from a list in memory. A line ends at CR LF, LF or a lone CR; a last line
// without an end still counts, and an end at the very end adds no empty line.
class LineSource {
public:
    virtual ~LineSource() = default;
    // The next line; no value at the end, or when reading failed (error()).
    virtual std::optional<std::string> next() = 0;
    // Why reading stopped before the end; empty when it did not.
    virtual const std::string& error() const = 0;
};

// The lines of a text held in memory.
class LineList final : public LineSource {
public:
    explicit LineList(std::vector<std::string> lines) : m_lines(std::move(lines)) { }
    std::optional<std::string> next() override;
    const std::string& error() const override { return m_error; }

private:
    std::vector<std::string> m_lines;
    std::size_t m_next = 0;
    std::string m_error;
};

// The lines of a text file, read in pieces: a file of any length takes
// little memory. Only regular files are opened.
class TextFileReader final : public LineSource {
public:
    // A line longer than this is no line of any file GOLV reads; reading
    // stops there with an error instead of holding it whole.
    static constexpr std::size_t kLongestLine = 1 << 20;

    // No value, and a reason in `error`, when the file cannot be opened.
    static std::unique_ptr<TextFileReader> open(const std::string& path, std::string& error);
    ~TextFileReader() override;
    TextFileReader(const TextFileReader&) = delete;
    TextFileReader& operator=(const TextFileReader&) = delete;

    std::optional<std::string> next() override;
    const std::string& error() const override { return m_error; }

private:
    TextFileReader(std::FILE* file, std::string path) : m_file(file), m_path(std::move(path)) { }
    // Another piece of the file into the buffer; false at the end or on an error.
    bool fill();

    std::FILE* m_file;
    std::string m_path;
    std::string m_buffer;
    std::size_t m_position = 0;
    bool m_skipLineFeed = false; // a CR ended the last line; an LF right after it belongs to it
    std::size_t m_lineNumber = 0;
    std::string m_error;
};

// The lines of a text in memory.
std::vector<std::string> splitTextLines(std::string_view text);

// Replaces a file with lines, each ended by CR LF, through a new file that
// takes its place only once every byte is on disk (platform::replaceFile).
Status writeTextLines(const std::string& path, const std::vector<std::string>& lines);

} // namespace golv
