// The geometry the host's actions share: paths flattened into polylines, and areas as integer polygons for
// the clipping library (thousandths of a point), turned back into corner segments.
#ifndef HOST_ACTIONS_GEOMETRY_H
#define HOST_ACTIONS_GEOMETRY_H

#include <polyclipping/clipper.hpp>

#include <vector>

#include "host/Document.h"

namespace host {

constexpr double kGeometryScale = 1000;  // integer units per point
constexpr double kFlatness = 0.05;       // curves become polylines within this distance, in points
// points; a result drops corners this close to the line through their neighbours, so that offsetting an
// offset does not pile up points along its straight runs and arcs
constexpr double kCleanDistance = kFlatness / 5;
constexpr double kMaxCoordinate = 1e9;  // points; the actions refuse art or lengths beyond it

struct Polyline {
    std::vector<Point> points;
    bool closed = false;
    // Per point: whether it lies inside a flattened curve rather than on an anchor, so that a stroke turns
    // round there whatever its join. Empty: every point is an anchor.
    std::vector<bool> smooth;
};

// Closed contours of corner segments, as a new path or compound path holds them.
using Contours = std::vector<std::vector<Segment>>;

bool InRange(double value);

// The subpaths of a path or compound path as polylines; false when a coordinate is out of range.
bool FlattenShape(const Art& shape, std::vector<Polyline>& lines);

ClipperLib::IntPoint ToClipper(Point p);
ClipperLib::Path ToClipper(const std::vector<Point>& points);
Point FromClipper(const ClipperLib::IntPoint& p);

// The area inside closed polylines (open ones are closed for this) under the given fill rule.
ClipperLib::Paths Region(const std::vector<Polyline>& lines, bool evenOdd);
// The union of areas. Its contours do not overlap: outers run counter-clockwise, holes clockwise,
// each outer followed by its holes.
ClipperLib::Paths Unite(const ClipperLib::Paths& areas, ClipperLib::PolyFillType fill = ClipperLib::pftNonZero);

// The contours of a result, without corners within kCleanDistance of a straight line and without the slivers
// of a few square units that rounding to the grid leaves.
ClipperLib::Paths FromTree(const ClipperLib::PolyTree& tree);

Contours ToContours(const ClipperLib::Paths& areas);

}  // namespace host

#endif
