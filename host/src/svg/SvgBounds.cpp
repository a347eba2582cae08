#include "svg/SvgBounds.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace host::svg {
namespace {

void Grow(Point p, Rect& bounds, bool& any)
{
    if (!any) {
        bounds = {p.h, p.v, p.h, p.v};
        any = true;
        return;
    }
    bounds.left = std::min(bounds.left, p.h);
    bounds.right = std::max(bounds.right, p.h);
    bounds.top = std::min(bounds.top, p.v);
    bounds.bottom = std::max(bounds.bottom, p.v);
}

// The parameters in (0, 1) where one coordinate of the cubic p0..p3 turns.
void Turns(double p0, double p1, double p2, double p3, std::vector<double>& ts)
{
    // The derivative over 3: a t^2 + b t + c.
    const double a = -p0 + 3 * p1 - 3 * p2 + p3, b = 2 * (p0 - 2 * p1 + p2), c = p1 - p0;
    auto keep = [&](double t) {
        if (t > 0 && t < 1) ts.push_back(t);
    };
    if (std::fabs(a) < 1e-12) {
        if (std::fabs(b) > 1e-12) keep(-c / b);
        return;
    }
    const double discriminant = b * b - 4 * a * c;
    if (discriminant < 0) return;
    const double root = std::sqrt(discriminant);
    keep((-b + root) / (2 * a));
    keep((-b - root) / (2 * a));
}

Point At(Point p0, Point p1, Point p2, Point p3, double t)
{
    const double u = 1 - t;
    const double w0 = u * u * u, w1 = 3 * u * u * t, w2 = 3 * u * t * t, w3 = t * t * t;
    return {w0 * p0.h + w1 * p1.h + w2 * p2.h + w3 * p3.h, w0 * p0.v + w1 * p1.v + w2 * p2.v + w3 * p3.v};
}

void GrowCubic(Point p0, Point p1, Point p2, Point p3, Rect& bounds, bool& any)
{
    Grow(p3, bounds, any);
    std::vector<double> ts;
    Turns(p0.h, p1.h, p2.h, p3.h, ts);
    Turns(p0.v, p1.v, p2.v, p3.v, ts);
    for (const double t : ts) Grow(At(p0, p1, p2, p3, t), bounds, any);
}

}  // namespace

void GrowBounds(const Art& art, const Matrix& toSpace, Rect& bounds, bool& any)
{
    const std::vector<Segment>& segments = art.segments;
    for (std::size_t i = 0; i < segments.size(); ++i) {
        if (i == 0) {
            Grow(Apply(toSpace, segments[0].p), bounds, any);
            continue;
        }
        const Segment &from = segments[i - 1], &to = segments[i];
        GrowCubic(Apply(toSpace, from.p), Apply(toSpace, from.out), Apply(toSpace, to.in), Apply(toSpace, to.p), bounds,
                  any);
    }
    if (art.closed && segments.size() > 1) {
        const Segment &from = segments.back(), &to = segments.front();
        GrowCubic(Apply(toSpace, from.p), Apply(toSpace, from.out), Apply(toSpace, to.in), Apply(toSpace, to.p), bounds,
                  any);
    }
    if (art.kind == ArtKind::Text) Grow(Apply(toSpace, art.textOrigin), bounds, any);
    for (const auto& child : art.children) GrowBounds(*child, toSpace, bounds, any);
}

}  // namespace host::svg
