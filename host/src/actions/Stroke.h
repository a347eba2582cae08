// The area a stroke paints along polylines: width, caps, joins and miter limit as the path style has them
// (caps kPDButtCap, kPDRoundCap, kPDProjectingCap; joins kPDMiterJoin, kPDRoundJoin, kPDBevelJoin).
#ifndef HOST_ACTIONS_STROKE_H
#define HOST_ACTIONS_STROKE_H

#include <cstdint>
#include <vector>

#include "Geometry.h"

namespace host {

struct StrokeShape {
    double width = 1;
    int16_t cap = 0;
    int16_t join = 0;
    double miterLimit = 4;  // miter length over stroke width (1 to 500); a longer miter becomes a bevel
};

// The stroke's area: one piece per straight run, join and cap, united. Closed polylines have no caps.
ClipperLib::Paths StrokeArea(const std::vector<Polyline>& lines, const StrokeShape& shape);

}  // namespace host

#endif
