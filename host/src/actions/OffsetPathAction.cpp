// Offset path: each selected path or compound path gets a contour at a distance from its filled area (outward
// for a positive 'ofst', inward for a negative one) as a new shape above it, with its style; the original stays
// and is deselected. The area's boundary is offset as a whole, so corners take the join of 'jntp' with the miter limit
// of 'mitr' (miter length over distance).
#include <cmath>
#include <utility>

#include "ActionArt.h"
#include "ActionParams.h"
#include "HostActions.h"
#include "LongSideSweep.h"
#include "Stroke.h"
#include "pendrake/PDActionManager.h"
#include "pendrake/PDPathStyle.h"

namespace host {
namespace {

// An entry the block leaves out takes the value this host's dialog starts with.
constexpr double kDefaultOffset = 10;
constexpr double kDefaultMiterLimit = 4;

struct Offset {
    Art* art;
    Contours contours;
};

ZBErr ReadShape(const std::vector<ActionEntry>& params, double& distance, StrokeShape& band)
{
    int32_t join = kPDOffsetPathJoinMiter;
    if (const ZBErr error = ReadLength(params, kPDOffsetPathOffsetKey, kDefaultOffset, distance)) return error;
    if (const ZBErr error = ReadNumber(params, kPDOffsetPathMiterLimitKey, kDefaultMiterLimit, band.miterLimit))
        return error;
    if (const ZBErr error = ReadChoice(params, kPDOffsetPathJoinKey, kPDOffsetPathJoinMiter, join)) return error;
    if (!std::isfinite(band.miterLimit)) return kBadParameterErr;
    switch (join) {
    case kPDOffsetPathJoinRound: band.join = kPDRoundJoin; break;
    case kPDOffsetPathJoinMiter: band.join = kPDMiterJoin; break;
    case kPDOffsetPathJoinBevel: band.join = kPDBevelJoin; break;
    default: return kBadParameterErr;
    }
    band.width = 2 * std::fabs(distance);
    band.cap = kPDButtCap;
    return kNoErr;
}

// The area's contours offset as a whole; on the side the offset goes, left turns of outers (counter-clockwise)
// are its corners when growing, right turns when shrinking.
ClipperLib::Paths OffsetArea(const ClipperLib::Paths& area, double distance, const StrokeShape& band)
{
    if (distance == 0) return area;
    const double delta = distance * kGeometryScale;
    const ClipperLib::JoinType join = OffsetJoin(band.join);
    const BevelRule bevels = Bevels(band.join, band.miterLimit, distance > 0 ? 1 : -1);
    ClipperLib::Paths contours;
    for (const ClipperLib::Path& contour : area)
        contours.push_back(join == ClipperLib::jtRound ? contour
                                                       : BevelCorners(contour, true, std::fabs(delta), bevels));
    const LongSideSweep sweep(contours);
    sweep.In(contours);
    ClipperLib::ClipperOffset offset = Offsetter(band.miterLimit);
    offset.AddPaths(contours, join, ClipperLib::etClosedPolygon);
    ClipperLib::PolyTree tree;
    offset.Execute(tree, delta);
    ClipperLib::Paths result = FromTree(tree);
    sweep.Out(result);
    return result;
}

}  // namespace

ZBErr OffsetPathAction(Document& document, const std::vector<ActionEntry>& params)
{
    double distance = 0;
    StrokeShape band;
    if (const ZBErr error = ReadShape(params, distance, band)) return error;
    std::vector<Offset> offsets;
    for (Art* art : SelectedShapes(document)) {
        std::vector<Polyline> lines;
        if (!FlattenShape(*art, lines)) return kBadParameterErr;
        Contours contours = ToContours(OffsetArea(Region(lines, art->style.evenOdd), distance, band));
        if (contours.empty()) continue;
        if (!ShapeFits(Document::Depth(*art), contours)) return kBadParameterErr;
        offsets.push_back({art, std::move(contours)});
    }
    for (Offset& offset : offsets) {
        if (!NewShape(document, offset.contours, offset.art->style, PaintOrder::Above, offset.art))
            return kCantHappenErr;
        offset.art->attributes &= ~kAttrSelected;
        for (auto& child : offset.art->children) child->attributes &= ~kAttrSelected;
    }
    return kNoErr;
}

}  // namespace host
