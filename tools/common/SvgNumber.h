// Numbers as the stand-ins' SVG previews write them.
#ifndef TOOLS_COMMON_SVGNUMBER_H
#define TOOLS_COMMON_SVGNUMBER_H

#include <string>

namespace talvex {

// At most six decimals, trailing zeros dropped, no "-0".
std::string SvgNumber(double value);

}  // namespace talvex

#endif
