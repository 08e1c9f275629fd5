#ifdef _WIN32

#include "config/PlatformFile.h"

#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <algorithm>
#include <cerrno>
#include <optional>
#include <utility>

namespace golv::platform {
namespace {

// Closes a handle on every way out.
class Handle {
public:
    explicit Handle(HANDLE handle) : m_handle(handle) { }
    ~Handle()
    {
        if (valid())
            ::CloseHandle(m_handle);
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;

    bool valid() const { return m_handle != INVALID_HANDLE_VALUE && m_handle != nullptr; }
    HANDLE get() const { return m_handle; }
    HANDLE release() { return std::exchange(m_handle, INVALID_HANDLE_VALUE); }

private:
    HANDLE m_handle;
};

std::wstring widen(std::string_view text, UINT codePage, DWORD flags)
{
    if (text.empty())
        return {};
    const int size = static_cast<int>(text.size());
    const int length = ::MultiByteToWideChar(codePage, flags, text.data(), size, nullptr, 0);
    if (length <= 0)
        return {};
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    ::MultiByteToWideChar(codePage, flags, text.data(), size, wide.data(), length);
    return wide;
}

std::wstring wide(std::string_view path) { return nativePath(path).native(); }

// A plain reason from a system error; the sentences a user can act on are
// GOLV's own, the rest are the system's.
std::string describeSystemError(std::string_view path, std::string_view action, DWORD error)
{
    std::string text = "Cannot ";
    text += action;
    text += ' ';
    text += path;
    switch (error) {
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_UNABLE_TO_REMOVE_REPLACED:
        return text + ": another program has it open. Close the game and try again.";
    case ERROR_ACCESS_DENIED:
        return text + ": access is denied.";
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        return text + ": no such file or folder.";
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return text + ": the disk is full.";
    default:
        break;
    }
    wchar_t* message = nullptr;
    const DWORD length
        = ::FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
            nullptr, error, 0, reinterpret_cast<wchar_t*>(&message), 0, nullptr);
    std::wstring reason = length > 0 ? std::wstring(message, length) : std::wstring();
    ::LocalFree(message);
    while (!reason.empty()
        && (reason.back() == L'\r' || reason.back() == L'\n' || reason.back() == L' ' || reason.back() == L'.'))
        reason.pop_back();
    if (reason.empty())
        return text + ": system error " + std::to_string(error) + ".";
    return text + ": " + utf8Path(std::filesystem::path(reason)) + ".";
}

std::string describeLastError(std::string_view path, std::string_view action)
{
    return describeSystemError(path, action, ::GetLastError());
}

// What stands in the way of treating the file as a regular one, or nothing.
// A reparse point (a link or a junction) is refused rather than followed, as
// links are on other systems.
std::string notRegular(std::string_view path, DWORD attributes, std::string_view action)
{
    if ((attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DEVICE)) == 0)
        return {};
    std::string text = "Cannot ";
    text += action;
    text += ' ';
    text += path;
    return text + ": it is not a regular file.";
}

using detail::injectedFault;
using detail::Operation;

// Tests speak in errno values; here they become the system's own errors.
DWORD systemError(int error)
{
    switch (error) {
    case ENOSPC:
        return ERROR_DISK_FULL;
    case EACCES:
        return ERROR_ACCESS_DENIED;
    default:
        return ERROR_WRITE_FAULT;
    }
}

// Each call below first asks whether a test wants it to fail; the answer is
// always no outside the tests.
bool failWith(int error)
{
    ::SetLastError(systemError(error));
    return false;
}

HANDLE createFile(const std::wstring& name, DWORD access, DWORD sharing, DWORD disposition, DWORD flags)
{
    if (const int error = injectedFault(Operation::Open).error; error != 0) {
        failWith(error);
        return INVALID_HANDLE_VALUE;
    }
    return ::CreateFileW(name.c_str(), access, sharing, nullptr, disposition, flags, nullptr);
}

// Writes all bytes from `offset` on, or at the end when there is none.
bool writeAll(HANDLE file, std::string_view content, std::optional<std::uint64_t> offset)
{
    LARGE_INTEGER position{};
    position.QuadPart = offset ? static_cast<LONGLONG>(*offset) : 0;
    if (!::SetFilePointerEx(file, position, nullptr, offset ? FILE_BEGIN : FILE_END))
        return false;
    while (!content.empty()) {
        const detail::Fault fault = injectedFault(Operation::Write);
        if (fault.error != 0)
            return failWith(fault.error);
        std::size_t piece = std::min<std::size_t>(content.size(), 1u << 30);
        if (fault.shortWrite)
            piece = (piece + 1) / 2;
        DWORD written = 0;
        if (!::WriteFile(file, content.data(), static_cast<DWORD>(piece), &written, nullptr))
            return false;
        if (written == 0)
            return failWith(ENOSPC);
        content.remove_prefix(written);
    }
    return true;
}

bool flushFile(HANDLE file)
{
    if (const int error = injectedFault(Operation::Flush).error; error != 0)
        return failWith(error);
    return ::FlushFileBuffers(file) != 0;
}

bool closeFile(HANDLE file)
{
    const int error = injectedFault(Operation::Flush).error;
    const bool closed = ::CloseHandle(file) != 0;
    return error != 0 ? failWith(error) : closed;
}

bool moveFile(const std::wstring& from, const std::wstring& to, DWORD flags)
{
    if (const int error = injectedFault(Operation::Rename).error; error != 0)
        return failWith(error);
    return ::MoveFileExW(from.c_str(), to.c_str(), flags) != 0;
}

bool replaceWith(const std::wstring& target, const std::wstring& replacement)
{
    if (const int error = injectedFault(Operation::Rename).error; error != 0)
        return failWith(error);
    return ::ReplaceFileW(
               target.c_str(), replacement.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)
        != 0;
}

HANDLE handleOf(std::intptr_t handle) { return reinterpret_cast<HANDLE>(handle); }
constexpr std::intptr_t kNoHandle = -1;

std::optional<FileIdentity> identityOfHandle(HANDLE file)
{
    BY_HANDLE_FILE_INFORMATION information{};
    if (file == INVALID_HANDLE_VALUE || !::GetFileInformationByHandle(file, &information))
        return std::nullopt;
    return FileIdentity{information.dwVolumeSerialNumber,
        (static_cast<std::uint64_t>(information.nFileIndexHigh) << 32) | information.nFileIndexLow};
}

} // namespace

std::filesystem::path nativePath(std::string_view path)
{
    std::wstring native = widen(path, CP_UTF8, MB_ERR_INVALID_CHARS);
    if (native.empty() && !path.empty())
        native = widen(path, 1252, 0);
    return std::filesystem::path(std::move(native));
}

std::string utf8Path(const std::filesystem::path& path)
{
    const std::wstring& native = path.native();
    if (native.empty())
        return {};
    const int size = static_cast<int>(native.size());
    // A lone surrogate in a name becomes U+FFFD rather than failing.
    const int length = ::WideCharToMultiByte(CP_UTF8, 0, native.data(), size, nullptr, 0, nullptr, nullptr);
    if (length <= 0)
        return {};
    std::string text(static_cast<std::size_t>(length), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, native.data(), size, text.data(), length, nullptr, nullptr);
    return text;
}

bool exists(std::string_view path) { return ::GetFileAttributesW(wide(path).c_str()) != INVALID_FILE_ATTRIBUTES; }

bool detail::sameName(const std::filesystem::path& first, const std::filesystem::path& second)
{
    // The file system's own rule for case: ordinal, by its table of capitals.
    return ::CompareStringOrdinal(first.c_str(), -1, second.c_str(), -1, TRUE) == CSTR_EQUAL;
}

std::optional<FileIdentity> identityOf(std::FILE* file)
{
    if (file == nullptr)
        return std::nullopt;
    return identityOfHandle(reinterpret_cast<HANDLE>(::_get_osfhandle(::_fileno(file))));
}

std::optional<FileIdentity> identityOf(std::string_view path)
{
    const Handle file(
        ::CreateFileW(wide(path).c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
            nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    return file.valid() ? identityOfHandle(file.get()) : std::nullopt;
}

LinkFacts linkFactsOf(std::string_view path)
{
    LinkFacts facts;
    const DWORD attributes = ::GetFileAttributesW(wide(path).c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
        std::error_code unreadable;
        facts.linksTo = utf8Path(std::filesystem::read_symlink(nativePath(path), unreadable));
        // A link whose target cannot be read is a link all the same.
        if (facts.linksTo.empty())
            facts.linksTo.push_back('?');
    }
    const Handle file(
        ::CreateFileW(wide(path).c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
            nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    BY_HANDLE_FILE_INFORMATION information{};
    if (file.valid() && ::GetFileInformationByHandle(file.get(), &information))
        facts.names = information.nNumberOfLinks;
    return facts;
}

void removeLeftoverReplacements(std::string_view folder)
{
    std::error_code unreadable;
    for (const auto& entry : std::filesystem::directory_iterator(nativePath(folder), unreadable)) {
        if (!detail::isSiblingName(utf8Path(entry.path().filename())))
            continue;
        // A replacement keeps its new file open, shared with nobody, until it
        // is committed or given up, so such a file cannot be deleted: only
        // what a killed run left goes.
        const DWORD attributes = ::GetFileAttributesW(entry.path().c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES
            && (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DEVICE)) == 0)
            ::DeleteFileW(entry.path().c_str());
    }
}

std::FILE* openRegularFile(std::string_view path, std::string& error)
{
    // Others may read and write alongside, as on other systems, so that the
    // executable of a running game can still be read.
    Handle file(createFile(wide(path), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING,
        FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT));
    if (!file.valid()) {
        const DWORD failure = ::GetLastError();
        // Opening a folder as a file is denied rather than refused as such.
        const DWORD attributes = ::GetFileAttributesW(wide(path).c_str());
        std::string reason
            = attributes == INVALID_FILE_ATTRIBUTES ? std::string() : notRegular(path, attributes, "open");
        error = reason.empty() ? describeSystemError(path, "open", failure) : std::move(reason);
        return nullptr;
    }
    BY_HANDLE_FILE_INFORMATION information{};
    if (::GetFileType(file.get()) != FILE_TYPE_DISK || !::GetFileInformationByHandle(file.get(), &information)) {
        error = notRegular(path, FILE_ATTRIBUTE_DEVICE, "open");
        return nullptr;
    }
    if (std::string reason = notRegular(path, information.dwFileAttributes, "open"); !reason.empty()) {
        error = std::move(reason);
        return nullptr;
    }
    const int descriptor = ::_open_osfhandle(reinterpret_cast<intptr_t>(file.get()), _O_RDONLY);
    if (descriptor < 0) {
        error = describeLastError(path, "open");
        return nullptr;
    }
    file.release();
    std::FILE* stream = ::_fdopen(descriptor, "rb");
    if (stream == nullptr) {
        ::_close(descriptor);
        error = describeFileError(path, "open", errno);
        return nullptr;
    }
    return stream;
}

std::unique_ptr<FileReplacement> FileReplacement::begin(
    std::string_view path, Status& status, Existing existing, std::string_view /*likeFile*/)
{
    // A new file takes the permissions of its folder, as a copy made by hand
    // does; a replaced one keeps its own (commit).
    const std::string target(path);
    auto refuse = [&status](std::string reason) {
        status = Status::failure(std::move(reason));
        return nullptr;
    };
    const DWORD attributes = ::GetFileAttributesW(wide(target).c_str());
    const bool present = attributes != INVALID_FILE_ATTRIBUTES;
    if (present) {
        if (std::string reason = notRegular(target, attributes, "replace"); !reason.empty())
            return refuse(std::move(reason));
        if ((attributes & FILE_ATTRIBUTE_READONLY) != 0)
            return refuse("Cannot replace " + target + ": it is read-only.");
    } else if (const DWORD error = ::GetLastError(); error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND) {
        // A missing folder is the folder's to tell, when the new file cannot be made in it.
        return refuse(describeSystemError(target, "replace", error));
    }

    // CREATE_NEW fails on any existing name, a link included, and another
    // name is tried; nothing is ever written through a link. What keeps the
    // new file from being made is the folder's doing: the message names the
    // folder, not a name the user never chose.
    std::string temporary;
    HANDLE created = INVALID_HANDLE_VALUE;
    for (int attempt = 0; attempt < 16 && created == INVALID_HANDLE_VALUE; ++attempt) {
        temporary = detail::uniqueSiblingName(target);
        created = createFile(wide(temporary), GENERIC_READ | GENERIC_WRITE, 0, CREATE_NEW, FILE_ATTRIBUTE_NORMAL);
        if (created == INVALID_HANDLE_VALUE && ::GetLastError() != ERROR_FILE_EXISTS)
            return refuse(describeLastError(detail::folderOf(target), "write in the folder"));
    }
    if (created == INVALID_HANDLE_VALUE)
        return refuse(describeSystemError(detail::folderOf(target), "write in the folder", ERROR_FILE_EXISTS));
    std::unique_ptr<FileReplacement> replacement(
        new FileReplacement(target, temporary, existing, reinterpret_cast<std::intptr_t>(created)));
    replacement->m_attributes = present ? attributes : 0;
    status = Status::ok();
    return replacement;
}

FileReplacement::FileReplacement(std::string target, std::string temporary, Existing existing, std::intptr_t handle)
    : m_target(std::move(target)), m_temporary(std::move(temporary)), m_existing(existing), m_handle(handle)
{
}

FileReplacement::~FileReplacement() { static_cast<void>(fail({})); }

Status FileReplacement::fail(std::string reason)
{
    if (m_handle != kNoHandle)
        ::CloseHandle(handleOf(std::exchange(m_handle, kNoHandle)));
    if (!m_temporary.empty())
        ::DeleteFileW(wide(std::exchange(m_temporary, {})).c_str());
    return Status::failure(std::move(reason));
}

Status FileReplacement::append(std::string_view bytes)
{
    if (m_handle == kNoHandle)
        return Status::failure("Cannot write " + m_target + ": the replacement was given up.");
    if (!writeAll(handleOf(m_handle), bytes, std::nullopt))
        return fail(describeLastError(m_target, "write"));
    return Status::ok();
}

Status FileReplacement::writeAt(std::uint64_t offset, std::string_view bytes)
{
    if (m_handle == kNoHandle)
        return Status::failure("Cannot write " + m_target + ": the replacement was given up.");
    if (!writeAll(handleOf(m_handle), bytes, offset))
        return fail(describeLastError(m_target, "write"));
    return Status::ok();
}

Status FileReplacement::commit()
{
    if (m_handle == kNoHandle)
        return Status::failure("Cannot replace " + m_target + ": the replacement was given up.");
    if (!flushFile(handleOf(m_handle)))
        return fail(describeLastError(m_target, "write"));
    // Closing is where some file systems report a failed write.
    if (!closeFile(handleOf(std::exchange(m_handle, kNoHandle))))
        return fail(describeLastError(m_target, "write"));

    if (m_expected && identityOf(m_target) != m_expected) {
        m_targetChanged = true;
        return fail(detail::changedSinceRead(m_target));
    }
    const std::wstring targetName = wide(m_target);
    const std::wstring temporaryName = wide(m_temporary);
    if (m_existing == Existing::Keep) {
        // Without MOVEFILE_REPLACE_EXISTING the move fails where the name is taken.
        if (!moveFile(temporaryName, targetName, MOVEFILE_WRITE_THROUGH))
            return fail(describeLastError(m_target, "create"));
    } else if (m_attributes != 0) {
        // Replacing keeps the target's permissions, but not on every system
        // its attributes (hidden, archive); they are given back after.
        if (!replaceWith(targetName, temporaryName))
            return fail(describeLastError(m_target, "replace"));
        ::SetFileAttributesW(targetName.c_str(), m_attributes);
    } else if (!moveFile(temporaryName, targetName, MOVEFILE_WRITE_THROUGH | MOVEFILE_REPLACE_EXISTING)) {
        // A new file takes the permissions of its folder.
        return fail(describeLastError(m_target, "replace"));
    }
    m_temporary.clear();
    return Status::ok();
}

Status renameWithoutReplacing(std::string_view from, std::string_view to, std::string_view action)
{
    // Without MOVEFILE_REPLACE_EXISTING the move fails where the name is taken.
    if (!moveFile(wide(from), wide(to), MOVEFILE_WRITE_THROUGH))
        return Status::failure(describeLastError(from, action));
    return Status::ok();
}

} // namespace golv::platform

#endif
