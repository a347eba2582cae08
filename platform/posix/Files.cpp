// Files written from the start on Linux: a file handle is the file descriptor.
#include "platform/Platform.h"

#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>

namespace platform {
namespace {

// The descriptor behind a handle, or -1 for a handle no descriptor can have.
int DescriptorOf(FileHandle file) noexcept { return file >= 0 && file <= INT_MAX ? static_cast<int>(file) : -1; }

}  // namespace

FileHandle CreateFileAlways(const std::string& path) noexcept
{
    if (path.empty() || path.find('\0') != std::string::npos) {
        return kInvalidFile;
    }
    int descriptor = -1;
    do {
        descriptor = open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    } while (descriptor < 0 && errno == EINTR);
    if (descriptor < 0) {
        return kInvalidFile;
    }
    // Only a file that holds something is truncated: on ext4 a file truncated to empty, even one that was empty,
    // is written back to the disk as it is closed (the guard for files replaced by rewriting them), and the
    // caller would wait for every byte it wrote.
    struct stat status {};
    if (fstat(descriptor, &status) != 0 || (S_ISREG(status.st_mode) && status.st_size != 0)) {
        int truncated = -1;
        do {
            truncated = ftruncate(descriptor, 0);
        } while (truncated != 0 && errno == EINTR);
        if (truncated != 0) {
            close(descriptor);
            return kInvalidFile;
        }
    }
    return static_cast<FileHandle>(descriptor);
}

bool WriteFileBytes(FileHandle file, const void* bytes, std::size_t size) noexcept
{
    const int descriptor = DescriptorOf(file);
    if (descriptor < 0 || (bytes == nullptr && size != 0)) {
        return false;
    }
    const auto* next = static_cast<const unsigned char*>(bytes);
    std::size_t left = size;
    while (left > 0) {
        const ssize_t written = write(descriptor, next, left);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        next += written;
        left -= static_cast<std::size_t>(written);
    }
    return true;
}

bool CloseFile(FileHandle file) noexcept
{
    const int descriptor = DescriptorOf(file);
    if (descriptor < 0) {
        return false;
    }
    // Linux releases the descriptor even when close is interrupted, so EINTR is not retried; it reports no loss.
    return close(descriptor) == 0 || errno == EINTR;
}

}  // namespace platform
