#include "svg/SvgViewport.h"

#include <algorithm>
#include <string>
#include <vector>

#include "svg/SvgNumbers.h"

namespace host::svg {

ViewBox ParseViewBox(std::string_view text)
{
    const std::vector<double> values = ParseNumberList(text);
    if (values.size() != 4) throw SvgValueError("expected 4 numbers, found " + std::to_string(values.size()));
    if (values[2] <= 0 || values[3] <= 0) throw SvgValueError("width and height must be positive");
    return {values[0], values[1], values[2], values[3]};
}

AspectRatio ParseAspectRatio(std::string_view text)
{
    std::vector<std::string> words;
    std::string word;
    for (const char c : text) {
        if (IsSpace(c)) {
            if (!word.empty()) words.push_back(word);
            word.clear();
        } else {
            word += c;
        }
    }
    if (!word.empty()) words.push_back(word);
    if (!words.empty() && words.front() == "defer") words.erase(words.begin());
    if (words.empty() || words.size() > 2) throw SvgValueError("expected an alignment and meet or slice");
    AspectRatio ratio;
    const std::string& align = words[0];
    if (align == "none") {
        ratio.none = true;
    } else {
        auto part = [&](std::string_view piece) {
            if (piece == "Min") return 0.0;
            if (piece == "Mid") return 0.5;
            if (piece == "Max") return 1.0;
            throw SvgValueError("unknown alignment " + Quoted(align));
        };
        if (align.size() != 8 || align[0] != 'x' || align[4] != 'Y')
            throw SvgValueError("unknown alignment " + Quoted(align));
        ratio.alignX = part(std::string_view(align).substr(1, 3));
        ratio.alignY = part(std::string_view(align).substr(5, 3));
    }
    if (words.size() == 2) {
        if (words[1] == "slice")
            ratio.slice = true;
        else if (words[1] != "meet")
            throw SvgValueError("expected meet or slice, found " + Quoted(words[1]));
    }
    return ratio;
}

Matrix ViewportMatrix(double widthPt, double heightPt, const ViewBox* viewBox, const AspectRatio& ratio)
{
    if (!viewBox) return {0.75, 0, 0, 0.75, 0, 0};
    double sx = widthPt / viewBox->width;
    double sy = heightPt / viewBox->height;
    double tx = 0, ty = 0;
    if (!ratio.none) {
        sx = sy = ratio.slice ? std::max(sx, sy) : std::min(sx, sy);
        tx = (widthPt - viewBox->width * sx) * ratio.alignX;
        ty = (heightPt - viewBox->height * sy) * ratio.alignY;
    }
    return {sx, 0, 0, sy, tx - viewBox->x * sx, ty - viewBox->y * sy};
}

Matrix ArtworkMatrix(double pageHeight, Point origin) { return {1, 0, 0, -1, -origin.h, pageHeight - origin.v}; }

}  // namespace host::svg
