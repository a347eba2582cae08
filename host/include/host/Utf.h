// Conversions between the byte encodings plug-ins hand over and the host strings' UTF-16.
#ifndef HOST_UTF_H
#define HOST_UTF_H

#include <string>
#include <string_view>

namespace host {

// Decodes UTF-8; every byte sequence that is not valid UTF-8 becomes one U+FFFD, so nothing is dropped silently.
std::u16string DecodeUtf8(std::string_view bytes);
// Encodes UTF-16; an unpaired surrogate becomes U+FFFD.
std::string EncodeUtf8(std::u16string_view text);

}  // namespace host

#endif
