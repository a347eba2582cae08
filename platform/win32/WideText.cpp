#include "WideText.h"

#include "SystemHeaders.h"

namespace platform {

bool WideFromUtf8(const std::string& utf8, std::wstring& wide)
{
    wide.clear();
    if (utf8.empty()) return true;
    if (utf8.find('\0') != std::string::npos || utf8.size() > 0x7FFFFFFF) return false;
    const int size = static_cast<int>(utf8.size());
    const int length = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), size, nullptr, 0);
    if (length <= 0) return false;
    wide.resize(static_cast<std::size_t>(length));
    return MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), size, wide.data(), length) == length;
}

std::string Utf8FromWide(const wchar_t* wide, int length)
{
    if (wide == nullptr || length <= 0) return std::string();
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide, length, nullptr, 0, nullptr, nullptr);
    if (size <= 0) return std::string();
    std::string utf8(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide, length, utf8.data(), size, nullptr, nullptr);
    return utf8;
}

}  // namespace platform
