// Conversions between the byte encodings plug-ins hand over and the host strings' UTF-16.
#ifndef HOST_UTF_H
#define HOST_UTF_H

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace host {

// The offset of the first byte that does not start a valid UTF-8 sequence (a stray continuation byte, a
// sequence cut short, an overlong form, a surrogate, a code point past U+10FFFF); npos when all of it is valid.
std::size_t FirstInvalidUtf8(std::string_view bytes);
inline bool IsValidUtf8(std::string_view bytes) { return FirstInvalidUtf8(bytes) == std::string_view::npos; }

// Decodes UTF-8; every byte sequence that is not valid UTF-8 becomes one U+FFFD, so nothing is dropped silently.
std::u16string DecodeUtf8(std::string_view bytes);
// Encodes UTF-16; an unpaired surrogate becomes U+FFFD.
std::string EncodeUtf8(std::u16string_view text);

// A file-system path from the UTF-8 text the host keeps paths in (on Windows the system's paths are UTF-16, so
// a plain std::string would be read in the ANSI code page). Throws std::filesystem::filesystem_error or
// std::system_error for text that is not UTF-8.
inline std::filesystem::path PathOfUtf8(const std::string& utf8)
{
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

}  // namespace host

#endif
