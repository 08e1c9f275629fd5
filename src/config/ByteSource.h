#pragma once

#include "Status.h"

#include <cstdint>
#include <span>
#include <vector>

namespace golv {

// Bytes of an executable at 1-based positions, read where they are asked for:
// planning and reading compare only the bytes a patch run can write, so an
// executable of any size never has to be in memory whole.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    virtual Status size(std::int64_t& bytes) = 0;
    // `count` bytes from `position`; bytes past the end read as zeros.
    virtual Status readAt(std::int64_t position, std::size_t count, std::vector<std::uint8_t>& bytes) = 0;
};

// Bytes held in memory, as tests and the preview have them.
class MemoryBytes final : public ByteSource {
public:
    explicit MemoryBytes(std::span<const std::uint8_t> bytes) : m_bytes(bytes) { }
    Status size(std::int64_t& bytes) override;
    Status readAt(std::int64_t position, std::size_t count, std::vector<std::uint8_t>& bytes) override;

private:
    std::span<const std::uint8_t> m_bytes;
};

// A file's bytes: BinaryFile (config/BinaryFile.h).

} // namespace golv
