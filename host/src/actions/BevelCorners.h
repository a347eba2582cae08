// Bevels for the clipping library's offsetting, which only mitres, squares or rounds a corner: a corner cut
// back along both its edges by distance * tan(turn / 4) is mitred by the offset exactly where the bevel's
// chord lies, from the end of one edge's offset to the start of the next.
#ifndef HOST_ACTIONS_BEVELCORNERS_H
#define HOST_ACTIONS_BEVELCORNERS_H

#include <polyclipping/clipper.hpp>

#include <vector>

namespace host {

struct BevelRule {
    bool every = false;     // a bevel join: every corner; otherwise those whose miter exceeds the limit
    double miterLimit = 4;  // miter length over twice the distance
    int side = 0;           // which turns: 0 both (a stroke), 1 left turns only, -1 right turns only
    double tolerance = 0;   // integer units; a miter this close to its bevel (or round join) stays
};

// The path with the corners the rule picks cut back for an offset by distance (integer units). Points marked
// smooth (inside a flattened curve) join round: they are cut as one chord of the arc wherever a miter would
// stand out of it by more than the tolerance. A cut takes at most half of either edge.
ClipperLib::Path BevelCorners(const ClipperLib::Path& path, bool closed, double distance, const BevelRule& rule,
                              const std::vector<bool>& smooth = {});

}  // namespace host

#endif
