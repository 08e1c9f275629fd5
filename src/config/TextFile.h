#pragma once

#include "Status.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace golv {

// The lines of a text, accepting CR LF, LF or a lone CR as line ends. A last
// line without an end still counts; an end at the very end adds no empty line.
std::vector<std::string> splitTextLines(std::string_view text);

struct TextFileLines {
    std::vector<std::string> lines;
    std::string error; // why the file could not be read; empty on success
};

// Reads a whole text file. Files are read in one piece: the readers apply
// line after line, and nothing else touches the file meanwhile.
TextFileLines readTextLines(const std::filesystem::path& path);

// Writes lines with CR LF after each one, truncating an existing file.
Status writeTextLines(const std::filesystem::path& path, const std::vector<std::string>& lines);

// Writes through a temporary file in the same folder that replaces the target
// only once every byte is on disk, so a failed save leaves the old file whole.
Status writeFileAtomically(const std::filesystem::path& path, std::string_view content);

// A plain reason for a failed file operation on `path`, for messages.
std::string describeFileError(const std::filesystem::path& path, std::string_view action, int error);

} // namespace golv
