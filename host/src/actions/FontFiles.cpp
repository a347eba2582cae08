#include "FontFiles.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

namespace host {
namespace {

bool Mentions(std::string text, const std::string& word)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text.find(word) != std::string::npos;
}

// The files to try for a family, best first; DejaVu Sans serves every family that has no closer match.
std::vector<std::string> Candidates(const std::string& family)
{
    std::vector<std::string> files;
    if (Mentions(family, "mono") || Mentions(family, "courier")) files.push_back("DejaVuSansMono.ttf");
    if (Mentions(family, "serif") && !Mentions(family, "sans")) files.push_back("DejaVuSerif.ttf");
    if (Mentions(family, "times") || Mentions(family, "georgia")) files.push_back("DejaVuSerif.ttf");
    files.push_back("DejaVuSans.ttf");
    return files;
}

}  // namespace

std::string FindFontFile(const std::string& family, const std::vector<std::string>& folders)
{
    for (const std::string& file : Candidates(family))
        for (const std::string& folder : folders) {
            const std::filesystem::path path = std::filesystem::path(folder) / file;
            std::error_code error;
            if (std::filesystem::is_regular_file(path, error)) return path.string();
        }
    return {};
}

std::string FindFontFile(const std::string& family)
{
    static const std::vector<std::string> kFolders = {"/usr/share/fonts/truetype/dejavu", "/usr/share/fonts/TTF",
                                                      "/usr/share/fonts/dejavu", "/usr/share/fonts/truetype",
                                                      "/usr/local/share/fonts"};
    return FindFontFile(family, kFolders);
}

}  // namespace host
