// Text from a file as a message shows it: in double quotes, escaped, and cut short when long.
#ifndef TOOLS_COMMON_QUOTEDTEXT_H
#define TOOLS_COMMON_QUOTEDTEXT_H

#include <string>
#include <string_view>

namespace talvex {

// The first 60 bytes in double quotes, with '"' and '\' escaped by '\', bytes outside printable ASCII as
// "\xHH", and "..." after a longer text.
std::string QuotedText(std::string_view text);

}  // namespace talvex

#endif
