// The system version on Linux, for code that asks the macOS system for it: 0x1090 unless the environment
// variable PENDRAKE_SYSTEM_VERSION says otherwise (tests set it to reach the branches of older systems).
#include "platform/Platform.h"

#include <charconv>
#include <cstdlib>
#include <cstring>

namespace platform {

bool SystemVersion(int32_t& version) noexcept
{
    const char* text = std::getenv("PENDRAKE_SYSTEM_VERSION");
    if (text == nullptr || text[0] == '\0') {
        version = 0x1090;
        return true;
    }
    const char* end = text + std::strlen(text);
    int base = 10;
    if (end - text > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        text += 2;
        base = 16;
    }
    int32_t value = 0;
    const auto [last, error] = std::from_chars(text, end, value, base);
    if (error != std::errc() || last != end || value < 0) return false;
    version = value;
    return true;
}

}  // namespace platform
