// UTF-8 and the system's UTF-16 ("wide") texts, for the calls that take wide paths.
#ifndef PLATFORM_WIN32_WIDETEXT_H
#define PLATFORM_WIN32_WIDETEXT_H

#include <string>

namespace platform {

// False for invalid UTF-8 or a NUL inside the text.
bool WideFromUtf8(const std::string& utf8, std::wstring& wide);
// Unpaired surrogates become U+FFFD.
std::string Utf8FromWide(const wchar_t* wide, int length);

}  // namespace platform

#endif
