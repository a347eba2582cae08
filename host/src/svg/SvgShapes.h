// The basic shapes as subpaths in user units.
#ifndef HOST_SVG_SVGSHAPES_H
#define HOST_SVG_SVGSHAPES_H

#include <vector>

#include "svg/SvgPathData.h"

namespace host::svg {

// The control point distance of a quarter circle, as a fraction of the radius.
constexpr double kKappa = 0.5522847498;

// Clockwise on screen from the top-left corner (from the end of the top-left rounding with rx, ry); radii are
// clamped to half the sides, and straight sides of zero length are left out.
Subpath RectPath(double x, double y, double width, double height, double rx, double ry);
// Four quarter curves from the rightmost point, in the direction of growing angle (downward on screen first).
Subpath EllipsePath(double cx, double cy, double rx, double ry);
Subpath LinePath(Point from, Point to);
// coordinates holds x, y pairs (at least one).
Subpath PolyPath(const std::vector<double>& coordinates, bool closed);

}  // namespace host::svg

#endif
