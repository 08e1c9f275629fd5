#pragma once

#include "config/PlatformFile.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace golv::test {

// A fresh folder under the system's temporary folder, removed with its
// contents when the test ends. Its name holds letters outside ASCII, so every
// test that works in one also shows that paths keep them on every system.
class TempFolder {
public:
    TempFolder()
    {
        std::random_device random;
        m_native = std::filesystem::temp_directory_path()
            / platform::nativePath(
                "golv-test-\xC3\xA4\xE2\x82\xAC-" + std::to_string(random()) + std::to_string(random()));
        std::filesystem::create_directories(m_native);
        m_path = platform::utf8Path(m_native);
    }
    ~TempFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_native, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder, or a name in it, as the core takes paths: UTF-8 text.
    const std::string& path() const { return m_path; }
    std::string operator/(std::string_view name) const { return platform::joinPath(m_path, name); }
    // The same for the standard library's file functions.
    std::filesystem::path native(std::string_view name = {}) const
    {
        return name.empty() ? m_native : m_native / platform::nativePath(name);
    }

    void write(std::string_view name, std::string_view content) const
    {
        std::ofstream(native(name), std::ios::binary | std::ios::trunc) << content;
    }

    void write(std::string_view name, const std::vector<unsigned char>& bytes) const
    {
        write(name, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    }

    std::string read(std::string_view name) const
    {
        // Buffer by buffer: a byte-wise read of a 1 MiB image costs seconds
        // in the sanitizer build, where tests read it thousands of times.
        std::ostringstream content;
        content << std::ifstream(native(name), std::ios::binary).rdbuf();
        return std::move(content).str();
    }

private:
    std::filesystem::path m_native;
    std::string m_path;
};

// Lines joined with CR LF, as GOLV writes files.
inline std::string crlfText(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

// Runs a program of the build with arguments, each quoted for the system's
// command interpreter; gives its exit status.
inline int runProgram(std::string_view program, const std::vector<std::string>& arguments)
{
#ifdef _WIN32
    std::string command = "\"\"" + std::string(program) + "\"";
    for (const std::string& argument : arguments)
        command += " \"" + argument + "\"";
    command += "\"";
    return ::_wsystem(platform::nativePath(command).c_str());
#else
    // Appended piece by piece: GCC 12's optimizer takes "'" + text for an
    // overlapping copy (-Wrestrict) in a Release build.
    std::string command = "'";
    command.append(program);
    for (const std::string& argument : arguments)
        command.append("' '").append(argument);
    return std::system(command.append("'").c_str());
#endif
}

} // namespace golv::test
