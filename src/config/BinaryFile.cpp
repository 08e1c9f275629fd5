#include "config/BinaryFile.h"

#include "config/TextFile.h"

#include "config/PlatformFile.h"

#include <algorithm>
#include <cerrno>

namespace golv {
namespace {

// Positions of files larger than 2 GiB: `long` has 32 bits on Windows.
int seekTo(std::FILE* file, std::int64_t offset, int origin)
{
#ifdef _WIN32
    return ::_fseeki64(file, offset, origin);
#else
    return ::fseeko(file, static_cast<off_t>(offset), origin);
#endif
}

std::int64_t tellPosition(std::FILE* file)
{
#ifdef _WIN32
    return ::_ftelli64(file);
#else
    return ::ftello(file);
#endif
}

} // namespace

std::unique_ptr<BinaryFile> BinaryFile::open(const std::string& path, std::string& error)
{
    std::FILE* file = platform::openRegularFile(path, error);
    if (file == nullptr)
        return nullptr;
    return std::unique_ptr<BinaryFile>(new BinaryFile(file, path));
}

Status BinaryFile::size(std::int64_t& bytes)
{
    errno = 0;
    if (seekTo(m_file, 0, SEEK_END) != 0)
        return Status::failure(describeFileError(m_path, "read the size of", errno));
    const std::int64_t end = tellPosition(m_file);
    if (end < 0)
        return Status::failure(describeFileError(m_path, "read the size of", errno));
    bytes = end;
    return Status::ok();
}

Status BinaryFile::copyTo(std::initializer_list<platform::FileReplacement*> targets)
{
    constexpr std::int64_t kPiece = std::int64_t{1} << 20;
    std::int64_t size = 0;
    if (Status measured = this->size(size); !measured)
        return measured;
    std::vector<std::uint8_t> piece;
    for (std::int64_t done = 0; done < size; done += kPiece) {
        if (Status read = readAt(done + 1, static_cast<std::size_t>(std::min(size - done, kPiece)), piece); !read)
            return read;
        const std::string_view bytes(reinterpret_cast<const char*>(piece.data()), piece.size());
        for (platform::FileReplacement* target : targets)
            if (target != nullptr)
                if (Status written = target->append(bytes); !written)
                    return written;
    }
    return Status::ok();
}

std::optional<platform::FileIdentity> BinaryFile::identity() const { return platform::identityOf(m_file); }

BinaryFile::~BinaryFile()
{
    if (m_file != nullptr)
        std::fclose(m_file);
}

Status BinaryFile::seek(std::int64_t position)
{
    if (position < 1)
        return Status::failure("Position " + std::to_string(position) + " lies before the start of " + m_path + ".");
    errno = 0;
    if (seekTo(m_file, position - 1, SEEK_SET) != 0)
        return Status::failure(describeFileError(m_path, "seek in", errno));
    return Status::ok();
}

Status BinaryFile::readAt(std::int64_t position, std::size_t count, std::vector<std::uint8_t>& bytes)
{
    if (m_file == nullptr)
        return Status::failure(m_path + " is closed.");
    if (Status sought = seek(position); !sought)
        return sought;
    bytes.assign(count, 0);
    errno = 0;
    std::fread(bytes.data(), 1, count, m_file);
    if (std::ferror(m_file))
        return Status::failure(describeFileError(m_path, "read", errno));
    return Status::ok();
}

Status BinaryFile::close()
{
    if (m_file == nullptr)
        return Status::ok();
    errno = 0;
    const int result = std::fclose(m_file);
    m_file = nullptr;
    if (result != 0)
        return Status::failure(describeFileError(m_path, "close", errno));
    return Status::ok();
}

} // namespace golv
