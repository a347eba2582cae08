// The geometric bounding box of objects in another coordinate system (an element's user space), with the
// extremes of their curves, not only their anchors: what objectBoundingBox units are relative to.
#ifndef HOST_SVG_SVGBOUNDS_H
#define HOST_SVG_SVGBOUNDS_H

#include "host/Document.h"
#include "svg/SvgTransform.h"

namespace host::svg {

// Grows bounds (left/top the smaller, right/bottom the larger coordinates) by art and everything inside it, each
// point mapped by toSpace; any is false until the first point. Text counts by its origin.
void GrowBounds(const Art& art, const Matrix& toSpace, Rect& bounds, bool& any);

}  // namespace host::svg

#endif
