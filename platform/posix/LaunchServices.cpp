// Opening an item on Linux as the Finder would: an application bundle ("TalvexOutputX.app") starts its program,
// Contents/MacOS/TalvexOutputX; anything else goes to the desktop's opener.
#include "StartDetached.h"
#include "platform/Platform.h"

#include <filesystem>
#include <system_error>
#include <vector>

namespace platform {

bool OpenFileSystemItem(const FileSystemRef& item) noexcept
{
    try {
        namespace fs = std::filesystem;
        std::error_code error;
        if (item.path.empty()) return false;
        fs::path folder = fs::path(item.path).lexically_normal();
        if (!folder.has_filename()) folder = folder.parent_path();
        if (folder.extension() != ".app" || !fs::is_directory(folder, error)) return OpenWithDesktop(item.path);
        const fs::path name = folder.filename().stem();
        if (name.empty()) return false;
        const fs::path program = folder / "Contents" / "MacOS" / name;
        if (!fs::is_regular_file(program, error)) return false;
        return StartDetached(std::vector<std::string>{program.string()});
    } catch (...) {
        return false;
    }
}

}  // namespace platform
