// The panel pages that `pendrake serve` hands out: the files of one folder (app/panel beside the program), read
// afresh for every request, so that a page being worked on shows its latest state.
#ifndef PENDRAKE_PANELFILES_H
#define PENDRAKE_PANELFILES_H

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace pendrake {

struct PanelFile {
    std::string bytes;
    std::string contentType;
};

// The content type of a file by its name's ending: .html, .js, .css, .svg, .png, else application/octet-stream.
std::string ContentTypeOf(std::string_view name);

class PanelFiles {
public:
    explicit PanelFiles(std::filesystem::path folder) : fFolder(std::move(folder)) {}

    const std::filesystem::path& Folder() const { return fFolder; }
    bool Exists() const;

    // The file of the folder with this name (a checked PanelFileName), or nothing when there is no such regular
    // file, it cannot be read or a link leads it outside the folder.
    std::optional<PanelFile> Read(const std::string& name) const;

private:
    std::filesystem::path fFolder;
};

}  // namespace pendrake

#endif
