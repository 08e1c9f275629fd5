#ifndef _WIN32

#include "config/PlatformFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <optional>
#include <utility>

namespace golv::platform {
namespace {

// Closes a descriptor on every way out.
class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) { }
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int get() const { return m_fd; }
    int release() { return std::exchange(m_fd, -1); }
    // Closing is where some file systems report a failed write.
    int close() { return ::close(std::exchange(m_fd, -1)); }

private:
    int m_fd;
};

using detail::injectedFault;
using detail::Operation;

// Each call below first asks whether a test wants it to fail; the answer is
// always no outside the tests.
int failWith(int error)
{
    errno = error;
    return -1;
}

int openFile(const char* path, int flags, mode_t mode = 0)
{
    if (const int error = injectedFault(Operation::Open).error; error != 0)
        return failWith(error);
    return ::open(path, flags, mode);
}

// Writes all bytes from `offset` on, or at the end when there is none.
bool writeAll(int fd, std::string_view content, std::optional<std::uint64_t> offset)
{
    while (!content.empty()) {
        const detail::Fault fault = injectedFault(Operation::Write);
        if (fault.error != 0)
            return failWith(fault.error), false;
        const std::size_t piece = fault.shortWrite ? (content.size() + 1) / 2 : content.size();
        const ssize_t written = offset ? ::pwrite(fd, content.data(), piece, static_cast<off_t>(*offset))
                                       : ::write(fd, content.data(), piece);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (written == 0)
            return failWith(ENOSPC), false;
        content.remove_prefix(static_cast<std::size_t>(written));
        if (offset)
            *offset += static_cast<std::uint64_t>(written);
    }
    return true;
}

int flushFile(int fd)
{
    if (const int error = injectedFault(Operation::Flush).error; error != 0)
        return failWith(error);
    return ::fsync(fd);
}

int renameFile(const char* from, const char* to)
{
    if (const int error = injectedFault(Operation::Rename).error; error != 0)
        return failWith(error);
    return ::rename(from, to);
}

int linkFile(const char* from, const char* to)
{
    if (const int error = injectedFault(Operation::Rename).error; error != 0)
        return failWith(error);
    return ::link(from, to);
}

FileIdentity identityFrom(const struct stat& status)
{
    return {static_cast<std::uint64_t>(status.st_dev), static_cast<std::uint64_t>(status.st_ino)};
}

// Gives a new file the owner and group of the file it stands for, as far as
// this user may: root may give both, others at most a group of their own.
// Where neither is allowed the file is this user's, as any file they write.
void takeOwner(int fd, const struct stat& like)
{
    if (like.st_uid == ::geteuid() && like.st_gid == ::getegid())
        return;
    if (::fchown(fd, like.st_uid, like.st_gid) != 0 && errno == EPERM)
        static_cast<void>(::fchown(fd, static_cast<uid_t>(-1), like.st_gid));
}

} // namespace

std::filesystem::path nativePath(std::string_view path) { return std::filesystem::path(path); }

std::string utf8Path(const std::filesystem::path& path) { return path.native(); }

bool detail::sameName(const std::filesystem::path& first, const std::filesystem::path& second)
{
    return first == second;
}

bool exists(std::string_view path)
{
    struct stat status { };
    return ::lstat(std::string(path).c_str(), &status) == 0;
}

std::optional<FileIdentity> identityOf(std::FILE* file)
{
    struct stat status { };
    if (file == nullptr || ::fstat(::fileno(file), &status) != 0)
        return std::nullopt;
    return identityFrom(status);
}

std::optional<FileIdentity> identityOf(std::string_view path)
{
    struct stat status { };
    if (::stat(std::string(path).c_str(), &status) != 0)
        return std::nullopt;
    return identityFrom(status);
}

LinkFacts linkFactsOf(std::string_view path)
{
    const std::string name(path);
    LinkFacts facts;
    struct stat status { };
    if (::lstat(name.c_str(), &status) != 0)
        return facts;
    if (S_ISLNK(status.st_mode)) {
        std::error_code unreadable;
        facts.linksTo = std::filesystem::read_symlink(name, unreadable).native();
        // A link whose target cannot be read is a link all the same.
        if (facts.linksTo.empty())
            facts.linksTo.push_back('?');
        if (::stat(name.c_str(), &status) != 0)
            return facts;
    }
    facts.names = static_cast<std::uint32_t>(status.st_nlink);
    return facts;
}

void removeLeftoverReplacements(std::string_view folder)
{
    std::error_code unreadable;
    for (const auto& entry : std::filesystem::directory_iterator(std::string(folder), unreadable)) {
        const std::string path = entry.path().native();
        if (!detail::isSiblingName(entry.path().filename().native()))
            continue;
        // A replacement holds a lock on its new file until it is committed or
        // given up; a file nobody locks was left by a run that was killed.
        Descriptor fd(::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
        struct stat status { };
        if (fd.get() < 0 || ::fstat(fd.get(), &status) != 0 || !S_ISREG(status.st_mode))
            continue;
        if (::flock(fd.get(), LOCK_EX | LOCK_NB) == 0)
            ::unlink(path.c_str());
    }
}

std::FILE* openRegularFile(std::string_view path, std::string& error)
{
    const std::string name(path);
    // Without O_NONBLOCK, opening a FIFO waits for a writer that never comes.
    Descriptor fd(openFile(name.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (fd.get() < 0) {
        error = describeFileError(path, "open", errno);
        return nullptr;
    }
    struct stat status { };
    if (::fstat(fd.get(), &status) != 0) {
        error = describeFileError(path, "open", errno);
        return nullptr;
    }
    if (!S_ISREG(status.st_mode)) {
        error = "Cannot open " + name + ": it is not a regular file.";
        return nullptr;
    }
    const int flags = ::fcntl(fd.get(), F_GETFL);
    if (flags >= 0)
        ::fcntl(fd.get(), F_SETFL, flags & ~O_NONBLOCK);
    std::FILE* file = ::fdopen(fd.get(), "rb");
    if (file == nullptr) {
        error = describeFileError(path, "open", errno);
        return nullptr;
    }
    fd.release();
    return file;
}

std::unique_ptr<FileReplacement> FileReplacement::begin(
    std::string_view path, Status& status, Existing existing, std::string_view likeFile)
{
    const std::string target(path);
    auto refuse = [&status](std::string reason) {
        status = Status::failure(std::move(reason));
        return nullptr;
    };
    struct stat present { };
    const bool isPresent = ::stat(target.c_str(), &present) == 0;
    if (isPresent) {
        if (!S_ISREG(present.st_mode))
            return refuse("Cannot replace " + target + ": it is not a regular file.");
        // A file with no write permission is read-only for GOLV, even where
        // the system would let this user write it anyway.
        if ((present.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(target.c_str(), W_OK) != 0)
            return refuse("Cannot replace " + target + ": it is read-only.");
    } else if (errno != ENOENT) {
        return refuse(describeFileError(target, "replace", errno));
    }
    struct stat like = present;
    const bool hasLike = isPresent || (!likeFile.empty() && ::stat(std::string(likeFile).c_str(), &like) == 0);

    // A planted file or link of the chosen name makes the creation fail, and
    // another name is tried; nothing is ever written through a link. What
    // keeps the new file from being made is the folder's doing: the message
    // names the folder, not a name the user never chose.
    std::string temporary;
    int created = -1;
    for (int attempt = 0; attempt < 16 && created < 0; ++attempt) {
        temporary = detail::uniqueSiblingName(target);
        created = openFile(temporary.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (created < 0 && errno != EEXIST)
            return refuse(describeFileError(detail::folderOf(target), "write in the folder", errno));
    }
    if (created < 0)
        return refuse(describeFileError(detail::folderOf(target), "write in the folder", EEXIST));
    // Held until the file is committed or given up, so that a later start
    // tells it from what a killed run left (removeLeftoverReplacements).
    static_cast<void>(::flock(created, LOCK_EX | LOCK_NB));
    std::unique_ptr<FileReplacement> replacement(new FileReplacement(target, temporary, existing, created));
    if (hasLike) {
        // The owner first: giving a file away clears its set-id bits.
        takeOwner(created, like);
        if (::fchmod(created, like.st_mode & 07777) != 0)
            return refuse(replacement->fail(describeFileError(temporary, "set the permissions of", errno)).reason());
    }
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
    if (m_handle >= 0)
        ::close(static_cast<int>(std::exchange(m_handle, -1)));
    if (!m_temporary.empty())
        ::unlink(std::exchange(m_temporary, {}).c_str());
    return Status::failure(std::move(reason));
}

Status FileReplacement::append(std::string_view bytes)
{
    if (m_handle < 0)
        return Status::failure("Cannot write " + m_target + ": the replacement was given up.");
    if (!writeAll(static_cast<int>(m_handle), bytes, std::nullopt))
        return fail(describeFileError(m_target, "write", errno));
    return Status::ok();
}

Status FileReplacement::writeAt(std::uint64_t offset, std::string_view bytes)
{
    if (m_handle < 0)
        return Status::failure("Cannot write " + m_target + ": the replacement was given up.");
    if (!writeAll(static_cast<int>(m_handle), bytes, offset))
        return fail(describeFileError(m_target, "write", errno));
    return Status::ok();
}

Status FileReplacement::commit()
{
    if (m_handle < 0)
        return Status::failure("Cannot replace " + m_target + ": the replacement was given up.");
    const int fd = static_cast<int>(m_handle);
    if (flushFile(fd) != 0)
        return fail(describeFileError(m_target, "write", errno));
    // The lock lives as long as any descriptor of the file: this one keeps
    // it until the new file has its name.
    const Descriptor lock(::dup(fd));
    m_handle = -1;
    // Closing is where some file systems report a failed write.
    if (const int flushError = injectedFault(Operation::Flush).error; flushError != 0 || ::close(fd) != 0) {
        if (flushError != 0) {
            ::close(fd);
            errno = flushError;
        }
        return fail(describeFileError(m_target, "write", errno));
    }
    if (m_expected && identityOf(m_target) != m_expected) {
        m_targetChanged = true;
        return fail(detail::changedSinceRead(m_target));
    }
    if (m_existing == Existing::Keep) {
        if (Status kept = renameWithoutReplacing(m_temporary, m_target, "create"); !kept)
            return fail(exists(m_target) ? describeFileError(m_target, "create", EEXIST) : kept.reason());
    } else if (renameFile(m_temporary.c_str(), m_target.c_str()) != 0) {
        return fail(describeFileError(m_target, "replace", errno));
    }
    m_temporary.clear();

    // The new name must reach the disk too; where the folder cannot be
    // opened for that, the file itself is already safe.
    const std::filesystem::path native(m_target);
    const std::filesystem::path folder = native.has_parent_path() ? native.parent_path() : ".";
    Descriptor directory(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (directory.get() >= 0)
        ::fsync(directory.get());
    return Status::ok();
}

Status renameWithoutReplacing(std::string_view from, std::string_view to, std::string_view action)
{
    const std::string source(from);
    const std::string target(to);
    // A hard link makes the new name only where none is, in one step; the
    // old name goes once the new one stands. File systems without hard links
    // fall back on a test before the rename.
    if (linkFile(source.c_str(), target.c_str()) == 0) {
        ::unlink(source.c_str());
        return Status::ok();
    }
    const int linkError = errno;
    if (linkError != EPERM && linkError != ENOTSUP && linkError != EMLINK && linkError != ENOSYS)
        return Status::failure(describeFileError(source, action, linkError));
    if (exists(target))
        return Status::failure(describeFileError(source, action, EEXIST));
    if (renameFile(source.c_str(), target.c_str()) != 0)
        return Status::failure(describeFileError(source, action, errno));
    return Status::ok();
}

} // namespace golv::platform

#endif
