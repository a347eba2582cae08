#include "Stroke.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "BevelCorners.h"
#include "LongSideSweep.h"
#include "pendrake/PDPathStyle.h"

namespace host {
namespace {

constexpr double kMaxMiterLimit = 500;  // keeps every miter tip within reach of the integer grid

// The polyline on the grid without repeated points (a closed one without its start repeated at the end), with
// each point's smooth flag.
void OnGrid(const Polyline& line, ClipperLib::Path& path, std::vector<bool>& smooth)
{
    for (std::size_t i = 0; i < line.points.size(); ++i) {
        const ClipperLib::IntPoint p = ToClipper(line.points[i]);
        if (!path.empty() && path.back() == p) continue;
        path.push_back(p);
        smooth.push_back(i < line.smooth.size() && line.smooth[i]);
    }
    while (line.closed && path.size() > 1 && path.back() == path.front()) {
        path.pop_back();
        smooth.pop_back();
    }
}

ClipperLib::EndType OpenEnds(int16_t cap)
{
    if (cap == kPDRoundCap) return ClipperLib::etOpenRound;
    if (cap == kPDProjectingCap) return ClipperLib::etOpenSquare;
    return ClipperLib::etOpenButt;
}

}  // namespace

ClipperLib::JoinType OffsetJoin(int16_t join)
{
    return join == kPDRoundJoin ? ClipperLib::jtRound : ClipperLib::jtMiter;
}

ClipperLib::ClipperOffset Offsetter(double miterLimit)
{
    // The library mitres up to its limit and squares beyond it; corners past the limit are bevelled before.
    return ClipperLib::ClipperOffset(std::clamp(miterLimit, 2.0, kMaxMiterLimit), kFlatness * kGeometryScale);
}

BevelRule Bevels(int16_t join, double miterLimit, int side)
{
    return {join == kPDBevelJoin, std::clamp(miterLimit, 1.0, kMaxMiterLimit), side, kCleanDistance * kGeometryScale};
}

ClipperLib::Paths StrokeArea(const std::vector<Polyline>& lines, const StrokeShape& shape)
{
    if (!(shape.width > 0)) return {};
    const double half = shape.width / 2 * kGeometryScale;
    const ClipperLib::JoinType join = OffsetJoin(shape.join);
    const BevelRule bevels = Bevels(shape.join, shape.miterLimit, 0);
    ClipperLib::Paths paths;
    std::vector<std::pair<ClipperLib::JoinType, ClipperLib::EndType>> kinds;
    for (const Polyline& line : lines) {
        ClipperLib::Path path;
        std::vector<bool> smooth;
        OnGrid(line, path, smooth);
        if (path.empty()) continue;
        if (path.size() == 1) {
            // A lone point of an open path is a dot of its cap: a disc, a square, or nothing.
            if (line.closed || shape.cap == kPDButtCap) continue;
            paths.push_back(std::move(path));
            kinds.emplace_back(shape.cap == kPDRoundCap ? ClipperLib::jtRound : ClipperLib::jtSquare,
                               OpenEnds(shape.cap));
            continue;
        }
        if (join != ClipperLib::jtRound) path = BevelCorners(path, line.closed, half, bevels, smooth);
        paths.push_back(std::move(path));
        kinds.emplace_back(join, line.closed ? ClipperLib::etClosedLine : OpenEnds(shape.cap));
    }
    const LongSideSweep sweep(paths);
    sweep.In(paths);
    ClipperLib::ClipperOffset offset = Offsetter(shape.miterLimit);
    for (std::size_t i = 0; i < paths.size(); ++i) offset.AddPath(paths[i], kinds[i].first, kinds[i].second);
    ClipperLib::PolyTree tree;
    offset.Execute(tree, half);
    ClipperLib::Paths area = FromTree(tree);
    sweep.Out(area);
    return area;
}

}  // namespace host
