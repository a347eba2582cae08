#include "CutOutputPaths.h"
#include "platform/Platform.h"

std::string gCutFileName;

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
