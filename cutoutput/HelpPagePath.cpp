#include "HelpPagePath.h"

namespace {

bool IsSeparator(char c) noexcept { return c == '\\' || c == '/'; }

bool IsAbsolute(const std::string& name) noexcept
{
    if (!name.empty() && IsSeparator(name[0])) return true;
    // "C:\x" and the drive-relative "C:x" alike.
    const bool letter = name.size() >= 2 && ((name[0] >= 'A' && name[0] <= 'Z') || (name[0] >= 'a' && name[0] <= 'z'));
    return letter && name[1] == ':';
}

bool HasParentComponent(const std::string& name) noexcept
{
    std::size_t start = 0;
    while (start <= name.size()) {
        std::size_t end = start;
        while (end < name.size() && !IsSeparator(name[end])) ++end;
        if (name.compare(start, end - start, "..") == 0) return true;
        start = end + 1;
    }
    return false;
}

}  // namespace

bool HelpPagePath(const std::string& modulePath, const std::string& fileName, std::string& page)
{
    if (modulePath.empty() || modulePath.size() >= kHelpPathBytes) return false;
    if (fileName.size() >= kHelpNameBytes || fileName.find('\0') != std::string::npos) return false;
    if (IsAbsolute(fileName) || HasParentComponent(fileName)) return false;
    std::size_t folderEnd = 0;  // the page name goes right after the last separator, or replaces everything
    for (std::size_t i = modulePath.size(); i > 0; --i) {
        if (IsSeparator(modulePath[i - 1])) {
            folderEnd = i;
            break;
        }
    }
    if (folderEnd + fileName.size() >= kHelpPathBytes) return false;
    page = modulePath.substr(0, folderEnd) + fileName;
    return true;
}
