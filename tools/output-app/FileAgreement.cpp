#include "FileAgreement.h"

#include <string>
#include <vector>

#include "SvgNumber.h"

namespace talvex {
namespace {

std::vector<PlotPoint> AllPoints(const CommandFile& file)
{
    std::vector<PlotPoint> points;
    for (const PlotPath& path : file.fPaths) {
        points.insert(points.end(), path.fPoints.begin(), path.fPoints.end());
    }
    return points;
}

// The point line as written: "PU1016,-12".
std::string PointText(const PlotPoint& point)
{
    return std::string("\"") + (point.fPenDown ? "PD" : "PU") + std::to_string(point.fX) + "," +
           std::to_string(point.fY) + "\"";
}

std::string PlainAt(int line) { return "tmp.txt:" + std::to_string(line); }

std::string CropMarkText(const CropMarkValues& values)
{
    return std::to_string(values.fOriginX) + "," + std::to_string(values.fOriginY) + "," +
           std::to_string(values.fWidth) + "," + std::to_string(values.fLength);
}

std::string CountText(const CommandFile& file)
{
    return std::to_string(file.fPaths.size()) + " paths with " + std::to_string(PointCount(file)) + " points";
}

void CompareCounts(const CommandFile& plain, CommandFile& other)
{
    if (other.fPaths.size() != plain.fPaths.size() || PointCount(other) != PointCount(plain)) {
        other.fProblems.push_back({0, CountText(other) + "; tmp.txt has " + CountText(plain)});
    }
}

}  // namespace

void CompareProWithPlain(const CommandFile& plain, CommandFile& pro)
{
    if (plain.fCropHeader != pro.fCropHeader) {
        pro.fProblems.push_back(
            {0, pro.fCropHeader ? "crop header, but tmp.txt has none" : "no crop header, but tmp.txt has one"});
    }
    if (plain.fCropMarks && pro.fCropMarks && CropMarkText(*plain.fCropMarks) != CropMarkText(*pro.fCropMarks)) {
        pro.fProblems.push_back({pro.fCropMarks->fLine, "crop-mark values " + CropMarkText(*pro.fCropMarks) +
                                                            " differ from " + PlainAt(plain.fCropMarks->fLine) + "'s " +
                                                            CropMarkText(*plain.fCropMarks)});
    }
    CompareCounts(plain, pro);
    const std::vector<PlotPoint> expected = AllPoints(plain);
    const std::vector<PlotPoint> found = AllPoints(pro);
    for (std::size_t i = 0; i < expected.size() && i < found.size(); ++i) {
        if (PointText(found[i]) != PointText(expected[i])) {
            pro.fProblems.push_back({found[i].fLine, PointText(found[i]) + " differs from " +
                                                         PlainAt(expected[i].fLine) + " " + PointText(expected[i])});
            return;
        }
    }
}

std::optional<PageHeightWindow> CompareTurnedWithPlain(const CommandFile& plain, CommandFile& turned)
{
    CompareCounts(plain, turned);
    const std::vector<PlotPoint> expected = AllPoints(plain);
    const std::vector<PlotPoint> found = AllPoints(turned);
    std::optional<PageHeightWindow> heights;
    for (std::size_t i = 0; i < expected.size() && i < found.size(); ++i) {
        const PlotPoint& a = found[i];
        const PlotPoint& p = expected[i];
        const std::string lead = PointText(a) + " is not the quarter turn of " + PlainAt(p.fLine) + " " + PointText(p);
        if (a.fPenDown != p.fPenDown) {
            turned.fProblems.push_back({a.fLine, lead + ": the commands differ"});
            return std::nullopt;
        }
        if (a.fY != p.fX) {
            turned.fProblems.push_back({a.fLine, lead + ": its second number must be " + std::to_string(p.fX)});
            return std::nullopt;
        }
        const PageHeightWindow here = HeightsOf(a.fX, p.fY);
        const std::optional<PageHeightWindow> both = heights ? Overlap(*heights, here) : here;
        if (!both) {
            const long long sum = static_cast<long long>(a.fX) + p.fY;
            turned.fProblems.push_back({a.fLine, lead + ": " + std::to_string(a.fX) + " + " + std::to_string(p.fY) +
                                                     " = " + std::to_string(sum) +
                                                     ", but the points before it give a page height of " +
                                                     SvgNumber(heights->fLow) + " to " + SvgNumber(heights->fHigh)});
            return std::nullopt;
        }
        heights = both;
    }
    return heights;
}

}  // namespace talvex
