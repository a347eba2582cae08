#include "Geometry.h"

#include <algorithm>
#include <cmath>

#include "LongSideSweep.h"

namespace host {
namespace {

Point Lerp(Point a, Point b, double t) { return {a.h + (b.h - a.h) * t, a.v + (b.v - a.v) * t}; }

double Length(Point a) { return std::hypot(a.h, a.v); }

// Whether both handles lie on the chord (a corner segment's handles sit on its anchors): a straight line,
// which needs no points between its anchors.
bool Straight(Point p0, Point p1, Point p2, Point p3)
{
    const Point chord{p3.h - p0.h, p3.v - p0.v};
    const double squared = chord.h * chord.h + chord.v * chord.v;
    const auto onChord = [&](Point p) {
        const Point to{p.h - p0.h, p.v - p0.v};
        const double along = to.h * chord.h + to.v * chord.v;
        return to.h * chord.v - to.v * chord.h == 0 && along >= 0 && along <= squared;
    };
    return squared > 0 && onChord(p1) && onChord(p2);
}

// Steps of a uniform subdivision that keeps the polyline within kFlatness of the cubic: the distance is at
// most 1/8 of the second derivative's bound (6 times the largest second difference) over the steps squared.
int CurveSteps(Point p0, Point p1, Point p2, Point p3)
{
    const double second = std::max(Length({p0.h - 2 * p1.h + p2.h, p0.v - 2 * p1.v + p2.v}),
                                   Length({p1.h - 2 * p2.h + p3.h, p1.v - 2 * p2.v + p3.v}));
    if (second == 0 || Straight(p0, p1, p2, p3)) return 1;
    const double steps = std::ceil(std::sqrt(0.75 * second / kFlatness));
    return static_cast<int>(std::clamp(steps, 1.0, 1000.0));
}

Point Cubic(Point p0, Point p1, Point p2, Point p3, double t)
{
    const Point a = Lerp(p0, p1, t), b = Lerp(p1, p2, t), c = Lerp(p2, p3, t);
    return Lerp(Lerp(a, b, t), Lerp(b, c, t), t);
}

bool SegmentsInRange(const std::vector<Segment>& segments)
{
    return std::all_of(segments.begin(), segments.end(), [](const Segment& s) {
        return InRange(s.p.h) && InRange(s.p.v) && InRange(s.in.h) && InRange(s.in.v) && InRange(s.out.h) &&
               InRange(s.out.v);
    });
}

Polyline Flatten(const Art& path)
{
    Polyline line;
    line.closed = path.closed;
    const std::vector<Segment>& s = path.segments;
    if (s.empty()) return line;
    line.points.push_back(s[0].p);
    line.smooth.push_back(false);
    const std::size_t curves = path.closed ? s.size() : s.size() - 1;
    for (std::size_t i = 0; i < curves; ++i) {
        const Segment& from = s[i];
        const Segment& to = s[(i + 1) % s.size()];
        const int steps = CurveSteps(from.p, from.out, to.in, to.p);
        for (int k = 1; k <= steps; ++k) {
            line.points.push_back(k == steps ? to.p : Cubic(from.p, from.out, to.in, to.p, double(k) / steps));
            line.smooth.push_back(k != steps);
        }
    }
    if (path.closed && line.points.size() > 1) {  // the closing curve ends at the start
        line.points.pop_back();
        line.smooth.pop_back();
    }
    return line;
}

}  // namespace

bool InRange(double value) { return std::isfinite(value) && std::fabs(value) <= kMaxCoordinate; }

bool FlattenShape(const Art& shape, std::vector<Polyline>& lines)
{
    if (shape.kind == ArtKind::Path) {
        if (!SegmentsInRange(shape.segments)) return false;
        lines.push_back(Flatten(shape));
        return true;
    }
    for (const auto& child : shape.children)
        if (!FlattenShape(*child, lines)) return false;
    return true;
}

ClipperLib::IntPoint ToClipper(Point p)
{
    return {static_cast<ClipperLib::cInt>(std::llround(p.h * kGeometryScale)),
            static_cast<ClipperLib::cInt>(std::llround(p.v * kGeometryScale))};
}

ClipperLib::Path ToClipper(const std::vector<Point>& points)
{
    ClipperLib::Path path;
    path.reserve(points.size());
    for (const Point& p : points) path.push_back(ToClipper(p));
    return path;
}

Point FromClipper(const ClipperLib::IntPoint& p)
{
    return {static_cast<double>(p.X) / kGeometryScale, static_cast<double>(p.Y) / kGeometryScale};
}

ClipperLib::Paths Region(const std::vector<Polyline>& lines, bool evenOdd)
{
    ClipperLib::Paths paths;
    for (const Polyline& line : lines) paths.push_back(ToClipper(line.points));
    return Unite(paths, evenOdd ? ClipperLib::pftEvenOdd : ClipperLib::pftNonZero);
}

ClipperLib::Paths Unite(const ClipperLib::Paths& areas, ClipperLib::PolyFillType fill)
{
    const LongSideSweep sweep(areas);
    ClipperLib::Paths subject = areas;
    sweep.In(subject);
    ClipperLib::Clipper clipper;
    clipper.AddPaths(subject, ClipperLib::ptSubject, true);
    ClipperLib::PolyTree tree;
    clipper.Execute(ClipperLib::ctUnion, tree, fill, fill);
    ClipperLib::Paths result = FromTree(tree);
    sweep.Out(result);
    return result;
}

ClipperLib::Paths FromTree(const ClipperLib::PolyTree& tree)
{
    ClipperLib::Paths paths;
    ClipperLib::ClosedPathsFromPolyTree(tree, paths);
    ClipperLib::CleanPolygons(paths, kCleanDistance * kGeometryScale);
    paths.erase(std::remove_if(paths.begin(), paths.end(),
                               [](const ClipperLib::Path& path) {
                                   return path.size() < 3 || std::fabs(ClipperLib::Area(path)) < 4;
                               }),
                paths.end());
    return paths;
}

Contours ToContours(const ClipperLib::Paths& areas)
{
    Contours contours;
    for (const ClipperLib::Path& path : areas) {
        std::vector<Segment> segments;
        for (const ClipperLib::IntPoint& p : path) {
            const Point point = FromClipper(p);
            segments.push_back({point, point, point, true});
        }
        contours.push_back(std::move(segments));
    }
    return contours;
}

}  // namespace host
