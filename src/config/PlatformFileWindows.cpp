#ifdef _WIN32

#include "config/PlatformFile.h"

#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <algorithm>
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
    void reset(HANDLE handle)
    {
        if (valid())
            ::CloseHandle(m_handle);
        m_handle = handle;
    }
    HANDLE get() const { return m_handle; }
    HANDLE release() { return std::exchange(m_handle, INVALID_HANDLE_VALUE); }
    // Closing is where some file systems report a failed write.
    bool close() { return ::CloseHandle(std::exchange(m_handle, INVALID_HANDLE_VALUE)) != 0; }

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

bool writeAll(HANDLE file, std::string_view content)
{
    while (!content.empty()) {
        const DWORD piece = static_cast<DWORD>(std::min<std::size_t>(content.size(), 1u << 30));
        DWORD written = 0;
        if (!::WriteFile(file, content.data(), piece, &written, nullptr) || written == 0)
            return false;
        content.remove_prefix(written);
    }
    return true;
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

std::FILE* openRegularFile(std::string_view path, bool forWriting, std::string& error)
{
    // Others may read and write alongside, as on other systems; a running
    // game that keeps writers out makes the open fail with a sentence that
    // says so.
    Handle file(::CreateFileW(wide(path).c_str(), forWriting ? GENERIC_READ | GENERIC_WRITE : GENERIC_READ,
        FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
        FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    if (!file.valid()) {
        const DWORD failure = ::GetLastError();
        // Opening a folder as a file is denied rather than refused as such.
        const DWORD attributes = ::GetFileAttributesW(wide(path).c_str());
        std::string reason = attributes == INVALID_FILE_ATTRIBUTES ? std::string() : notRegular(path, attributes, "open");
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
    const int descriptor = ::_open_osfhandle(reinterpret_cast<intptr_t>(file.get()), forWriting ? 0 : _O_RDONLY);
    if (descriptor < 0) {
        error = describeLastError(path, "open");
        return nullptr;
    }
    file.release();
    std::FILE* stream = ::_fdopen(descriptor, forWriting ? "r+b" : "rb");
    if (stream == nullptr) {
        ::_close(descriptor);
        error = describeFileError(path, "open", errno);
        return nullptr;
    }
    return stream;
}

Status replaceFile(std::string_view path, std::string_view content)
{
    const std::string target(path);
    const std::wstring targetName = wide(target);
    const DWORD attributes = ::GetFileAttributesW(targetName.c_str());
    const bool present = attributes != INVALID_FILE_ATTRIBUTES;
    if (present) {
        if (std::string reason = notRegular(target, attributes, "replace"); !reason.empty())
            return Status::failure(reason);
        if ((attributes & FILE_ATTRIBUTE_READONLY) != 0)
            return Status::failure("Cannot replace " + target + ": it is read-only.");
    } else if (const DWORD error = ::GetLastError(); error != ERROR_FILE_NOT_FOUND) {
        return Status::failure(describeSystemError(target, "replace", error));
    }

    // CREATE_NEW fails on any existing name, a link included, and another
    // name is tried; nothing is ever written through a link.
    std::string temporary;
    std::wstring temporaryName;
    Handle created(INVALID_HANDLE_VALUE);
    for (int attempt = 0; attempt < 16 && !created.valid(); ++attempt) {
        temporary = detail::uniqueSiblingName(target);
        temporaryName = wide(temporary);
        created.reset(::CreateFileW(
            temporaryName.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!created.valid() && ::GetLastError() != ERROR_FILE_EXISTS)
            return Status::failure(describeLastError(temporary, "create"));
    }
    if (!created.valid())
        return Status::failure(describeSystemError(temporary, "create", ERROR_FILE_EXISTS));
    auto failWith = [&temporaryName, &created](std::string_view what, std::string_view action, DWORD error) {
        if (created.valid())
            created.close();
        ::DeleteFileW(temporaryName.c_str());
        return Status::failure(describeSystemError(what, action, error));
    };

    if (!writeAll(created.get(), content) || !::FlushFileBuffers(created.get()))
        return failWith(target, "write", ::GetLastError());
    if (!created.close())
        return failWith(target, "write", ::GetLastError());
    // Replacing keeps the target's attributes and permissions; a new file
    // takes those of its folder.
    const bool replaced = present ? ::ReplaceFileW(targetName.c_str(), temporaryName.c_str(), nullptr,
                              REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)
                                  : ::MoveFileExW(temporaryName.c_str(), targetName.c_str(), MOVEFILE_WRITE_THROUGH);
    if (!replaced)
        return failWith(target, "replace", ::GetLastError());
    // The replace call keeps the target's permissions, but not on every
    // system its attributes (hidden, archive); they are given back here.
    if (present)
        ::SetFileAttributesW(targetName.c_str(), attributes);
    return Status::ok();
}

Status renameWithoutReplacing(std::string_view from, std::string_view to, std::string_view action)
{
    // Without MOVEFILE_REPLACE_EXISTING the move fails where the name is taken.
    if (!::MoveFileExW(wide(from).c_str(), wide(to).c_str(), MOVEFILE_WRITE_THROUGH))
        return Status::failure(describeLastError(from, action));
    return Status::ok();
}

} // namespace golv::platform

#endif
