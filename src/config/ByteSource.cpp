#include "config/ByteSource.h"

#include <algorithm>

namespace golv {

Status MemoryBytes::size(std::int64_t& bytes)
{
    bytes = static_cast<std::int64_t>(m_bytes.size());
    return Status::ok();
}

Status MemoryBytes::readAt(std::int64_t position, std::size_t count, std::vector<std::uint8_t>& bytes)
{
    if (position < 1)
        return Status::failure("Position " + std::to_string(position) + " lies before the start of the bytes.");
    bytes.assign(count, 0);
    const auto from = static_cast<std::size_t>(position - 1);
    if (from < m_bytes.size())
        std::copy_n(
            m_bytes.begin() + static_cast<std::ptrdiff_t>(from), std::min(count, m_bytes.size() - from), bytes.begin());
    return Status::ok();
}

} // namespace golv
