// Whole-file reads on Windows: the UTF-8 path opened through its wide form, the type checked before any read.
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "RegularFile.h"
#include "host/Utf.h"

namespace host {

std::string ReadRegularFile(const std::string& path, std::size_t limit, const std::string& limitText, std::string& text)
{
    text.clear();
    std::filesystem::path file;
    try {
        file = PathOfUtf8(path);
    } catch (...) {
        return "cannot open the file: the path is not UTF-8 text";
    }
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(file, error);
    if (error) return "cannot open the file: " + error.message();
    if (status.type() != std::filesystem::file_type::regular) return "not a regular file";
    const std::string tooLarge = "the file is larger than " + limitText;
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    if (error) return "cannot read the file: " + error.message();
    if (size > limit) return tooLarge;
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::string("cannot open the file: ") + std::strerror(errno);
    // One byte more than the size is asked for, so that a file that grew meanwhile is noticed.
    text.resize(static_cast<std::size_t>(size) + 1);
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    if (in.bad()) {
        text.clear();
        return "cannot read the file";
    }
    text.resize(static_cast<std::size_t>(in.gcount()));
    if (text.size() > size) {
        text.clear();
        return "the file changed while it was read";
    }
    return {};
}

}  // namespace host
