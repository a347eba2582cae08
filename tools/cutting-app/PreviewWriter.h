// The SVG preview of a cut data file: crop marks as grey circles, cut lines as black strokes, perforation lines
// as dashed red strokes, in points, with the file's upward y turned into the SVG's downward y.
#ifndef TOOLS_CUTTINGAPP_PREVIEWWRITER_H
#define TOOLS_CUTTINGAPP_PREVIEWWRITER_H

#include <string>

#include "CutData.h"

namespace talvex {

std::string PreviewSvg(const CutData& data);

// A coordinate as the preview writes it: at most six decimals, trailing zeros dropped, no "-0".
std::string SvgNumber(double value);

}  // namespace talvex

#endif
