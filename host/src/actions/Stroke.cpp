#include "Stroke.h"

#include <algorithm>
#include <cmath>

#include "pendrake/PDPathStyle.h"

namespace host {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kShortest = 1e-6;  // points; shorter runs have no direction and are dropped

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

    // A polygon inscribed in the circle, within kFlatness of it.
    void Circle(Point centre)
    {
        double steps = 8;
        if (fHalf > kFlatness) steps = std::clamp(std::ceil(kPi / std::acos(1 - kFlatness / fHalf)), 8.0, 1024.0);
        const int count = static_cast<int>(steps);
        std::vector<Point> points;
        for (int i = 0; i < count; ++i) {
            const double angle = 2 * kPi * i / count;
            points.push_back({centre.h + fHalf * std::cos(angle), centre.v + fHalf * std::sin(angle)});
        }
        Add(points);
    }

    // The join at v between a run in direction d0 and the next in direction d1, on the outer side of the turn.
    void Join(Point v, Point d0, Point d1)
    {
        if (fShape.join == kPDRoundJoin) {
            Circle(v);
            return;
        }
        const double cross = d0.h * d1.v - d0.v * d1.h;
        const double dot = d0.h * d1.h + d0.v * d1.v;
        if (std::fabs(cross) < 1e-12 && dot > 0) return;
        const double side = cross > 0 ? -fHalf : fHalf;
        const Point n0 = LeftNormal(d0), n1 = LeftNormal(d1);
        const Point a = Along(v, n0, side), b = Along(v, n1, side);
        if (fShape.join == kPDMiterJoin) {
            // The miter's length over the width is 1 / cos(half the turn).
            const double cosHalf = std::sqrt(std::max(0.0, (1 + dot) / 2));
            if (cosHalf > 1e-12 && 1 / cosHalf <= std::max(1.0, fShape.miterLimit)) {
                const Point sum{n0.h + n1.h, n0.v + n1.v};
                const double length = std::hypot(sum.h, sum.v);
                const Point tip = Along(v, {sum.h / length, sum.v / length}, side / cosHalf);
                Add({v, a, tip, b});
                return;
            }
        }
        Add({v, a, b});
    }

    // The cap at an end point p of a run leaving it in direction outward.
    void Cap(Point p, Point outward)
    {
        if (fShape.cap == kPDRoundCap) {
            Circle(p);
        } else if (fShape.cap == kPDProjectingCap) {
            const Point n = LeftNormal(outward);
            const Point q = Along(p, outward, fHalf);
            Add({Along(p, n, -fHalf), Along(q, n, -fHalf), Along(q, n, fHalf), Along(p, n, fHalf)});
        }
    }

    void Dot(Point p)
    {
        if (fShape.cap == kPDRoundCap) Circle(p);
        if (fShape.cap == kPDProjectingCap)
            Add({{p.h - fHalf, p.v - fHalf}, {p.h + fHalf, p.v - fHalf}, {p.h + fHalf, p.v + fHalf},
                 {p.h - fHalf, p.v + fHalf}});
    }

    void Line(const Polyline& line)
    {
        std::vector<Point> points;
        for (const Point& p : line.points)
            if (points.empty() || std::hypot(p.h - points.back().h, p.v - points.back().v) >= kShortest)
                points.push_back(p);
        while (line.closed && points.size() > 1 &&
               std::hypot(points.back().h - points.front().h, points.back().v - points.front().v) < kShortest)
            points.pop_back();
        if (points.empty()) return;
        if (points.size() == 1) {
            if (!line.closed) Dot(points.front());
            return;
        }
        const std::size_t count = points.size();
        const std::size_t runs = line.closed ? count : count - 1;
        for (std::size_t i = 0; i < runs; ++i) Run(points[i], points[(i + 1) % count]);
        for (std::size_t i = line.closed ? 0 : 1; i < (line.closed ? count : count - 1); ++i) {
            const Point before = points[(i + count - 1) % count], at = points[i], after = points[(i + 1) % count];
            Join(at, Direction(before, at), Direction(at, after));
        }
        if (!line.closed) {
            Cap(points.front(), Direction(points[1], points[0]));
            Cap(points.back(), Direction(points[count - 2], points[count - 1]));
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
