// Elliptical arcs as cubics: the end-point form is turned into centre and angles, then split into pieces of at
// most 90 degrees, each drawn with control points at 4/3 tan(delta/4) of the radius along the tangents.
#include <algorithm>
#include <cmath>

#include "svg/SvgNumbers.h"
#include "svg/SvgPathData.h"

namespace host::svg {
namespace {

constexpr double kPi = 3.14159265358979323846;

double AngleBetween(double ux, double uy, double vx, double vy)
{
    return std::atan2(ux * vy - uy * vx, ux * vx + uy * vy);
}

}  // namespace

void AppendArc(Subpath& subpath, double rx, double ry, double rotation, bool largeArc, bool sweep, Point to)
{
    const Point from = subpath.Current();
    if (from.h == to.h && from.v == to.v) return;  // no arc at all
    rx = std::fabs(rx);
    ry = std::fabs(ry);
    if (rx == 0 || ry == 0) {
        subpath.LineTo(to);
        return;
    }
    const double phi = rotation * kPi / 180.0;
    const double cosPhi = std::cos(phi), sinPhi = std::sin(phi);
    // The midpoint between the ends in the ellipse's own axes.
    const double dx = (from.h - to.h) / 2, dy = (from.v - to.v) / 2;
    const double x1 = cosPhi * dx + sinPhi * dy;
    const double y1 = -sinPhi * dx + cosPhi * dy;
    // Radii too small to reach are scaled up until they just do.
    const double lambda = (x1 * x1) / (rx * rx) + (y1 * y1) / (ry * ry);
    if (lambda > 1) {
        const double grow = std::sqrt(lambda);
        rx *= grow;
        ry *= grow;
    }
    const double numerator = rx * rx * ry * ry - rx * rx * y1 * y1 - ry * ry * x1 * x1;
    const double denominator = rx * rx * y1 * y1 + ry * ry * x1 * x1;
    double root = denominator > 0 ? std::sqrt(std::max(0.0, numerator / denominator)) : 0;
    if (largeArc == sweep) root = -root;
    const double cx1 = root * rx * y1 / ry;
    const double cy1 = -root * ry * x1 / rx;
    const double cx = cosPhi * cx1 - sinPhi * cy1 + (from.h + to.h) / 2;
    const double cy = sinPhi * cx1 + cosPhi * cy1 + (from.v + to.v) / 2;
    const double theta = AngleBetween(1, 0, (x1 - cx1) / rx, (y1 - cy1) / ry);
    double delta = AngleBetween((x1 - cx1) / rx, (y1 - cy1) / ry, (-x1 - cx1) / rx, (-y1 - cy1) / ry);
    if (!sweep && delta > 0) delta -= 2 * kPi;
    if (sweep && delta < 0) delta += 2 * kPi;
    if (!std::isfinite(cx) || !std::isfinite(cy) || !std::isfinite(theta) || !std::isfinite(delta) ||
        !std::isfinite(rx * ry))
        throw SvgValueError("arc out of range");

    const int count = std::max(1, static_cast<int>(std::ceil(std::fabs(delta) / (kPi / 2) - 1e-9)));
    const double step = delta / count;
    const double k = 4.0 / 3.0 * std::tan(step / 4);
    // A point of the ellipse and its derivative at angle t.
    auto at = [&](double t) {
        const double x = rx * std::cos(t), y = ry * std::sin(t);
        return Point{cosPhi * x - sinPhi * y + cx, sinPhi * x + cosPhi * y + cy};
    };
    auto tangent = [&](double t) {
        const double x = -rx * std::sin(t), y = ry * std::cos(t);
        return Point{cosPhi * x - sinPhi * y, sinPhi * x + cosPhi * y};
    };
    Point start = from;
    for (int i = 0; i < count; ++i) {
        const double t0 = theta + step * i, t1 = theta + step * (i + 1);
        const Point end = i + 1 == count ? to : at(t1);  // the last piece ends exactly where the arc was asked to
        const Point d0 = tangent(t0), d1 = tangent(t1);
        subpath.pieces.push_back({{start.h + k * d0.h, start.v + k * d0.v}, {end.h - k * d1.h, end.v - k * d1.v}, end});
        start = end;
    }
}

}  // namespace host::svg
