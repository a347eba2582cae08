#include "RegularFile.h"

#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>

namespace host {
namespace {

class Descriptor {
public:
    explicit Descriptor(int descriptor) : fDescriptor(descriptor) {}
    ~Descriptor()
    {
        if (fDescriptor >= 0) close(fDescriptor);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int Get() const { return fDescriptor; }

private:
    int fDescriptor;
};

}  // namespace

std::string ReadRegularFile(const std::string& path, std::size_t limit, const std::string& limitText, std::string& text)
{
    text.clear();
    int opened = -1;
    do {
        // Without O_NONBLOCK opening a FIFO waits for a writer; the type is checked before any read.
        opened = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    } while (opened < 0 && errno == EINTR);
    if (opened < 0) return std::string("cannot open the file: ") + std::strerror(errno);
    const Descriptor file(opened);
    struct stat status {};
    if (fstat(file.Get(), &status) != 0) return std::string("cannot read the file: ") + std::strerror(errno);
    if (!S_ISREG(status.st_mode)) return "not a regular file";
    const std::string tooLarge = "the file is larger than " + limitText;
    if (status.st_size < 0 || static_cast<unsigned long long>(status.st_size) > limit) return tooLarge;

    // One byte more than the limit is asked for, so that a file that grew since fstat is noticed.
    text.resize(static_cast<std::size_t>(status.st_size) + 1);
    std::size_t stored = 0;
    for (;;) {
        if (stored == text.size()) {
            if (text.size() > limit) {
                text.clear();
                return tooLarge;
            }
            text.resize(std::min(limit + 1, text.size() * 2));
        }
        const ssize_t count = read(file.Get(), text.data() + stored, text.size() - stored);
        if (count < 0 && errno == EINTR) continue;
        if (count < 0) {
            const int error = errno;
            text.clear();
            return std::string("cannot read the file: ") + std::strerror(error);
        }
        if (count == 0) break;
        stored += static_cast<std::size_t>(count);
    }
    text.resize(stored);
    return {};
}

}  // namespace host
