#include "QuotedText.h"

#include <cstdio>

namespace talvex {

std::string QuotedText(std::string_view text)
{
    constexpr std::size_t kShown = 60;
    std::string quoted = "\"";
    for (std::size_t i = 0; i < text.size() && i < kShown; ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += static_cast<char>(c);
        } else if (c >= 0x20 && c < 0x7F) {
            quoted += static_cast<char>(c);
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", static_cast<unsigned>(c));
            quoted += escaped;
        }
    }
    if (text.size() > kShown) {
        quoted += "...";
    }
    return quoted + "\"";
}

}  // namespace talvex
