#include "config/PlatformFile.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <random>

// The parts of the platform file that read the same on every system; the
// rest is in PlatformFilePosix.cpp and PlatformFileWindows.cpp.
namespace golv::platform {

bool isAbsolutePath(std::string_view path)
{
#ifdef _WIN32
    // A drive with its folders ("C:\games") or a share ("\\server\games");
    // "\games" still depends on the current drive and is not whole.
    auto separator = [](char c) { return c == '\\' || c == '/'; };
    const bool drive = path.size() >= 3 && ((path[0] | 0x20) >= 'a' && (path[0] | 0x20) <= 'z') && path[1] == ':'
        && separator(path[2]);
    return drive || (path.size() >= 2 && separator(path[0]) && separator(path[1]));
#else
    return path.starts_with('/');
#endif
}

bool isNameInsideFolder(std::string_view name)
{
    auto separator = [](char c) { return c == '/' || c == '\\'; };
    if (name.empty() || separator(name.front()) || (name.size() >= 2 && name[1] == ':'))
        return false;
    while (!name.empty()) {
        const auto end = std::find_if(name.begin(), name.end(), separator);
        const std::string_view part(name.begin(), end);
        if (part == "..")
            return false;
        name.remove_prefix(part.size() + (end == name.end() ? 0 : 1));
    }
    return true;
}

std::string joinPath(std::string_view folder, std::string_view name)
{
    if (isAbsolutePath(name))
        return std::string(name);
    std::string path(folder);
    if (path.empty() || path.back() != kFolderSeparator)
        path += kFolderSeparator;
    path += name;
    return path;
}

bool sameFile(std::string_view first, std::string_view second)
{
    const std::filesystem::path one = nativePath(first);
    const std::filesystem::path other = nativePath(second);
    std::error_code missing;
    if (std::filesystem::equivalent(one, other, missing))
        return true;
    // Without a current folder (it was removed) absolute() fails, and may then
    // give the empty path, which would make every two names one: such a
    // path is compared as it is written.
    const auto whole = [](const std::filesystem::path& path) {
        std::error_code noFolder;
        const std::filesystem::path absolute = std::filesystem::absolute(path, noFolder);
        return (noFolder ? path : absolute).lexically_normal();
    };
    return detail::sameName(whole(one), whole(other));
}

std::string fileNameOf(std::string_view path) { return utf8Path(nativePath(path).filename()); }

std::string describeFileError(std::string_view path, std::string_view action, int error)
{
    std::string text = "Cannot ";
    text += action;
    text += ' ';
    text += path;
    if (error != 0) {
        text += ": ";
        text += std::strerror(error);
    }
    text += '.';
    return text;
}

Status replaceFile(std::string_view path, std::string_view content)
{
    Status status = Status::ok();
    const auto replacement = FileReplacement::begin(path, status);
    if (!replacement)
        return status;
    if (Status written = replacement->append(content); !written)
        return written;
    return replacement->commit();
}

namespace {
detail::FaultHook faultHook = nullptr;
} // namespace

void detail::setFaultHook(FaultHook hook) { faultHook = hook; }

detail::Fault detail::injectedFault(Operation operation)
{
    return faultHook == nullptr ? Fault{} : faultHook(operation);
}

std::string detail::uniqueSiblingName(std::string_view path)
{
    static std::mt19937_64 random{std::random_device{}()};
    char suffix[17];
    std::snprintf(suffix, sizeof suffix, "%016llx", static_cast<unsigned long long>(random()));
    const std::filesystem::path native = nativePath(path);
    std::string name = ".";
    name += utf8Path(native.filename());
    name += ".golv-";
    name += suffix;
    return utf8Path(std::filesystem::path(native).replace_filename(nativePath(name)));
}

bool detail::isSiblingName(std::string_view name)
{
    constexpr std::string_view kMark = ".golv-";
    constexpr std::size_t kDigits = 16;
    if (name.size() < 1 + kMark.size() + kDigits || name.front() != '.')
        return false;
    const std::string_view suffix = name.substr(name.size() - kDigits);
    const bool hex = std::all_of(
        suffix.begin(), suffix.end(), [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); });
    return hex && name.substr(name.size() - kDigits - kMark.size(), kMark.size()) == kMark;
}

std::string detail::folderOf(std::string_view path)
{
    const std::filesystem::path native = nativePath(path);
    return native.has_parent_path() ? utf8Path(native.parent_path()) : std::string(".");
}

std::string detail::changedSinceRead(std::string_view path)
{
    return std::string(path) + " changed since GOLV read it: another file now has its name.";
}

} // namespace golv::platform
