#include "OutputPreview.h"

#include <algorithm>
#include <array>

#include "SvgNumber.h"

namespace talvex {
namespace {

// Room around the drawing, and the width of the strokes, in plotter units.
constexpr long long kMargin = 200;
constexpr const char* kStrokeWidth = "10";
constexpr double kUnitsPerMillimetre = 40.0;

// The smallest rectangle around what is drawn, starting at the origin.
struct Bounds {
    long long fLeft = 0, fBottom = 0, fRight = 0, fTop = 0;

    void Add(long long x, long long y)
    {
        fLeft = std::min(fLeft, x);
        fRight = std::max(fRight, x);
        fBottom = std::min(fBottom, y);
        fTop = std::max(fTop, y);
    }
};

std::string Number(long long value) { return std::to_string(value); }

std::string PathData(const PlotPath& path)
{
    std::string d;
    for (const PlotPoint& point : path.fPoints) {
        d += (d.empty() ? "M " : " L ") + Number(point.fX) + " " + Number(-static_cast<long long>(point.fY));
    }
    return d;
}

std::string FrameSvg(const CropMarkValues& marks, Bounds& bounds)
{
    const long long left = marks.fOriginX;
    const long long bottom = marks.fOriginY;
    const long long right = left + marks.fWidth;
    const long long top = bottom + marks.fLength;
    const long long radius = std::max(0LL, left);
    std::string svg = "<rect x=\"" + Number(left) + "\" y=\"" + Number(-top) + "\" width=\"" + Number(marks.fWidth) +
                      "\" height=\"" + Number(marks.fLength) + "\"/>\n";
    const std::array<std::array<long long, 2>, 4> corners = {
        {{left, bottom}, {right, bottom}, {left, top}, {right, top}}};
    for (const auto& [x, y] : corners) {
        svg += "<circle cx=\"" + Number(x) + "\" cy=\"" + Number(-y) + "\" r=\"" + Number(radius) + "\"/>\n";
        bounds.Add(x - radius, y - radius);
        bounds.Add(x + radius, y + radius);
    }
    return svg;
}

}  // namespace

std::string OutputPreviewSvg(const CommandFiles& files)
{
    Bounds bounds;
    std::string frame;
    if (const auto& marks = ShownCropMarks(files)) {
        frame = FrameSvg(*marks, bounds);
    }
    const CommandFile& source = files[0].fRead ? files[0] : files[1];
    std::string paths;
    for (const PlotPath& path : source.fPaths) {
        for (const PlotPoint& point : path.fPoints) {
            bounds.Add(point.fX, point.fY);
        }
        paths += "<path d=\"" + PathData(path) + "\"/>\n";
    }
    const long long width = bounds.fRight - bounds.fLeft + 2 * kMargin;
    const long long height = bounds.fTop - bounds.fBottom + 2 * kMargin;
    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    svg += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
           SvgNumber(static_cast<double>(width) / kUnitsPerMillimetre) + "mm\" height=\"" +
           SvgNumber(static_cast<double>(height) / kUnitsPerMillimetre) + "mm\" viewBox=\"" +
           Number(bounds.fLeft - kMargin) + " " + Number(-bounds.fTop - kMargin) + " " + Number(width) + " " +
           Number(height) + "\">\n";
    svg += std::string("<g id=\"crop-mark-frame\" fill=\"none\" stroke=\"#808080\" stroke-width=\"") + kStrokeWidth +
           "\">\n" + frame + "</g>\n";
    svg += std::string("<g id=\"cut-paths\" fill=\"none\" stroke=\"#000000\" stroke-width=\"") + kStrokeWidth +
           "\">\n" + paths + "</g>\n";
    return svg + "</svg>\n";
}

}  // namespace talvex
