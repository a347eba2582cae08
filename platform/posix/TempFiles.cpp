// Temporary files on Linux: the folder is $TMPDIR (default /tmp), and a new file is named like the system's
// temporary files elsewhere, prefix + up to four uppercase hexadecimal digits + ".TMP", created exclusively.
#include "platform/Platform.h"

#include <errno.h>
#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace platform {
namespace {

// Numbers 1 to 0xFFFF are used; 0 would leave the name without a unique part on some systems.
constexpr uint32_t kUniqueNumbers = 0xFFFF;

// Advanced by every call, so that calls in one process in the same second start from different numbers.
std::atomic<uint32_t> gNextOffset{0};

// The first number to try: from the process id and the time, like the system's own naming.
uint32_t FirstUniqueNumber() noexcept
{
    const auto pid = static_cast<uint32_t>(getpid());
    const auto now = static_cast<uint32_t>(std::time(nullptr));
    const uint32_t mixed = pid * 0x9E37u + now + gNextOffset.fetch_add(1);
    return mixed % kUniqueNumbers + 1;
}

// prefix "~TX", number 0x1A2 -> "~TX1A2.TMP".
std::string FileNameOf(const char* prefix, uint32_t number)
{
    char digits[8];
    std::snprintf(digits, sizeof digits, "%X", static_cast<unsigned>(number));
    return std::string(prefix) + digits + ".TMP";
}

}  // namespace

std::string TemporaryFolder()
{
    const char* folder = std::getenv("TMPDIR");
    std::string path = folder != nullptr && folder[0] != '\0' ? folder : "/tmp";
    if (path.back() != '/') {
        path += '/';
    }
    return path;
}

bool CreateTemporaryFile(const std::string& folder, const char* prefix, std::string& path) noexcept
{
    try {
        if (folder.empty() || prefix == nullptr || folder.find('\0') != std::string::npos ||
            std::string(prefix).find('/') != std::string::npos) {
            return false;
        }
        const std::string base = folder.back() == '/' ? folder : folder + "/";
        uint32_t number = FirstUniqueNumber();
        for (uint32_t tries = 0; tries < kUniqueNumbers; ++tries) {
            const std::string candidate = base + FileNameOf(prefix, number);
            int descriptor = -1;
            do {
                descriptor = open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
            } while (descriptor < 0 && errno == EINTR);
            if (descriptor >= 0) {
                if (close(descriptor) != 0 && errno != EINTR) {
                    unlink(candidate.c_str());
                    return false;
                }
                path = candidate;
                return true;
            }
            if (errno != EEXIST) {
                // A missing or unwritable folder does not improve with another number.
                return false;
            }
            number = number % kUniqueNumbers + 1;
        }
        return false;
    } catch (...) {
        return false;
    }
}

}  // namespace platform
