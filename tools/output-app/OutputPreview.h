// The SVG preview of what the plotter would cut: the paths of tmp.txt (of tmp_pro.txt when tmp.txt could not be
// read) as black polylines and the crop-mark frame in grey, in plotter units (0.025 mm) with the plotter's
// upward y turned into the SVG's downward y, sized in millimetres.
#ifndef TOOLS_OUTPUTAPP_OUTPUTPREVIEW_H
#define TOOLS_OUTPUTAPP_OUTPUTPREVIEW_H

#include <string>

#include "OutputLog.h"

namespace talvex {

// The frame joins the centres of the four corner marks: the lower-left one at the origin offset of
// "@PJL DO CROPMARK", the others W and L from it. The plot's origin is the lower-left corner of the area the
// marks cover, so the offset is also the marks' radius; each corner shows a circle of that radius.
std::string OutputPreviewSvg(const CommandFiles& files);

}  // namespace talvex

#endif
