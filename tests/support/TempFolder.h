#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace golv::test {

// A fresh folder under the system's temporary folder, removed with its
// contents when the test ends.
class TempFolder {
public:
    TempFolder()
    {
        std::random_device random;
        m_path = std::filesystem::temp_directory_path()
            / ("golv-test-" + std::to_string(random()) + std::to_string(random()));
        std::filesystem::create_directories(m_path);
    }
    ~TempFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    std::filesystem::path operator/(std::string_view name) const { return m_path / name; }

    void write(std::string_view name, std::string_view content) const
    {
        std::ofstream out(m_path / name, std::ios::binary | std::ios::trunc);
        out << content;
    }

    void write(std::string_view name, const std::vector<unsigned char>& bytes) const
    {
        std::ofstream out(m_path / name, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }

    std::string read(std::string_view name) const
    {
        std::ifstream in(m_path / name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

private:
    std::filesystem::path m_path;
};

// Lines joined with CR LF, as GOLV writes files.
inline std::string crlfText(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

} // namespace golv::test
