#include <string_view>

#include "CutOutputPaths.h"
#include "platform/Platform.h"

namespace {

constexpr int kShowNormal = 1;

// A path with a blank would split into several arguments; any other path is written exactly as it is.
std::string Argument(const std::string& path)
{
    if (path.find_first_of(" \t") == std::string::npos) return path;
    return "\"" + path + "\"";
}

}  // namespace

std::string TalvexCommandLine(const std::string& application, const std::string& file)
{
    return Argument(application) + " -i " + Argument(file);
}

bool StartTalvex(const std::string& file) noexcept
{
    if (gTalvexPath == std::string_view(kDefaultTalvexPath)) return false;
    try {
        // The application reads the file while the plug-in goes on; whether it could start is not noticed.
        platform::StartProgram(TalvexCommandLine(gTalvexPath, file), kShowNormal);
    } catch (...) {
        // No memory for the command line: the application is not started, like one that cannot start.
    }
    return true;
}
