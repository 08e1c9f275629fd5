#ifndef _WIN32

#include "config/PlatformFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
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

bool writeAll(int fd, std::string_view content)
{
    while (!content.empty()) {
        const ssize_t written = ::write(fd, content.data(), content.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        content.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

} // namespace

std::filesystem::path nativePath(std::string_view path) { return std::filesystem::path(path); }

std::string utf8Path(const std::filesystem::path& path) { return path.native(); }

bool exists(std::string_view path)
{
    struct stat status { };
    return ::lstat(std::string(path).c_str(), &status) == 0;
}

std::FILE* openRegularFile(std::string_view path, bool forWriting, std::string& error)
{
    const std::string name(path);
    // Without O_NONBLOCK, opening a FIFO waits for a writer that never comes.
    Descriptor fd(::open(name.c_str(), (forWriting ? O_RDWR : O_RDONLY) | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
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
    std::FILE* file = ::fdopen(fd.get(), forWriting ? "r+b" : "rb");
    if (file == nullptr) {
        error = describeFileError(path, "open", errno);
        return nullptr;
    }
    fd.release();
    return file;
}

Status replaceFile(std::string_view path, std::string_view content)
{
    const std::string target(path);
    struct stat existing { };
    const bool present = ::stat(target.c_str(), &existing) == 0;
    if (present) {
        if (!S_ISREG(existing.st_mode))
            return Status::failure("Cannot replace " + target + ": it is not a regular file.");
        // A file with no write permission is read-only for GOLV, even where
        // the system would let this user write it anyway.
        if ((existing.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(target.c_str(), W_OK) != 0)
            return Status::failure("Cannot replace " + target + ": it is read-only.");
    } else if (errno != ENOENT) {
        return Status::failure(describeFileError(target, "replace", errno));
    }

    // A planted file or link of the chosen name makes the creation fail, and
    // another name is tried; nothing is ever written through a link.
    std::string temporary;
    int created = -1;
    for (int attempt = 0; attempt < 16 && created < 0; ++attempt) {
        temporary = detail::uniqueSiblingName(target);
        created = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (created < 0 && errno != EEXIST)
            return Status::failure(describeFileError(temporary, "create", errno));
    }
    if (created < 0)
        return Status::failure(describeFileError(temporary, "create", EEXIST));
    Descriptor fd(created);
    auto failWith = [&temporary](std::string_view what, std::string_view action, int error) {
        ::unlink(temporary.c_str());
        return Status::failure(describeFileError(what, action, error));
    };

    if (present && ::fchmod(fd.get(), existing.st_mode & 07777) != 0)
        return failWith(temporary, "set the permissions of", errno);
    if (!writeAll(fd.get(), content))
        return failWith(target, "write", errno);
    if (::fsync(fd.get()) != 0)
        return failWith(target, "write", errno);
    if (fd.close() != 0)
        return failWith(target, "write", errno);
    if (::rename(temporary.c_str(), target.c_str()) != 0)
        return failWith(target, "replace", errno);

    // The new name must reach the disk too; where the folder cannot be
    // opened for that, the file itself is already safe.
    const std::filesystem::path native(target);
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
    if (::link(source.c_str(), target.c_str()) == 0) {
        ::unlink(source.c_str());
        return Status::ok();
    }
    if (errno == EEXIST)
        return Status::failure(describeFileError(source, action, EEXIST));
    if (exists(target))
        return Status::failure(describeFileError(source, action, EEXIST));
    if (::rename(source.c_str(), target.c_str()) != 0)
        return Status::failure(describeFileError(source, action, errno));
    return Status::ok();
}

} // namespace golv::platform

#endif
