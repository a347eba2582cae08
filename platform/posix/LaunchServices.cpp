// Opening an application bundle on Linux: the bundle is a folder, its program Contents/MacOS/<name>, where name
// is the folder's name without its extension ("TalvexOutputX.app" -> "TalvexOutputX").
#include "StartDetached.h"
#include "platform/Platform.h"

#include <filesystem>
#include <system_error>
#include <vector>

namespace platform {

bool OpenApplication(const FileSystemRef& bundle) noexcept
{
    try {
        std::error_code error;
        if (bundle.path.empty() || !std::filesystem::is_directory(bundle.path, error)) return false;
        const std::filesystem::path folder = std::filesystem::path(bundle.path).lexically_normal();
        const std::filesystem::path name = (folder.has_filename() ? folder : folder.parent_path()).filename().stem();
        if (name.empty() || name == "." || name == "..") return false;
        const std::filesystem::path program = folder / "Contents" / "MacOS" / name;
        if (!std::filesystem::is_regular_file(program, error)) return false;
        return StartDetached(std::vector<std::string>{program.string()});
    } catch (...) {
        return false;
    }
}

}  // namespace platform
