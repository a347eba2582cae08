// The page heights that explain a point of tmp_km.txt. Its first number is the page height minus the second
// number of the matching tmp.txt point, but both were rounded from reals on their own, so a pair of numbers
// only bounds the page height; all points of a file must share one.
#ifndef TOOLS_OUTPUTAPP_PAGEHEIGHTWINDOW_H
#define TOOLS_OUTPUTAPP_PAGEHEIGHTWINDOW_H

#include <optional>

namespace talvex {

// Page heights from fLow to fHigh, in plotter units.
struct PageHeightWindow {
    double fLow = 0;
    double fHigh = 0;
};

// The heights H for which some reals A and Y with A + Y = H are written as turnedFirst and plainSecond.
PageHeightWindow HeightsOf(int turnedFirst, int plainSecond);

// The heights in both; none when they do not overlap by more than a point.
std::optional<PageHeightWindow> Overlap(const PageHeightWindow& a, const PageHeightWindow& b);

}  // namespace talvex

#endif
