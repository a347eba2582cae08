// The colour keywords of CSS, which drawing tools and hand-written files use as often as hex colours.
#ifndef HOST_SVG_SVGCOLORNAMES_H
#define HOST_SVG_SVGCOLORNAMES_H

#include <string_view>

#include "svg/SvgPaint.h"

namespace host::svg {

// The colour of a lower-case keyword ("steelblue"); false for a word that names none.
bool LookUpColorName(std::string_view lowerName, Rgb8& color);

}  // namespace host::svg

#endif
