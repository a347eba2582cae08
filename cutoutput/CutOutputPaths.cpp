#include "CutOutputPaths.h"

#include <cstring>
#include <string_view>

#include "platform/Platform.h"

std::string gTalvexPath = kDefaultTalvexPath;
std::string gCutFileName;

namespace {

constexpr char kTalvexKey[] = "Software\\Varrow KT Corporation\\Talvex\\Folder";
constexpr char kTalvexValue[] = "Path";

constexpr int kShowNormal = 1;

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

// A path with a blank would split into several arguments; any other path is written exactly as it is.
std::string Argument(const std::string& path)
{
    if (path.find_first_of(" \t") == std::string::npos) return path;
    return "\"" + path + "\"";
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

void MakeCutFileName() noexcept
{
    gCutFileName.clear();
    try {
        // A folder or a file name longer than the start-up buffers leaves the plug-in without a cut data file:
        // every output run then reports the file as not written.
        const std::string folder = platform::TemporaryFolder();
        if (folder.empty() || folder.size() >= kMaxPathBytes) return;
        std::string path;
        if (!platform::CreateTemporaryFile(folder, "~TX", path) || path.size() >= kMaxPathBytes) return;
        gCutFileName = path;
    } catch (...) {
        gCutFileName.clear();
    }
}

std::string TalvexCommandLine(const std::string& application, const std::string& file)
{
    return Argument(application) + " -i " + Argument(file);
}

TalvexStart StartTalvex(const std::string& file) noexcept
{
    if (gTalvexPath == std::string_view(kDefaultTalvexPath)) return TalvexStart::kNotInstalled;
    try {
        // The application reads the file while the plug-in goes on; a start the system refused is reported, as
        // the user would otherwise wait for an application that never comes.
        return platform::StartProgram(TalvexCommandLine(gTalvexPath, file), kShowNormal) ? TalvexStart::kStarted
                                                                                         : TalvexStart::kFailed;
    } catch (...) {
        return TalvexStart::kFailed;  // no memory for the command line: nothing was started
    }
}
