#pragma once

#include "Status.h"
#include "config/ByteSource.h"
#include "config/PlatformFile.h"

#include <cstdint>
#include <cstdio>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace golv {

// An open binary file addressed by 1-based positions, as the configuration
// gives them: position P is the byte with index P - 1. Closed when destroyed.
class BinaryFile final : public ByteSource {
public:
    // Opened for reading only: the executable is changed by writing its
    // replacement whole, never in place. No value, and a reason in `error`,
    // when the file cannot be opened; only regular files are opened.
    static std::unique_ptr<BinaryFile> open(const std::string& path, std::string& error);

    ~BinaryFile();
    BinaryFile(const BinaryFile&) = delete;
    BinaryFile& operator=(const BinaryFile&) = delete;

    // Reads `count` bytes from `position`; bytes past the end read as zeros.
    Status readAt(std::int64_t position, std::size_t count, std::vector<std::uint8_t>& bytes) override;

    // The file's length in bytes.
    Status size(std::int64_t& bytes) override;

    // The file this is, whatever name reaches it now.
    std::optional<platform::FileIdentity> identity() const;

    // Appends the whole file to the end of every target (null ones left
    // out), a megabyte at a time so that a large file stays out of memory.
    Status copyTo(std::initializer_list<platform::FileReplacement*> targets);

    // Closes the file; a failure to close is a failure of the last writes.
    Status close();

private:
    BinaryFile(std::FILE* file, std::string path) : m_file(file), m_path(std::move(path)) { }
    Status seek(std::int64_t position);

    std::FILE* m_file;
    std::string m_path;
};

} // namespace golv
