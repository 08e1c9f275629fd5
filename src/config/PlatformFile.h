#pragma once

#include "Status.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

// What GOLV needs from the operating system that standard C++ does not give:
// opening a file only when it is a regular one (never waiting on a FIFO or a
// device), and replacing a file's content so that it is either the old or the
// new one, on disk, whatever happens in between. POSIX calls, kept here alone.
namespace golv::platform {

// Opens a regular file for reading, or for reading and writing; no file is
// created. Null, with a plain reason in `error`, for anything else.
std::FILE* openRegularFile(const std::filesystem::path& path, bool forWriting, std::string& error);

// Writes `content` to a new file of a unique name in the target's folder
// (created exclusively, never through a link), flushes it to disk and renames
// it over the target. An existing target keeps its permissions; one that is
// not a regular file, or that may not be written, is refused and left alone.
Status replaceFile(const std::filesystem::path& path, std::string_view content);

// A plain reason for a failed file operation on `path`: "Cannot <action>
// <path>: <system's reason>."
std::string describeFileError(const std::filesystem::path& path, std::string_view action, int error);

} // namespace golv::platform
