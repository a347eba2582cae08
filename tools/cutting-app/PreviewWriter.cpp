#include "PreviewWriter.h"

#include <algorithm>

#include "CropMarkLayout.h"
#include "SvgNumber.h"

namespace talvex {
namespace {

// Room around the drawing, in points.
constexpr double kMargin = 10.0;

// The smallest rectangle around what is drawn; empty until a point is added.
struct Bounds {
    bool fEmpty = true;
    double fLeft = 0, fBottom = 0, fRight = 0, fTop = 0;

    void Add(double x, double y)
    {
        if (fEmpty) {
            fLeft = fRight = x;
            fBottom = fTop = y;
            fEmpty = false;
            return;
        }
        fLeft = std::min(fLeft, x);
        fRight = std::max(fRight, x);
        fBottom = std::min(fBottom, y);
        fTop = std::max(fTop, y);
    }
};

// "x y" with y flipped.
std::string SvgPoint(const CutPoint& point) { return SvgNumber(point.fX) + " " + SvgNumber(-point.fY); }

// "M x y C x1 y1 x2 y2 x3 y3 ... Z"; empty for a path without a start.
std::string PathData(const CutPath& path)
{
    if (!path.fStart) {
        return std::string();
    }
    std::string d = "M " + SvgPoint(*path.fStart);
    for (const auto& curve : path.fCurves) {
        d += " C " + SvgPoint(curve[0]) + " " + SvgPoint(curve[1]) + " " + SvgPoint(curve[2]);
    }
    return path.fClosed ? d + " Z" : d;
}

void AppendPaths(const CutData& data, bool perforation, std::string& svg)
{
    for (const CutPath& path : data.fPaths) {
        const std::string d = PathData(path);
        if (path.fPerforation == perforation && !d.empty()) {
            svg += "<path d=\"" + d + "\"/>\n";
        }
    }
}

}  // namespace

std::string PreviewSvg(const CutData& data)
{
    Bounds bounds;
    std::vector<CutPoint> marks;
    if (data.fCropMarks) {
        marks = CropMarkCentres(*data.fCropMarks);
        const double r = data.fCropMarks->fRadius;
        for (const CutPoint& centre : marks) {
            bounds.Add(centre.fX - r, centre.fY - r);
            bounds.Add(centre.fX + r, centre.fY + r);
        }
    }
    for (const CutPath& path : data.fPaths) {
        if (path.fStart) {
            bounds.Add(path.fStart->fX, path.fStart->fY);
            for (const auto& curve : path.fCurves) {
                for (const CutPoint& point : curve) {
                    bounds.Add(point.fX, point.fY);
                }
            }
        }
    }
    const double width = bounds.fRight - bounds.fLeft + 2 * kMargin;
    const double height = bounds.fTop - bounds.fBottom + 2 * kMargin;

    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    svg += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + SvgNumber(width) + "pt\" height=\"" +
           SvgNumber(height) + "pt\" viewBox=\"" + SvgNumber(bounds.fLeft - kMargin) + " " +
           SvgNumber(-bounds.fTop - kMargin) + " " + SvgNumber(width) + " " + SvgNumber(height) + "\">\n";
    svg += "<g id=\"crop-marks\" fill=\"#808080\">\n";
    for (const CutPoint& centre : marks) {
        svg += "<circle cx=\"" + SvgNumber(centre.fX) + "\" cy=\"" + SvgNumber(-centre.fY) + "\" r=\"" +
               SvgNumber(data.fCropMarks->fRadius) + "\"/>\n";
    }
    svg += "</g>\n";
    svg += "<g id=\"cut-lines\" fill=\"none\" stroke=\"#000000\" stroke-width=\"0.5\">\n";
    AppendPaths(data, false, svg);
    svg += "</g>\n";
    svg +=
        "<g id=\"perforation-lines\" fill=\"none\" stroke=\"#ff0000\" stroke-width=\"0.5\" "
        "stroke-dasharray=\"3 2\">\n";
    AppendPaths(data, true, svg);
    svg += "</g>\n";
    svg += "</svg>\n";
    return svg;
}

}  // namespace talvex
