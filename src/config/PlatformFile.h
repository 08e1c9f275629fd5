#pragma once

#include "Status.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

// What GOLV needs from the operating system that standard C++ does not give
// alike on every system: opening a file only when it is a regular one (never
// waiting on a FIFO or a device), and replacing a file's content so that it
// is either the old or the new one, on disk, whatever happens in between.
//
// Paths in the core are UTF-8 text, whatever the system; only this file knows
// the system's own form of them (UTF-16 on Windows). A path handed to the
// system any other way would lose every character outside the system's
// narrow code page there.
namespace golv::platform {

#ifdef _WIN32
inline constexpr char kFolderSeparator = '\\';
#else
inline constexpr char kFolderSeparator = '/';
#endif

// The system's form of a UTF-8 path. Text that is not UTF-8 (a name from a
// file written in an older Windows code page) is taken as Windows-1252
// there; on other systems the bytes are the name.
std::filesystem::path nativePath(std::string_view path);
// A path as UTF-8 text.
std::string utf8Path(const std::filesystem::path& path);

bool isAbsolutePath(std::string_view path);
// `name` in `folder`, with the system's separator; a name given whole stays
// whole.
std::string joinPath(std::string_view folder, std::string_view name);
// The last part of a path: "golv.cfg.bak" of ".../golv.cfg.bak".
std::string fileNameOf(std::string_view path);

// Whether anything has this name; a link is not followed.
bool exists(std::string_view path);

// Opens a regular file for reading, or for reading and writing; no file is
// created. Null, with a plain reason in `error`, for anything else (a
// folder, a device, a FIFO, a link on Windows, a file another program keeps
// others from).
std::FILE* openRegularFile(std::string_view path, bool forWriting, std::string& error);

// Writes `content` to a new file of a unique name in the target's folder
// (created exclusively, never through a link), flushes it to disk and puts
// it in the target's place. An existing target keeps its permissions; one
// that is not a regular file, or that may not be written, is refused and
// left alone.
Status replaceFile(std::string_view path, std::string_view content);

// Renames `from` to `to` only when nothing has the name `to`; the failure
// names `action` ("Cannot <action> <from>: ...").
Status renameWithoutReplacing(std::string_view from, std::string_view to, std::string_view action);

// A plain reason for a failed file operation on `path`, from an error of the
// C library (errno): "Cannot <action> <path>: <system's reason>."
std::string describeFileError(std::string_view path, std::string_view action, int error);

namespace detail {
// A name beside `path` that no file is likely to have: ".<name>.golv-<random>".
std::string uniqueSiblingName(std::string_view path);
} // namespace detail

} // namespace golv::platform
