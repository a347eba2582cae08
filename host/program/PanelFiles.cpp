#include "PanelFiles.h"

#include <fstream>
#include <iterator>
#include <system_error>

namespace pendrake {
namespace {

bool EndsWith(std::string_view text, std::string_view end)
{
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// True when path lies inside folder; both are canonical.
bool IsInside(const std::filesystem::path& path, const std::filesystem::path& folder)
{
    auto part = path.begin();
    for (const auto& step : folder) {
        if (part == path.end() || *part != step) return false;
        ++part;
    }
    return part != path.end();
}

}  // namespace

std::string ContentTypeOf(std::string_view name)
{
    if (EndsWith(name, ".html")) return "text/html; charset=utf-8";
    if (EndsWith(name, ".js")) return "text/javascript";
    if (EndsWith(name, ".css")) return "text/css";
    if (EndsWith(name, ".svg")) return "image/svg+xml";
    if (EndsWith(name, ".png")) return "image/png";
    return "application/octet-stream";
}

bool PanelFiles::Exists() const
{
    std::error_code error;
    return std::filesystem::is_directory(fFolder, error);
}

std::optional<PanelFile> PanelFiles::Read(const std::string& name) const
{
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::canonical(fFolder, error);
    if (error) return std::nullopt;
    const std::filesystem::path path = std::filesystem::canonical(folder / name, error);
    if (error || !IsInside(path, folder) || !std::filesystem::is_regular_file(path, error)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) return std::nullopt;
    return PanelFile{std::move(bytes), ContentTypeOf(name)};
}

}  // namespace pendrake
