// Temporary files on Windows: GetTempPathA and GetTempFileNameA, which creates the file itself, named prefix +
// hexadecimal digits + ".TMP".
#include "SystemHeaders.h"

#include "platform/Platform.h"

namespace platform {

std::string TemporaryFolder()
{
    char folder[MAX_PATH + 1] = {};
    const DWORD length = GetTempPathA(sizeof folder, folder);
    if (length == 0 || length > MAX_PATH) return std::string();
    return std::string(folder, length);
}

bool CreateTemporaryFile(const std::string& folder, const char* prefix, std::string& path) noexcept
{
    try {
        if (folder.empty() || prefix == nullptr || folder.find('\0') != std::string::npos) return false;
        char name[MAX_PATH] = {};
        // Number 0: the system picks a unique number and creates the empty file.
        if (GetTempFileNameA(folder.c_str(), prefix, 0, name) == 0) return false;
        path = name;
        return true;
    } catch (...) {
        return false;
    }
}

}  // namespace platform
