// Between subpaths of cubic pieces (user units) and the document's segments (anchor, in, out, corner) in artwork
// coordinates, and the exact form of segments that the writer keeps in pd:segments when the path data alone would
// not read back to the same numbers and flags.
#ifndef HOST_SVG_SVGSEGMENTS_H
#define HOST_SVG_SVGSEGMENTS_H

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "host/Document.h"
#include "svg/SvgPathData.h"
#include "svg/SvgTransform.h"

namespace host::svg {

struct PathShape {
    std::vector<Segment> segments;
    bool closed = false;
};

// True where the incoming and outgoing tangents do not continue each other, and where a handle lies on its anchor
// (a line meets the anchor there, or the path ends there).
bool IsCorner(const Segment& segment);

// The subpath mapped into artwork coordinates. A closed subpath whose last piece ends on its start has that end
// merged into the first anchor, which then takes its incoming control point from that piece. Throws SvgValueError
// for a point that the mapping carries out of range.
PathShape ShapeOf(const Subpath& subpath, const Matrix& toArtwork);
// The way back: the subpath that draws the segments, each point mapped by toUser. A closed path's way back to its
// first anchor is a piece unless it is straight (both handles on their anchors).
Subpath SubpathOf(const PathShape& shape, const std::function<Point(Point)>& toUser);

// pd:segments: for each subpath, "h v inH inV outH outV corner" per segment, subpaths separated by ";".
std::string FormatExactShapes(const std::vector<PathShape>& shapes);
// Throws SvgValueError. The closed flags are left false; they come from the path data.
std::vector<PathShape> ParseExactShapes(std::string_view text);
// True when the exact shapes draw what the subpaths draw, up to the rounding of the mapping: then they belong to
// this path data (and were not left behind by an editor that changed it). Sets the shapes' closed flags.
bool ExactShapesAgree(std::vector<PathShape>& exact, const std::vector<Subpath>& subpaths, const Matrix& toArtwork);
// True when exact lies where the mapping puts drawn, up to its rounding (for pd:text-origin).
bool ExactPointAgrees(Point exact, Point drawn, const Matrix& toArtwork);

}  // namespace host::svg

#endif
