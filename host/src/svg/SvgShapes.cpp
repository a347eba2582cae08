#include "svg/SvgShapes.h"

#include <algorithm>

namespace host::svg {

Subpath RectPath(double x, double y, double width, double height, double rx, double ry)
{
    Subpath path;
    path.closed = true;
    rx = std::min(rx, width / 2);
    ry = std::min(ry, height / 2);
    const double right = x + width, bottom = y + height;
    if (rx <= 0 || ry <= 0) {
        path.start = {x, y};
        path.LineTo({right, y});
        path.LineTo({right, bottom});
        path.LineTo({x, bottom});
        return path;
    }
    const double kx = kKappa * rx, ky = kKappa * ry;
    path.start = {x + rx, y};
    auto side = [&](Point to) {
        const Point from = path.Current();
        if (from.h != to.h || from.v != to.v) path.LineTo(to);
    };
    side({right - rx, y});
    path.pieces.push_back({{right - rx + kx, y}, {right, y + ry - ky}, {right, y + ry}});
    side({right, bottom - ry});
    path.pieces.push_back({{right, bottom - ry + ky}, {right - rx + kx, bottom}, {right - rx, bottom}});
    side({x + rx, bottom});
    path.pieces.push_back({{x + rx - kx, bottom}, {x, bottom - ry + ky}, {x, bottom - ry}});
    side({x, y + ry});
    path.pieces.push_back({{x, y + ry - ky}, {x + rx - kx, y}, path.start});
    return path;
}

Subpath EllipsePath(double cx, double cy, double rx, double ry)
{
    const double kx = kKappa * rx, ky = kKappa * ry;
    Subpath path;
    path.closed = true;
    path.start = {cx + rx, cy};
    path.pieces.push_back({{cx + rx, cy + ky}, {cx + kx, cy + ry}, {cx, cy + ry}});
    path.pieces.push_back({{cx - kx, cy + ry}, {cx - rx, cy + ky}, {cx - rx, cy}});
    path.pieces.push_back({{cx - rx, cy - ky}, {cx - kx, cy - ry}, {cx, cy - ry}});
    path.pieces.push_back({{cx + kx, cy - ry}, {cx + rx, cy - ky}, path.start});
    return path;
}

Subpath LinePath(Point from, Point to)
{
    Subpath path;
    path.start = from;
    path.LineTo(to);
    return path;
}

Subpath PolyPath(const std::vector<double>& coordinates, bool closed)
{
    Subpath path;
    path.closed = closed;
    path.start = {coordinates[0], coordinates[1]};
    for (std::size_t i = 2; i + 1 < coordinates.size(); i += 2) path.LineTo({coordinates[i], coordinates[i + 1]});
    return path;
}

}  // namespace host::svg
