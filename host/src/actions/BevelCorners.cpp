#include "BevelCorners.h"

#include <algorithm>
#include <cmath>

namespace host {
namespace {

struct Vector {
    double x, y;
};

Vector Between(const ClipperLib::IntPoint& from, const ClipperLib::IntPoint& to)
{
    return {static_cast<double>(to.X - from.X), static_cast<double>(to.Y - from.Y)};
}

double Length(Vector v) { return std::hypot(v.x, v.y); }

ClipperLib::IntPoint Moved(const ClipperLib::IntPoint& p, Vector unit, double by)
{
    return {p.X + static_cast<ClipperLib::cInt>(std::llround(unit.x * by)),
            p.Y + static_cast<ClipperLib::cInt>(std::llround(unit.y * by))};
}

}  // namespace

ClipperLib::Path BevelCorners(const ClipperLib::Path& path, bool closed, double distance, const BevelRule& rule,
                              const std::vector<bool>& smooth)
{
    const std::size_t count = path.size();
    if (count < 3 || !(distance > 0)) return path;
    ClipperLib::Path cut;
    cut.reserve(count + count / 2);
    for (std::size_t i = 0; i < count; ++i) {
        const bool end = !closed && (i == 0 || i + 1 == count);
        const ClipperLib::IntPoint& at = path[i];
        if (end) {
            cut.push_back(at);
            continue;
        }
        const Vector in = Between(path[(i + count - 1) % count], at), out = Between(at, path[(i + 1) % count]);
        const double inLength = Length(in), outLength = Length(out);
        if (inLength == 0 || outLength == 0) {
            cut.push_back(at);
            continue;
        }
        const Vector d0{in.x / inLength, in.y / inLength}, d1{out.x / outLength, out.y / outLength};
        const double cross = d0.x * d1.y - d0.y * d1.x, dot = d0.x * d1.x + d0.y * d1.y;
        const double turn = std::atan2(std::fabs(cross), dot);
        const double cosHalf = std::cos(turn / 2);
        const bool facing = rule.side == 0 || (rule.side > 0 ? cross > 0 : cross < 0);
        // How far the miter's tip lies beyond the bevel's chord.
        const double gap = cosHalf > 0 ? distance * (1 / cosHalf - cosHalf) : distance;
        // Inside a flattened curve the join is round: one chord of the arc where the miter would stand out of
        // the arc by more than the tolerance.
        const bool round = i < smooth.size() && smooth[i];
        const bool bevel = round ? distance * (1 / cosHalf - 1) > rule.tolerance
                                 : (rule.every || cosHalf * rule.miterLimit < 1) && gap > rule.tolerance;
        const double back = std::min({distance * std::tan(turn / 4), inLength / 2, outLength / 2});
        if (!facing || !bevel || back < 1) {
            cut.push_back(at);
            continue;
        }
        cut.push_back(Moved(at, d0, -back));
        cut.push_back(Moved(at, d1, back));
    }
    return cut;
}

}  // namespace host
