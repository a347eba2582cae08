// The SVG preview of a cut data file: crop marks as grey circles, cut lines as black strokes, perforation lines
// as dashed red strokes, in points, with the file's upward y turned into the SVG's downward y.
#ifndef TOOLS_CUTTINGAPP_PREVIEWWRITER_H
#define TOOLS_CUTTINGAPP_PREVIEWWRITER_H

#include <string>

#include "CutData.h"

namespace talvex {

std::string PreviewSvg(const CutData& data);

}  // namespace talvex

#endif
