#include "FileAccess.h"

#include <errno.h>
#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <system_error>

namespace talvex {
namespace {

constexpr off_t kMaxFileSize = 64 * 1024 * 1024;

std::string SystemError(int error) { return std::strerror(error); }

bool WriteAll(int descriptor, const std::string& text)
{
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t written = write(descriptor, text.data() + done, text.size() - done);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        done += static_cast<std::size_t>(written);
    }
    return true;
}

}  // namespace

bool ReadFileBytes(const std::string& path, std::string& bytes, std::string& error)
{
    const int descriptor = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) {
        error = "cannot open: " + SystemError(errno);
        return false;
    }
    struct stat status {};
    if (fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        error = "not a regular file";
        close(descriptor);
        return false;
    }
    if (status.st_size > kMaxFileSize) {
        error = "larger than 64 MiB";
        close(descriptor);
        return false;
    }
    bytes.clear();
    char block[65536];
    for (;;) {
        const ssize_t count = read(descriptor, block, sizeof block);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count < 0) {
            error = "cannot read: " + SystemError(errno);
            close(descriptor);
            return false;
        }
        if (count == 0) {
            break;
        }
        bytes.append(block, static_cast<std::size_t>(count));
        if (bytes.size() > static_cast<std::size_t>(kMaxFileSize)) {
            error = "larger than 64 MiB";
            close(descriptor);
            return false;
        }
    }
    close(descriptor);
    return true;
}

bool WriteFileAtomically(const std::string& path, const std::string& text, std::string& error)
{
    std::string temporary = path + ".XXXXXX";
    const int descriptor = mkostemp(temporary.data(), O_CLOEXEC);
    if (descriptor < 0) {
        error = SystemError(errno);
        return false;
    }
    bool written = WriteAll(descriptor, text) && fchmod(descriptor, 0644) == 0 && fsync(descriptor) == 0;
    int failure = errno;
    if (close(descriptor) != 0 && written) {
        written = false;
        failure = errno;
    }
    if (written && rename(temporary.c_str(), path.c_str()) != 0) {
        written = false;
        failure = errno;
    }
    if (!written) {
        unlink(temporary.c_str());
        error = SystemError(failure);
    }
    return written;
}

std::string ProgramFolder()
{
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : program.parent_path().string();
}

}  // namespace talvex
