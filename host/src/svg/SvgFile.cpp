// SVG files: read whole (regular files within kMaxSvgFileBytes only), written to a temporary file beside the
// target and renamed over it, so that a failed save leaves the old file as it was.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "RegularFile.h"
#include "host/Svg.h"

namespace host {

std::unique_ptr<Document> ReadSvgFile(const std::string& path, const SvgReadOptions& options)
{
    std::string text;
    if (const std::string why = ReadRegularFile(path, kMaxSvgFileBytes, "512 MiB", text); !why.empty())
        throw SvgError(path + ": " + why);
    std::unique_ptr<Document> document = ReadSvgText(std::move(text), path, options);
    document->SetFileName(path);
    return document;
}

void WriteSvgFile(const Document& document, const std::string& path)
{
    const std::string text = WriteSvgText(document);
    const std::string temporary = path + ".saving";
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (!file) throw SvgError("cannot write " + path + ": " + std::strerror(errno));
    const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    const int writeError = errno;
    const bool closed = std::fclose(file) == 0;
    if (!written || !closed) {
        const int error = !written ? writeError : errno;
        std::remove(temporary.c_str());
        throw SvgError("cannot write " + path + ": " + std::strerror(error));
    }
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
    if (error) {
        std::remove(temporary.c_str());
        throw SvgError("cannot write " + path + ": " + error.message());
    }
}

}  // namespace host
