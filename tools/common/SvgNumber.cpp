#include "SvgNumber.h"

#include <cstdio>

namespace talvex {

std::string SvgNumber(double value)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.6f", value);
    std::string number(text);
    while (number.back() == '0') {
        number.pop_back();
    }
    if (number.back() == '.') {
        number.pop_back();
    }
    return number == "-0" ? "0" : number;
}

}  // namespace talvex
