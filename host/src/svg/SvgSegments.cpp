#include "svg/SvgSegments.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "svg/SvgNumbers.h"

namespace host::svg {
namespace {

bool Same(Point a, Point b) { return a.h == b.h && a.v == b.v; }

// Ends that differ only by the rounding of relative coordinates count as the same point.
bool Meets(Point a, Point b)
{
    const double tolerance = 1e-9 * std::max({1.0, std::fabs(a.h), std::fabs(a.v)});
    return std::fabs(a.h - b.h) <= tolerance && std::fabs(a.v - b.v) <= tolerance;
}

bool Near(double a, double b, double scale)
{
    return std::fabs(a - b) <= 1e-9 * (1 + std::fabs(a) + std::fabs(b) + scale);
}

bool Near(Point a, Point b, double scale) { return Near(a.h, b.h, scale) && Near(a.v, b.v, scale); }

}  // namespace

bool IsCorner(const Segment& s)
{
    const double inH = s.p.h - s.in.h, inV = s.p.v - s.in.v;
    const double outH = s.out.h - s.p.h, outV = s.out.v - s.p.v;
    if ((inH == 0 && inV == 0) || (outH == 0 && outV == 0)) return true;
    const double cross = inH * outV - inV * outH;
    const double dot = inH * outH + inV * outV;
    return dot <= 0 || std::fabs(cross) > 1e-9 * std::hypot(inH, inV) * std::hypot(outH, outV);
}

PathShape ShapeOf(const Subpath& subpath, const Matrix& toArtwork)
{
    // Every point is mapped in registers and checked once at the end: whichever point left the range, the
    // subpath is refused all the same.
    bool finite = true;
    auto mapped = [&toArtwork, &finite](Point p) {
        const Point q = Apply(toArtwork, p);
        finite &= std::fabs(q.h) <= std::numeric_limits<double>::max() &&
                  std::fabs(q.v) <= std::numeric_limits<double>::max();  // false for NaN as well
        return q;
    };
    PathShape shape;
    shape.closed = subpath.closed;
    std::size_t pieces = subpath.pieces.size();
    const bool merge = subpath.closed && pieces > 0 && Meets(subpath.pieces.back().end, subpath.start);
    if (merge) --pieces;
    shape.segments.resize(pieces + 1);
    Segment* segment = shape.segments.data();
    segment->p = segment->in = segment->out = mapped(subpath.start);
    for (std::size_t i = 0; i < pieces; ++i) {
        const Piece& piece = subpath.pieces[i];
        segment->out = mapped(piece.c1);
        ++segment;
        segment->in = mapped(piece.c2);
        segment->p = segment->out = mapped(piece.end);
    }
    if (merge) {
        const Piece& closing = subpath.pieces.back();
        segment->out = mapped(closing.c1);
        shape.segments.front().in = mapped(closing.c2);
    }
    if (!finite) throw SvgValueError("coordinates out of range");
    for (Segment& each : shape.segments) each.corner = IsCorner(each);
    return shape;
}

Subpath SubpathOf(const PathShape& shape, const std::function<Point(Point)>& toUser)
{
    Subpath subpath;
    subpath.closed = shape.closed;
    const std::vector<Segment>& s = shape.segments;
    if (s.empty()) return subpath;
    subpath.start = toUser(s[0].p);
    for (std::size_t i = 1; i < s.size(); ++i)
        subpath.pieces.push_back({toUser(s[i - 1].out), toUser(s[i].in), toUser(s[i].p)});
    const Segment& last = s.back();
    const bool straight = Same(last.out, last.p) && Same(s[0].in, s[0].p);
    if (shape.closed && !straight) subpath.pieces.push_back({toUser(last.out), toUser(s[0].in), toUser(s[0].p)});
    return subpath;
}

std::string FormatExactShapes(const std::vector<PathShape>& shapes)
{
    std::string out;
    for (std::size_t k = 0; k < shapes.size(); ++k) {
        if (k > 0) out += ';';
        bool first = true;
        for (const Segment& s : shapes[k].segments) {
            for (const double value : {s.p.h, s.p.v, s.in.h, s.in.v, s.out.h, s.out.v}) {
                if (!first) out += ' ';
                first = false;
                out += FormatNumber(value);
            }
            out += s.corner ? " 1" : " 0";
        }
    }
    return out;
}

std::vector<PathShape> ParseExactShapes(std::string_view text)
{
    std::vector<PathShape> shapes;
    std::size_t from = 0;
    while (from <= text.size()) {
        const std::size_t end = std::min(text.find(';', from), text.size());
        const std::vector<double> values = ParseNumberList(text.substr(from, end - from));
        if (values.empty() || values.size() % 7 != 0)
            throw SvgValueError("expected 7 numbers for each segment of subpath " + std::to_string(shapes.size() + 1));
        PathShape shape;
        for (std::size_t i = 0; i < values.size(); i += 7) {
            if (values[i + 6] != 0 && values[i + 6] != 1) throw SvgValueError("a corner flag is 0 or 1");
            shape.segments.push_back({{values[i], values[i + 1]},
                                      {values[i + 2], values[i + 3]},
                                      {values[i + 4], values[i + 5]},
                                      values[i + 6] == 1});
        }
        shapes.push_back(std::move(shape));
        from = end + 1;
    }
    return shapes;
}

bool ExactShapesAgree(std::vector<PathShape>& exact, const std::vector<Subpath>& subpaths, const Matrix& toArtwork)
{
    if (exact.size() != subpaths.size()) return false;
    const double scale = std::fabs(toArtwork.e) + std::fabs(toArtwork.f);
    for (std::size_t k = 0; k < exact.size(); ++k) {
        exact[k].closed = subpaths[k].closed;
        const Subpath expected = SubpathOf(exact[k], [](Point p) { return p; });
        const Subpath& drawn = subpaths[k];
        if (expected.pieces.size() != drawn.pieces.size()) return false;
        if (!Near(expected.start, Apply(toArtwork, drawn.start), scale)) return false;
        for (std::size_t i = 0; i < drawn.pieces.size(); ++i) {
            const Piece& a = expected.pieces[i];
            const Piece& b = drawn.pieces[i];
            if (!Near(a.c1, Apply(toArtwork, b.c1), scale) || !Near(a.c2, Apply(toArtwork, b.c2), scale) ||
                !Near(a.end, Apply(toArtwork, b.end), scale))
                return false;
        }
    }
    return true;
}

bool ExactPointAgrees(Point exact, Point drawn, const Matrix& toArtwork)
{
    return Near(exact, Apply(toArtwork, drawn), std::fabs(toArtwork.e) + std::fabs(toArtwork.f));
}

}  // namespace host::svg
