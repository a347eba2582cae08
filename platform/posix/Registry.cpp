// The registry on Linux: each root is a folder, a key is a folder below it (each "\" of the key's name read as
// "/"), a value is a file in the key's folder and its bytes are the value's data.
#include "platform/Platform.h"

#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <new>

namespace platform {

struct RegistryKey {
    std::string fFolder;
};

namespace {

// An environment variable's text, or null when it is unset or empty.
const char* NonEmptyVariable(const char* name) noexcept
{
    const char* value = std::getenv(name);
    return value != nullptr && value[0] != '\0' ? value : nullptr;
}

// The folder that stands for a root; empty when it cannot be determined (no home folder).
std::string RootFolder(RegistryRoot root)
{
    if (root == RegistryRoot::kCurrentUser) {
        if (const char* folder = NonEmptyVariable("PENDRAKE_REGISTRY_HKCU")) {
            return folder;
        }
        if (const char* folder = NonEmptyVariable("XDG_CONFIG_HOME")) {
            return folder;
        }
        if (const char* home = NonEmptyVariable("HOME")) {
            return std::string(home) + "/.config";
        }
        return std::string();
    }
    if (const char* folder = NonEmptyVariable("PENDRAKE_REGISTRY_HKLM")) {
        return folder;
    }
    return "/etc/xdg";
}

// Whether one name component may stand for a folder or file: not empty, not "." or "..".
bool IsPlainComponent(const std::string& component)
{
    return !component.empty() && component != "." && component != "..";
}

// "Software\A\B" -> "Software/A/B"; false for empty, "." or ".." components (which would leave the root or
// make two names reach one key). An empty key name is the root itself.
bool KeyFolderOf(const char* subKey, std::string& relative)
{
    relative.clear();
    if (subKey == nullptr || subKey[0] == '\0') {
        return true;
    }
    std::string component;
    for (const char* at = subKey;; ++at) {
        if (*at == '\\' || *at == '/' || *at == '\0') {
            if (!IsPlainComponent(component)) {
                return false;
            }
            relative += relative.empty() ? "" : "/";
            relative += component;
            component.clear();
            if (*at == '\0') {
                return true;
            }
        } else {
            component += *at;
        }
    }
}

bool IsFolder(const std::string& path) noexcept
{
    struct stat status {};
    return stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode) && access(path.c_str(), R_OK | X_OK) == 0;
}

// Reads up to capacity bytes into buffer; false when the file holds more or a read fails.
bool ReadWhole(int descriptor, unsigned char* buffer, uint32_t capacity, uint32_t& stored) noexcept
{
    stored = 0;
    while (stored < capacity) {
        const ssize_t count = read(descriptor, buffer + stored, capacity - stored);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count < 0) {
            return false;
        }
        if (count == 0) {
            return true;
        }
        stored += static_cast<uint32_t>(count);
    }
    // The buffer is full: the value fits only when the file ends here.
    for (;;) {
        unsigned char extra = 0;
        const ssize_t count = read(descriptor, &extra, 1);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        return count == 0;
    }
}

}  // namespace

RegistryKeyRef OpenRegistryKey(RegistryRoot root, const char* subKey) noexcept
{
    try {
        std::string relative;
        const std::string rootFolder = RootFolder(root);
        if (rootFolder.empty() || !KeyFolderOf(subKey, relative)) {
            return nullptr;
        }
        std::string folder = relative.empty() ? rootFolder : rootFolder + "/" + relative;
        if (!IsFolder(folder)) {
            return nullptr;
        }
        return new RegistryKey{std::move(folder)};
    } catch (...) {
        return nullptr;
    }
}

bool QueryRegistryValue(RegistryKeyRef key, const char* valueName, void* buffer, uint32_t* size) noexcept
{
    if (key == nullptr || valueName == nullptr || size == nullptr || (buffer == nullptr && *size != 0)) {
        return false;
    }
    std::string path;
    try {
        const std::string name(valueName);
        if (!IsPlainComponent(name) || name.find('/') != std::string::npos) {
            return false;
        }
        path = key->fFolder + "/" + name;
    } catch (...) {
        return false;
    }
    int descriptor = -1;
    do {
        // A FIFO would make a blocking open wait for a writer; only a regular file is a value.
        descriptor = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    } while (descriptor < 0 && errno == EINTR);
    if (descriptor < 0) {
        return false;
    }
    struct stat status {};
    uint32_t stored = 0;
    const bool read = fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode) &&
                      ReadWhole(descriptor, static_cast<unsigned char*>(buffer), *size, stored);
    close(descriptor);
    if (read) {
        *size = stored;
    }
    return read;
}

bool CloseRegistryKey(RegistryKeyRef key) noexcept
{
    if (key == nullptr) {
        return false;
    }
    delete key;
    return true;
}

}  // namespace platform
