// The area a stroke paints along polylines: width, caps, joins and miter limit as the path style has them
// (caps kPDButtCap, kPDRoundCap, kPDProjectingCap; joins kPDMiterJoin, kPDRoundJoin, kPDBevelJoin).
#ifndef HOST_ACTIONS_STROKE_H
#define HOST_ACTIONS_STROKE_H

#include <cstdint>
#include <vector>

#include "BevelCorners.h"
#include "Geometry.h"

namespace host {

struct StrokeShape {
    double width = 1;
    int16_t cap = 0;
    int16_t join = 0;
    double miterLimit = 4;  // miter length over stroke width (1 to 500); a longer miter becomes a bevel
};

// The library's join for a path style's join: round, or mitred (bevels are cut into the path beforehand).
ClipperLib::JoinType OffsetJoin(int16_t join);
// An offsetter that mitres up to the miter limit and rounds within the flatness.
ClipperLib::ClipperOffset Offsetter(double miterLimit);
// Which corners an offset on side (see BevelRule) bevels for a path style's join and miter limit.
BevelRule Bevels(int16_t join, double miterLimit, int side);

// The stroke's area: each polyline offset to both sides as a whole, joins and caps as the shape has them,
// united. Closed polylines become rings, without caps. Inside a flattened curve the joins are round.
ClipperLib::Paths StrokeArea(const std::vector<Polyline>& lines, const StrokeShape& shape);

}  // namespace host

#endif
