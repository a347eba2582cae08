#include <cstring>

#include "CutOutputPaths.h"
#include "platform/Platform.h"

std::string gTalvexPath = kDefaultTalvexPath;

namespace {

constexpr char kTalvexKey[] = "Software\\Varrow KT Corporation\\Talvex\\Folder";
constexpr char kTalvexValue[] = "Path";

// The value under one root; false when the key or the value is missing, does not fit, or the key does not close.
bool ReadTalvexPath(platform::RegistryRoot root, std::string& path)
{
    const platform::RegistryKeyRef key = platform::OpenRegistryKey(root, kTalvexKey);
    if (!key) return false;
    char bytes[kMaxPathBytes];
    uint32_t size = sizeof bytes;
    // The registry type is not examined: the bytes are the path.
    const bool read = platform::QueryRegistryValue(key, kTalvexValue, bytes, &size) && size <= sizeof bytes &&
                      PathOfRegistryBytes(bytes, size, path);
    const bool closed = platform::CloseRegistryKey(key);
    return read && closed;
}

}  // namespace

bool PathOfRegistryBytes(const char* bytes, uint32_t size, std::string& path)
{
    const void* nul = std::memchr(bytes, '\0', size);
    if (!nul && size >= kMaxPathBytes) return false;  // no room left for the terminator
    const std::size_t length = nul ? static_cast<std::size_t>(static_cast<const char*>(nul) - bytes) : size;
    path.assign(bytes, length);
    return true;
}

void FindTalvexPath() noexcept
{
    try {
        std::string path;
        if (ReadTalvexPath(platform::RegistryRoot::kCurrentUser, path) ||
            ReadTalvexPath(platform::RegistryRoot::kLocalMachine, path)) {
            gTalvexPath = path;
            return;
        }
    } catch (...) {
        // Without memory for the path the application counts as not installed.
    }
    gTalvexPath = kDefaultTalvexPath;  // fits the string's own buffer: no allocation
}
