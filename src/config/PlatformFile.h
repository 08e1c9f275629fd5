#pragma once

#include "Status.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
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
// Whether a name stays inside the folder it is joined to: a file name, or a
// relative path without "..". Either separator counts, and a drive letter
// makes a name leave the folder, on every system: a configuration written on
// one system is read on another.
bool isNameInsideFolder(std::string_view name);
// `name` in `folder`, with the system's separator; a name given whole stays
// whole.
std::string joinPath(std::string_view folder, std::string_view name);
// The last part of a path: "golv.cfg.bak" of ".../golv.cfg.bak".
std::string fileNameOf(std::string_view path);

// Whether anything has this name; a link is not followed.
bool exists(std::string_view path);

// Whether two paths name one file: the same file under two names (a link,
// another case on Windows), or one name that nothing has yet, written two
// ways ("a/../b", another case on Windows).
bool sameFile(std::string_view first, std::string_view second);

// A file itself, whatever name reaches it: the device (or volume) it lies on
// and its number there. Two names with one identity are one file; a name
// whose identity changed now stands for another file.
struct FileIdentity {
    std::uint64_t device = 0;
    std::uint64_t number = 0;
    bool operator==(const FileIdentity&) const = default;
};
// The file an open stream reads; no value when the system cannot tell.
std::optional<FileIdentity> identityOf(std::FILE* file);
// The file a name stands for now, a link followed; no value when none does.
std::optional<FileIdentity> identityOf(std::string_view path);

// How a name reaches its file. Replacing the file by a new one under the
// name parts the name from the others: a symbolic link becomes a file of its
// own, and the other names of a hard-linked file keep the old one.
struct LinkFacts {
    std::string linksTo;     // the target of a symbolic link as written in it; empty for no link
    std::uint32_t names = 1; // how many names (hard links) the file has
    bool isLink() const { return !linksTo.empty() || names > 1; }
};
LinkFacts linkFactsOf(std::string_view path);

// Removes from `folder` what replacements of a killed run left behind: files
// named as FileReplacement names its new files, that no running replacement
// holds. Anything else, and what cannot be removed, is left alone.
void removeLeftoverReplacements(std::string_view folder);

// Opens a regular file for reading; no file is created. Null, with a plain reason in `error`, for anything else (a
// folder, a device, a FIFO, a link on Windows, a file another program keeps
// others from).
std::FILE* openRegularFile(std::string_view path, std::string& error);

// A file's new content, written into a file of a unique name in the
// target's folder (created exclusively, never through a link) that takes the
// target's place only on commit(), once every byte is on disk. Until then the
// target is untouched; a replacement given up, by a failure or by being
// destroyed uncommitted, leaves nothing behind. So at every moment the
// target is wholly the old or wholly the new file.
class FileReplacement {
public:
    // Whether commit() may take the place of a file that has the name by
    // then; a copy that must never be overwritten uses Keep.
    enum class Existing { Replace, Keep };

    // Null, with the reason in `status`, when the target is not a regular
    // file, may not be written, or no file can be made beside it. An
    // existing target's permissions, owner and group pass to the new file;
    // a new one takes those of `likeFile` when it is given (a copy of the
    // executable is owned as the executable is).
    static std::unique_ptr<FileReplacement> begin(
        std::string_view target, Status& status, Existing existing = Existing::Replace, std::string_view likeFile = {});
    ~FileReplacement();
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    // Adds bytes at the end of what was written so far.
    Status append(std::string_view bytes);
    // Overwrites bytes from `offset` (0 is the first byte) on.
    Status writeAt(std::uint64_t offset, std::string_view bytes);
    // From now on commit() puts the new file in the target's place only
    // while the name still stands for this file, checked once the new file
    // is on disk, just before it takes the name.
    void expectTarget(const FileIdentity& identity) { m_expected = identity; }
    // Flushes the new file to disk and puts it in the target's place. On
    // failure the target is as it was.
    Status commit();
    // Whether commit() failed because the name had come to stand for
    // another file than the expected one.
    bool targetChanged() const { return m_targetChanged; }

private:
    FileReplacement(std::string target, std::string temporary, Existing existing, std::intptr_t handle);
    Status fail(std::string reason);

    std::string m_target;
    std::string m_temporary;
    Existing m_existing;
    std::intptr_t m_handle; // the system's handle of the new file: a descriptor, or a Windows HANDLE
    std::optional<FileIdentity> m_expected;
    bool m_targetChanged = false;
#ifdef _WIN32
    std::uint32_t m_attributes = 0; // the target's attributes, given back after the replace
#endif
};

// The whole content at once: a FileReplacement appended and committed.
Status replaceFile(std::string_view path, std::string_view content);

// Renames `from` to `to` only when nothing has the name `to`; the failure
// names `action` ("Cannot <action> <from>: ...").
Status renameWithoutReplacing(std::string_view from, std::string_view to, std::string_view action);

// A plain reason for a failed file operation on `path`, from an error of the
// C library (errno): "Cannot <action> <path>: <system's reason>."
std::string describeFileError(std::string_view path, std::string_view action, int error);

namespace detail {
// The system calls that a failure in the middle of replacing a file can
// come from. Tests make the Nth of them fail, to show that every such
// failure leaves the old file whole; nothing else sets a hook.
enum class Operation { Open, Write, Flush, Rename };
struct Fault {
    int error = 0;           // an errno value (EIO, ENOSPC) the call fails with; 0 for none
    bool shortWrite = false; // a write that takes only part of its bytes, as a full disk can
};
using FaultHook = Fault (*)(Operation);
void setFaultHook(FaultHook hook);
Fault injectedFault(Operation operation);

// Whether two whole, normalised paths are one name as the system compares
// names: letter for letter, and on Windows regardless of case.
bool sameName(const std::filesystem::path& first, const std::filesystem::path& second);

// A name beside `path` that no file is likely to have: ".<name>.golv-<random>".
std::string uniqueSiblingName(std::string_view path);
// Whether a file name is one that uniqueSiblingName gives.
bool isSiblingName(std::string_view name);

// The folder a path lies in, for messages about files that cannot be made there.
std::string folderOf(std::string_view path);

// The sentence for a name that no longer stands for the file that was read.
std::string changedSinceRead(std::string_view path);
} // namespace detail

} // namespace golv::platform
