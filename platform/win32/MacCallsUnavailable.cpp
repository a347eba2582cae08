// The macOS calls (bundles, file-system references, forks, the system version, Launch Services) have no place on
// Windows: each reports that it cannot, so that code of both feature sets links and the Windows one never
// relies on them.
#include "platform/Platform.h"

namespace platform {

struct Bundle {};

BundleRef CreateBundle(const std::string& /*folderPath*/) noexcept { return nullptr; }
void* BundleFunctionPointer(BundleRef /*bundle*/, const char* /*name*/) noexcept { return nullptr; }
bool BundleIsExecutableLoaded(BundleRef /*bundle*/) noexcept { return false; }
void ReleaseBundle(BundleRef /*bundle*/) noexcept {}

bool MakeFileSystemRef(const std::string& /*path*/, FileSystemRef& /*ref*/, bool* /*isFolder*/) noexcept
{
    return false;
}
bool MakeChildRef(const FileSystemRef& /*folder*/, const std::u16string& /*name*/, FileSystemRef& /*ref*/) noexcept
{
    return false;
}
bool DeleteObject(const FileSystemRef& /*ref*/) noexcept { return false; }
bool CreateFileIn(const FileSystemRef& /*folder*/, const std::u16string& /*name*/, FileSystemRef& /*ref*/) noexcept
{
    return false;
}
FileHandle OpenDataFork(const FileSystemRef& /*file*/, int8_t /*permissions*/) noexcept { return kInvalidFile; }
bool SystemVersion(int32_t& /*version*/) noexcept { return false; }
bool OpenFileSystemItem(const FileSystemRef& /*item*/) noexcept { return false; }

}  // namespace platform
