// Lengths: a number with an optional unit. The page size is taken in points; every other length in user units,
// where one user unit is one CSS pixel (96 to the inch) before any viewBox.
#ifndef HOST_SVG_SVGLENGTH_H
#define HOST_SVG_SVGLENGTH_H

#include <string>
#include <string_view>
#include <vector>

namespace host::svg {

struct Length {
    double value = 0;
    std::string unit;  // "", "px", "pt", "pc", "mm", "cm", "in", "%", "em", ...
};

// A number directly followed by an optional unit (letters or "%"), white space around allowed.
Length ParseLength(std::string_view text);
// A length of the page in points; absolute units only.
double LengthInPoints(const Length& length);
// A length in user units; absolute units only ("" and "px" keep the number as it is).
double LengthInUserUnits(const Length& length);
// Lengths separated by white space and/or commas, in user units.
std::vector<double> ParseUserLengthList(std::string_view text);

}  // namespace host::svg

#endif
