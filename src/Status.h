#pragma once

#include <string>
#include <utility>

namespace golv {

// The outcome of an operation that can fail for a reason worth telling the
// user. A failure carries a plain sentence; success carries nothing.
class [[nodiscard]] Status {
public:
    static Status ok() { return Status{}; }
    static Status failure(std::string reason) { return Status{std::move(reason), true}; }

    bool isOk() const { return !m_failed; }
    explicit operator bool() const { return isOk(); }
    const std::string& reason() const { return m_reason; }

private:
    Status() = default;
    Status(std::string reason, bool failed) : m_reason(std::move(reason)), m_failed(failed) { }

    std::string m_reason;
    bool m_failed = false;
};

} // namespace golv
