// How the root's user space lands on the page: viewBox, preserveAspectRatio and the page size in points, then the
// turn into artwork coordinates (y upward, the origin subtracted).
#ifndef HOST_SVG_SVGVIEWPORT_H
#define HOST_SVG_SVGVIEWPORT_H

#include <string_view>

#include "svg/SvgTransform.h"

namespace host::svg {

struct ViewBox {
    double x = 0, y = 0, width = 0, height = 0;
};

struct AspectRatio {
    bool none = false;
    double alignX = 0.5;  // 0 min, 0.5 mid, 1 max
    double alignY = 0.5;
    bool slice = false;
};

// Four numbers, width and height positive. Throws SvgValueError.
ViewBox ParseViewBox(std::string_view text);
// "[defer] <align> [meet|slice]". Throws SvgValueError.
AspectRatio ParseAspectRatio(std::string_view text);

// User units to page points with y downward; no viewBox: one user unit is one CSS pixel (0.75 pt).
Matrix ViewportMatrix(double widthPt, double heightPt, const ViewBox* viewBox, const AspectRatio& ratio);
// Page points with y downward to artwork coordinates: y turned upward from the page's bottom edge, then the origin
// subtracted.
Matrix ArtworkMatrix(double pageHeight, Point origin);

}  // namespace host::svg

#endif
