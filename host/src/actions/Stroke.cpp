#include "Stroke.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "pendrake/PDPathStyle.h"

namespace host {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kShortest = 1e-6;      // points; shorter runs have no direction and are dropped
constexpr double kOverlap = 0.01;       // points
constexpr double kMaxMiterLimit = 500;  // keeps every miter tip within reach of the integer grid

Point Along(Point a, Point b, double scale) { return {a.h + b.h * scale, a.v + b.v * scale}; }

Point Direction(Point from, Point to)
{
    const double length = std::hypot(to.h - from.h, to.v - from.v);
    return {(to.h - from.h) / length, (to.v - from.v) / length};
}

Point LeftNormal(Point direction) { return {-direction.v, direction.h}; }

class Pieces {
public:
    explicit Pieces(const StrokeShape& shape) : fShape(shape), fHalf(shape.width / 2) {}

    // Each piece counter-clockwise, so that overlapping pieces add up under the non-zero rule.
    void Add(const std::vector<Point>& points)
    {
        ClipperLib::Path path = ToClipper(points);
        const double area = ClipperLib::Area(path);
        if (area == 0) return;
        if (area < 0) ClipperLib::ReversePath(path);
        fPaths.push_back(std::move(path));
    }

    void Run(Point a, Point b)
    {
        const Point n = LeftNormal(Direction(a, b));
        Add({Along(a, n, -fHalf), Along(b, n, -fHalf), Along(b, n, fHalf), Along(a, n, fHalf)});
    }

    // The angle of one chord of an arc of radius half the width that stays within kFlatness of the arc.
    double ArcStep() const { return fHalf > kFlatness ? 2 * std::acos(1 - kFlatness / fHalf) : kPi / 2; }

    void Circle(Point centre)
    {
        const int count = static_cast<int>(std::clamp(std::ceil(2 * kPi / ArcStep()), 8.0, 2048.0));
        std::vector<Point> points;
        for (int i = 0; i < count; ++i) {
            const double angle = 2 * kPi * i / count;
            points.push_back({centre.h + fHalf * std::cos(angle), centre.v + fHalf * std::sin(angle)});
        }
        Add(points);
    }

    // The join at v between a run in direction d0 and the next in direction d1, on the outer side of the turn.
    // Inside a flattened curve the join is round, as the curve's own stroke would be.
    void Join(Point v, Point d0, Point d1, bool smooth)
    {
        const double cross = d0.h * d1.v - d0.v * d1.h;
        const double dot = d0.h * d1.h + d0.v * d1.v;
        if (std::fabs(cross) < 1e-12 && dot > 0) return;
        const double side = cross > 0 ? -fHalf : fHalf;
        const Point n0 = LeftNormal(d0), n1 = LeftNormal(d1);
        const Point a = Along(v, n0, side), b = Along(v, n1, side);
        // The piece starts a little inside both runs' quads rather than on their end edges, so that it
        // overlaps them after rounding to the integer grid and the union merges it.
        const Point inward{d1.h - d0.h, d1.v - d0.v};
        const double inwardLength = std::hypot(inward.h, inward.v);
        const Point start = Along(v, {inward.h / inwardLength, inward.v / inwardLength}, std::min(kOverlap, fHalf));
        const int16_t join = smooth ? static_cast<int16_t>(kPDRoundJoin) : fShape.join;
        if (join == kPDRoundJoin) {
            // The arc from a to b around v, turning the way the runs turn.
            const double turn = std::atan2(std::fabs(cross), dot);
            const int steps = static_cast<int>(std::clamp(std::ceil(turn / ArcStep()), 1.0, 1024.0));
            const double step = (cross > 0 ? turn : -turn) / steps;
            std::vector<Point> points{start, a};
            for (int k = 1; k < steps; ++k) {
                const double c = std::cos(step * k), s = std::sin(step * k);
                const double x = a.h - v.h, y = a.v - v.v;
                points.push_back({v.h + x * c - y * s, v.v + x * s + y * c});
            }
            points.push_back(b);
            Add(points);
            return;
        }
        if (join == kPDMiterJoin) {
            // The miter's length over the width is 1 / cos(half the turn).
            const double cosHalf = std::sqrt(std::max(0.0, (1 + dot) / 2));
            if (cosHalf > 1e-12 && 1 / cosHalf <= std::clamp(fShape.miterLimit, 1.0, kMaxMiterLimit)) {
                const Point sum{n0.h + n1.h, n0.v + n1.v};
                const double length = std::hypot(sum.h, sum.v);
                const Point tip = Along(v, {sum.h / length, sum.v / length}, side / cosHalf);
                Add({start, a, tip, b});
                return;
            }
        }
        Add({start, a, b});
    }

    void Dot(Point p)
    {
        if (fShape.cap == kPDRoundCap) Circle(p);
        if (fShape.cap == kPDProjectingCap)
            Add({{p.h - fHalf, p.v - fHalf},
                 {p.h + fHalf, p.v - fHalf},
                 {p.h + fHalf, p.v + fHalf},
                 {p.h - fHalf, p.v + fHalf}});
    }

    void Line(const Polyline& line)
    {
        std::vector<Point> points;
        std::vector<bool> smooth;
        for (std::size_t i = 0; i < line.points.size(); ++i) {
            const Point p = line.points[i];
            if (!points.empty() && std::hypot(p.h - points.back().h, p.v - points.back().v) < kShortest) continue;
            points.push_back(p);
            smooth.push_back(i < line.smooth.size() && line.smooth[i]);
        }
        while (line.closed && points.size() > 1 &&
               std::hypot(points.back().h - points.front().h, points.back().v - points.front().v) < kShortest) {
            points.pop_back();
            smooth.pop_back();
        }
        if (points.empty()) return;
        if (points.size() == 1) {
            if (!line.closed) Dot(points.front());
            return;
        }
        const std::size_t count = points.size();
        const Point first = points.front(), last = points.back();
        // Projecting caps lengthen the end runs by half the width; round caps are discs at the ends.
        if (!line.closed && fShape.cap == kPDProjectingCap) {
            points.front() = Along(first, Direction(points[1], first), fHalf);
            points.back() = Along(last, Direction(points[count - 2], last), fHalf);
        }
        const std::size_t runs = line.closed ? count : count - 1;
        for (std::size_t i = 0; i < runs; ++i) Run(points[i], points[(i + 1) % count]);
        for (std::size_t i = line.closed ? 0 : 1; i < (line.closed ? count : count - 1); ++i) {
            const Point before = points[(i + count - 1) % count], at = points[i], after = points[(i + 1) % count];
            Join(at, Direction(before, at), Direction(at, after), smooth[i]);
        }
        if (!line.closed && fShape.cap == kPDRoundCap) {
            Circle(first);
            Circle(last);
        }
    }

    const ClipperLib::Paths& Paths() const { return fPaths; }

private:
    const StrokeShape& fShape;
    double fHalf;
    ClipperLib::Paths fPaths;
};

}  // namespace

ClipperLib::Paths StrokeArea(const std::vector<Polyline>& lines, const StrokeShape& shape)
{
    if (!(shape.width > 0)) return {};
    Pieces pieces(shape);
    for (const Polyline& line : lines) pieces.Line(line);
    return Unite(pieces.Paths());
}

}  // namespace host
