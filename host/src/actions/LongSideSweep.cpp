#include "LongSideSweep.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace host {
namespace {

void Swap(ClipperLib::Paths& paths)
{
    for (ClipperLib::Path& path : paths)
        for (ClipperLib::IntPoint& p : path) std::swap(p.X, p.Y);
}

}  // namespace

LongSideSweep::LongSideSweep(const ClipperLib::Paths& input)
{
    ClipperLib::cInt left = std::numeric_limits<ClipperLib::cInt>::max(), bottom = left;
    ClipperLib::cInt right = std::numeric_limits<ClipperLib::cInt>::min(), top = right;
    for (const ClipperLib::Path& path : input)
        for (const ClipperLib::IntPoint& p : path) {
            left = std::min(left, p.X);
            right = std::max(right, p.X);
            bottom = std::min(bottom, p.Y);
            top = std::max(top, p.Y);
        }
    fSwaps = left <= right && right - left > top - bottom;
}

void LongSideSweep::In(ClipperLib::Paths& paths) const
{
    if (fSwaps) Swap(paths);
}

void LongSideSweep::Out(ClipperLib::Paths& paths) const
{
    if (!fSwaps) return;
    Swap(paths);
    ClipperLib::ReversePaths(paths);
}

}  // namespace host
