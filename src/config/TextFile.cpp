#include "config/TextFile.h"

#include <cerrno>

namespace golv {
namespace {

constexpr std::size_t kPiece = 1 << 16;

} // namespace

std::optional<std::string> LineList::next()
{
    if (m_next == m_lines.size())
        return std::nullopt;
    return std::move(m_lines[m_next++]);
}

std::unique_ptr<TextFileReader> TextFileReader::open(const std::string& path, std::string& error)
{
    std::FILE* file = platform::openRegularFile(path, error);
    if (file == nullptr)
        return nullptr;
    return std::unique_ptr<TextFileReader>(new TextFileReader(file, path));
}

TextFileReader::~TextFileReader() { std::fclose(m_file); }

bool TextFileReader::fill()
{
    m_buffer.erase(0, m_position);
    m_position = 0;
    const std::size_t kept = m_buffer.size();
    m_buffer.resize(kept + kPiece);
    errno = 0;
    const std::size_t count = std::fread(m_buffer.data() + kept, 1, kPiece, m_file);
    m_buffer.resize(kept + count);
    if (count == 0 && std::ferror(m_file))
        m_error = describeFileError(m_path, "read", errno);
    return count > 0;
}

std::optional<std::string> TextFileReader::next()
{
    if (!m_error.empty())
        return std::nullopt;
    std::size_t scanned = m_position;
    while (true) {
        if (m_skipLineFeed) {
            if (m_position == m_buffer.size() && !fill())
                return std::nullopt;
            if (m_buffer[m_position] == '\n')
                ++m_position;
            m_skipLineFeed = false;
            scanned = m_position;
        }
        const std::size_t end = m_buffer.find_first_of("\r\n", scanned);
        if (end != std::string::npos) {
            std::string line = m_buffer.substr(m_position, end - m_position);
            m_skipLineFeed = m_buffer[end] == '\r';
            m_position = end + 1;
            ++m_lineNumber;
            return line;
        }
        if (m_buffer.size() - m_position > kLongestLine) {
            m_error = "Line " + std::to_string(m_lineNumber + 1) + " of " + m_path + " is too long.";
            return std::nullopt;
        }
        scanned = m_buffer.size();
        const std::size_t before = m_position;
        if (!fill()) {
            if (!m_error.empty() || m_position == m_buffer.size())
                return std::nullopt;
            // The last line has no end.
            std::string line = m_buffer.substr(m_position);
            m_position = m_buffer.size();
            ++m_lineNumber;
            return line;
        }
        scanned -= before; // fill() moved the unread part to the front
    }
}

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

Status writeTextLines(const std::string& path, const std::vector<std::string>& lines)
{
    std::string content;
    for (const std::string& line : lines) {
        content += line;
        content += "\r\n";
    }
    return platform::replaceFile(path, content);
}

} // namespace golv
