#include "CutExtent.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace corpus {
namespace {

void Include(std::optional<Extent>& extent, const talvex::CutPoint& p)
{
    if (!extent) {
        extent = Extent{p.fX, p.fY, p.fX, p.fY};
        return;
    }
    extent->fLeft = std::min(extent->fLeft, p.fX);
    extent->fRight = std::max(extent->fRight, p.fX);
    extent->fBottom = std::min(extent->fBottom, p.fY);
    extent->fTop = std::max(extent->fTop, p.fY);
}

double Cubic(double p0, double p1, double p2, double p3, double t)
{
    const double s = 1 - t;
    return s * s * s * p0 + 3 * s * s * t * p1 + 3 * s * t * t * p2 + t * t * t * p3;
}

// The parameters in (0, 1) where one coordinate of the curve turns: the roots of its derivative
// 3[(p3 - 3p2 + 3p1 - p0)t^2 + 2(p2 - 2p1 + p0)t + (p1 - p0)].
int TurningPoints(double p0, double p1, double p2, double p3, std::array<double, 2>& roots)
{
    const double a = p3 - 3 * p2 + 3 * p1 - p0, b = 2 * (p2 - 2 * p1 + p0), c = p1 - p0;
    int count = 0;
    auto keep = [&](double t) {
        if (t > 0 && t < 1) roots[static_cast<std::size_t>(count++)] = t;
    };
    const double scale = std::max({std::fabs(a), std::fabs(b), std::fabs(c)});
    if (scale == 0) return 0;
    if (std::fabs(a) <= 1e-12 * scale) {  // the derivative is linear: a quadratic curve or a straight line
        if (b != 0) keep(-c / b);
        return count;
    }
    const double discriminant = b * b - 4 * a * c;
    if (discriminant < 0) return 0;
    const double root = std::sqrt(discriminant);
    // The stable pair of roots: q from the root with the sign of b, then c / q beside q / a.
    const double q = -0.5 * (b + std::copysign(root, b));
    keep(q / a);
    if (q != 0) keep(c / q);
    return count;
}

}  // namespace

std::optional<Extent> PathExtent(const talvex::CutPath& path)
{
    std::optional<Extent> extent;
    if (!path.fStart) return extent;
    talvex::CutPoint from = *path.fStart;
    Include(extent, from);
    for (const auto& [first, second, to] : path.fCurves) {
        Include(extent, to);
        std::array<double, 2> roots{};
        for (const bool inX : {true, false}) {
            const int count = inX ? TurningPoints(from.fX, first.fX, second.fX, to.fX, roots)
                                  : TurningPoints(from.fY, first.fY, second.fY, to.fY, roots);
            for (int i = 0; i < count; ++i) {
                const double t = roots[static_cast<std::size_t>(i)];
                Include(extent,
                        {Cubic(from.fX, first.fX, second.fX, to.fX, t), Cubic(from.fY, first.fY, second.fY, to.fY, t)});
            }
        }
        from = to;
    }
    return extent;
}

std::optional<Extent> PathsExtent(const std::vector<talvex::CutPath>& paths, PathKind kind)
{
    std::optional<Extent> extent;
    for (const talvex::CutPath& path : paths) {
        const std::optional<Extent> own = PathExtent(path);
        if (!own) continue;
        if (kind == PathKind::kWithArea && !(own->fRight > own->fLeft && own->fTop > own->fBottom)) continue;
        Include(extent, {own->fLeft, own->fBottom});
        Include(extent, {own->fRight, own->fTop});
    }
    return extent;
}

talvex::CutPoint PageOffset(const std::optional<talvex::CropMarkValues>& cropMarks)
{
    if (!cropMarks) return {0, 0};
    const double bracketRoom = cropMarks->fCount == 4 ? cropMarks->fRadius : 0;
    return {cropMarks->fLeftMargin + bracketRoom, cropMarks->fBottomMargin + bracketRoom};
}

}  // namespace corpus
