// File-system references on Linux: a reference is the absolute path of an object that existed when it was made.
#include "platform/Platform.h"

#include <errno.h>
#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <system_error>

namespace platform {
namespace {

namespace fs = std::filesystem;

// The UTF-8 form of one name inside a folder; empty when the name is refused.
std::string NameInFolder(const std::u16string& name)
{
    std::string utf8;
    for (std::size_t i = 0; i < name.size(); ++i) {
        uint32_t code = name[i];
        if (code >= 0xD800 && code <= 0xDBFF) {
            if (i + 1 >= name.size() || name[i + 1] < 0xDC00 || name[i + 1] > 0xDFFF) return std::string();
            code = 0x10000 + ((code - 0xD800) << 10) + (name[++i] - 0xDC00u);
        } else if (code >= 0xDC00 && code <= 0xDFFF) {
            return std::string();
        }
        if (code == 0 || code == '/') return std::string();
        if (code < 0x80) {
            utf8 += static_cast<char>(code);
        } else if (code < 0x800) {
            utf8 += static_cast<char>(0xC0 | (code >> 6));
            utf8 += static_cast<char>(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            utf8 += static_cast<char>(0xE0 | (code >> 12));
            utf8 += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            utf8 += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            utf8 += static_cast<char>(0xF0 | (code >> 18));
            utf8 += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
            utf8 += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            utf8 += static_cast<char>(0x80 | (code & 0x3F));
        }
    }
    if (utf8 == "." || utf8 == "..") return std::string();
    return utf8;
}

// The path of name inside folder, or empty when the name is refused or the folder is no folder.
std::string ChildPath(const FileSystemRef& folder, const std::u16string& name)
{
    const std::string child = NameInFolder(name);
    std::error_code error;
    if (child.empty() || folder.path.empty() || !fs::is_directory(folder.path, error)) return std::string();
    return (fs::path(folder.path) / child).string();
}

}  // namespace

bool MakeFileSystemRef(const std::string& path, FileSystemRef& ref, bool* isFolder) noexcept
{
    try {
        if (path.empty() || path.find('\0') != std::string::npos) return false;
        std::error_code error;
        const fs::file_status status = fs::status(path, error);
        if (error || !fs::exists(status)) return false;
        const fs::path absolute = fs::absolute(path, error);
        if (error) return false;
        ref.path = absolute.lexically_normal().string();
        if (isFolder) *isFolder = fs::is_directory(status);
        return true;
    } catch (...) {
        return false;
    }
}

bool MakeChildRef(const FileSystemRef& folder, const std::u16string& name, FileSystemRef& ref) noexcept
{
    try {
        const std::string path = ChildPath(folder, name);
        std::error_code error;
        if (path.empty() || !fs::exists(fs::symlink_status(path, error))) return false;
        ref.path = path;
        return true;
    } catch (...) {
        return false;
    }
}

bool DeleteObject(const FileSystemRef& ref) noexcept
{
    if (ref.path.empty()) return false;
    std::error_code error;
    return fs::remove(ref.path, error) && !error;
}

bool CreateFileIn(const FileSystemRef& folder, const std::u16string& name, FileSystemRef& ref) noexcept
{
    try {
        const std::string path = ChildPath(folder, name);
        if (path.empty()) return false;
        int descriptor = -1;
        do {
            descriptor = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        } while (descriptor < 0 && errno == EINTR);
        if (descriptor < 0) return false;
        if (close(descriptor) != 0 && errno != EINTR) return false;
        ref.path = path;
        return true;
    } catch (...) {
        return false;
    }
}

FileHandle OpenDataFork(const FileSystemRef& file, int8_t permissions) noexcept
{
    if (permissions != kForkWritePermission || file.path.empty()) return kInvalidFile;
    int descriptor = -1;
    do {
        descriptor = open(file.path.c_str(), O_WRONLY | O_CLOEXEC);
    } while (descriptor < 0 && errno == EINTR);
    return descriptor < 0 ? kInvalidFile : static_cast<FileHandle>(descriptor);
}

}  // namespace platform
