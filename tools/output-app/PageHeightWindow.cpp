#include "PageHeightWindow.h"

#include <algorithm>

namespace talvex {
namespace {

// The reals that the writer's rounding, trunc(v + 0.5), turns into n: half up above zero, but everything
// from -1.5 to 0.5 becomes 0 and negative results lie up to 1.5 above the real.
PageHeightWindow RealsOf(int n)
{
    const double value = n;
    if (n > 0) return {value - 0.5, value + 0.5};
    if (n == 0) return {-1.5, 0.5};
    return {value - 1.5, value - 0.5};
}

}  // namespace

PageHeightWindow HeightsOf(int turnedFirst, int plainSecond)
{
    const PageHeightWindow a = RealsOf(turnedFirst);
    const PageHeightWindow y = RealsOf(plainSecond);
    return {a.fLow + y.fLow, a.fHigh + y.fHigh};
}

std::optional<PageHeightWindow> Overlap(const PageHeightWindow& a, const PageHeightWindow& b)
{
    const PageHeightWindow both = {std::max(a.fLow, b.fLow), std::min(a.fHigh, b.fHigh)};
    // Windows that only touch do not meet: the rounding leaves each one open at an end.
    if (both.fLow >= both.fHigh) return std::nullopt;
    return both;
}

}  // namespace talvex
