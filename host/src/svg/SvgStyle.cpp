#include "svg/SvgStyle.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <initializer_list>

#include "svg/SvgLength.h"
#include "svg/SvgNumbers.h"
#include "svg/SvgPaint.h"
#include "svg/SvgReferences.h"

namespace host::svg {
namespace {

constexpr std::string_view kProperties[] = {"fill",
                                            "stroke",
                                            "color",
                                            "fill-rule",
                                            "stroke-width",
                                            "stroke-dasharray",
                                            "stroke-dashoffset",
                                            "stroke-linecap",
                                            "stroke-linejoin",
                                            "stroke-miterlimit",
                                            "font-size",
                                            "font-family",
                                            "display",
                                            "clip-path",
                                            "mask",
                                            "filter",
                                            "marker",
                                            "marker-start",
                                            "marker-mid",
                                            "marker-end",
                                            "opacity",
                                            "fill-opacity",
                                            "stroke-opacity",
                                            "visibility"};

constexpr std::string_view kHostProperties[] = {"fill-color", "stroke-color", "fill-overprint", "stroke-overprint",
                                                "clip",       "lock-clip",    "resolution"};

const Color kBlack = {3, {0, 0, 0, 0}};

int16_t Keyword(std::string_view value, std::initializer_list<std::string_view> words)
{
    int16_t index = 0;
    for (const std::string_view word : words) {
        if (value == word) return index;
        ++index;
    }
    throw SvgValueError("unknown value " + Quoted(value));
}

double NonNegative(double value)
{
    if (value < 0) throw SvgValueError("negative value " + Quoted(FormatNumber(value)));
    return value;
}

double UserLength(std::string_view value) { return LengthInUserUnits(ParseLength(value)); }

void SetPaint(std::string_view value, bool& paint, Color& color, bool& current, Paint& server)
{
    Paint parsed = ParsePaint(value);
    current = parsed.kind == Paint::Kind::CurrentColor;
    paint = parsed.kind != Paint::Kind::None;
    color = parsed.kind == Paint::Kind::Color ? parsed.color : Color{};
    server = parsed.kind == Paint::Kind::Server ? std::move(parsed) : Paint{};
}

// A number, or a percentage, clamped to 0 to 1.
double Opacity(std::string_view value)
{
    const Length length = ParseLength(value);
    if (!length.unit.empty() && length.unit != "%") throw SvgValueError("bad opacity " + Quoted(value));
    return std::clamp(length.unit == "%" ? length.value / 100 : length.value, 0.0, 1.0);
}

void SetDashes(Style& style, std::string_view value)
{
    if (value == "none") {
        style.dashLength = 0;
        for (double& dash : style.dash) dash = 0;
        return;
    }
    const std::vector<double> dashes = ParseUserLengthList(value);
    if (dashes.empty()) throw SvgValueError("expected dash lengths or none");
    if (dashes.size() > 6) throw SvgValueError("more than 6 values");
    style.dashLength = static_cast<int16_t>(dashes.size());
    for (std::size_t i = 0; i < 6; ++i) style.dash[i] = i < dashes.size() ? NonNegative(dashes[i]) : 0;
}

double FontSize(std::string_view value, double parentSize)
{
    const Length length = ParseLength(value);
    double size = 0;
    if (length.unit == "em")
        size = length.value * parentSize;
    else if (length.unit == "%")
        size = length.value / 100 * parentSize;
    else
        size = LengthInUserUnits(length);
    if (!std::isfinite(size)) throw SvgValueError("font size out of range");
    return NonNegative(size);
}

// Each branch reads the value whole before it changes anything, so that a value that cannot be read leaves the
// style as it was.
void ApplyDeclarationTo(ComputedStyle& cs, const ComputedStyle& parent, std::string_view name,
                        std::string_view rawValue)
{
    const std::string_view value = Trim(rawValue);
    Style& s = cs.style;
    const Style& p = parent.style;
    const bool inherit = value == "inherit";
    if (name == "fill") {
        if (inherit)
            s.fillPaint = p.fillPaint, s.fillColor = p.fillColor, cs.fillCurrent = false, cs.fillServer = Paint{};
        else
            SetPaint(value, s.fillPaint, s.fillColor, cs.fillCurrent, cs.fillServer);
    } else if (name == "stroke") {
        if (inherit)
            s.strokePaint = p.strokePaint, s.strokeColor = p.strokeColor, cs.strokeCurrent = false,
            cs.strokeServer = Paint{};
        else
            SetPaint(value, s.strokePaint, s.strokeColor, cs.strokeCurrent, cs.strokeServer);
    } else if (name == "color") {
        cs.color = inherit ? parent.color : ParseColor(value);
    } else if (name == "fill-rule") {
        s.evenOdd = inherit ? p.evenOdd : Keyword(value, {"nonzero", "evenodd"}) == 1;
    } else if (name == "stroke-width") {
        s.strokeWidth = inherit ? p.strokeWidth : NonNegative(UserLength(value));
    } else if (name == "stroke-dasharray") {
        if (inherit) {
            s.dashLength = p.dashLength;
            for (int i = 0; i < 6; ++i) s.dash[i] = p.dash[i];
        } else {
            SetDashes(s, value);
        }
    } else if (name == "stroke-dashoffset") {
        s.dashOffset = inherit ? p.dashOffset : UserLength(value);
    } else if (name == "stroke-linecap") {
        s.cap = inherit ? p.cap : Keyword(value, {"butt", "round", "square"});
    } else if (name == "stroke-linejoin") {
        s.join = inherit ? p.join : Keyword(value, {"miter", "round", "bevel"});
    } else if (name == "stroke-miterlimit") {
        const double limit = inherit ? p.miterLimit : ParseNumber(value);
        if (limit < 1) throw SvgValueError("a miter limit is at least 1");
        s.miterLimit = limit;
    } else if (name == "font-size") {
        cs.fontSize = inherit ? parent.fontSize : FontSize(value, parent.fontSize);
    } else if (name == "font-family") {
        cs.fontFamily = inherit ? parent.fontFamily : std::string(value);
    } else if (name == "display") {
        cs.displayNone = inherit ? parent.displayNone : value == "none";
    } else if (name == "visibility") {
        cs.visibilityHidden =
            inherit ? parent.visibilityHidden : Keyword(value, {"visible", "hidden", "collapse"}) != 0;
    } else if (name == "opacity") {
        cs.opacity = inherit ? parent.opacity : Opacity(value);
    } else if (name == "fill-opacity") {
        cs.fillOpacity = inherit ? parent.fillOpacity : Opacity(value);
    } else if (name == "stroke-opacity") {
        cs.strokeOpacity = inherit ? parent.strokeOpacity : Opacity(value);
    } else if (name == "clip-path") {
        cs.clipPath = inherit ? parent.clipPath : ParseUrlOrNone(value);
    } else if (name == "mask") {
        cs.mask = inherit ? parent.mask : ParseUrlOrNone(value);
    } else if (name == "filter") {
        // Filter functions such as blur(2px) are effects too; they are kept as the text they are.
        cs.filter = inherit                            ? parent.filter
                    : value.compare(0, 4, "url(") == 0 ? ParseUrlOrNone(value)
                    : value == "none"                  ? std::string()
                                                       : std::string(value);
    } else if (name == "marker") {
        const std::string marker = inherit ? parent.markerMid : ParseUrlOrNone(value);
        cs.markerStart = cs.markerMid = cs.markerEnd = marker;
    } else if (name == "marker-start") {
        cs.markerStart = inherit ? parent.markerStart : ParseUrlOrNone(value);
    } else if (name == "marker-mid") {
        cs.markerMid = inherit ? parent.markerMid : ParseUrlOrNone(value);
    } else if (name == "marker-end") {
        cs.markerEnd = inherit ? parent.markerEnd : ParseUrlOrNone(value);
    }
}

}  // namespace

ComputedStyle InitialStyle()
{
    ComputedStyle initial;
    initial.style.fillPaint = true;
    initial.style.fillColor = kBlack;
    initial.color = kBlack;
    return initial;
}

void KeepInherited(ComputedStyle& style)
{
    style.displayNone = false;
    style.fillCurrent = style.strokeCurrent = false;
    style.fillServer = style.strokeServer = Paint{};
    style.clipPath.clear();
    style.mask.clear();
    style.filter.clear();
    style.opacity = 1;
}

ComputedStyle InheritedStyle(const ComputedStyle& parent)
{
    ComputedStyle style = parent;
    KeepInherited(style);
    return style;
}

bool IsStyleProperty(std::string_view name)
{
    // Every property begins with one of these letters; most other attributes (d, id, points, x, y) do not.
    if (name.empty() || std::string_view("cdfmosv").find(name.front()) == std::string_view::npos) return false;
    for (const std::string_view property : kProperties)
        if (name == property) return true;
    return false;
}

bool IsHostStyleProperty(std::string_view name)
{
    for (const std::string_view property : kHostProperties)
        if (name == property) return true;
    return false;
}

void ApplyDeclaration(ComputedStyle& style, const ComputedStyle& parent, std::string_view name, std::string_view value)
{
    ApplyDeclarationTo(style, parent, name, value);
}
void FinishDeclarations(ComputedStyle& cs)
{
    if (cs.fillCurrent) cs.style.fillColor = cs.color;
    if (cs.strokeCurrent) cs.style.strokeColor = cs.color;
    cs.fillCurrent = cs.strokeCurrent = false;
}

std::vector<CssDeclaration> ParseStyleAttribute(std::string_view text)
{
    // Comments go first, so that a ";" inside one splits nothing.
    std::string plain;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 2, "/*") == 0) {
            const std::size_t end = text.find("*/", i + 2);
            if (end == std::string_view::npos) break;
            i = end + 1;
            continue;
        }
        plain += text[i];
    }
    std::vector<CssDeclaration> declarations;
    std::size_t from = 0;
    while (from < plain.size()) {
        const std::size_t end = std::min(plain.find(';', from), plain.size());
        const std::string_view declaration = Trim(std::string_view(plain).substr(from, end - from));
        from = end + 1;
        if (declaration.empty()) continue;
        const std::size_t colon = declaration.find(':');
        if (colon == std::string_view::npos)
            throw SvgValueError("expected \"name: value\", found " + Quoted(declaration));
        std::string_view value = Trim(declaration.substr(colon + 1));
        const std::size_t important = value.find("!important");
        if (important != std::string_view::npos) value = Trim(value.substr(0, important));
        declarations.push_back(
            {std::string(Trim(declaration.substr(0, colon))), std::string(value), important != std::string_view::npos});
    }
    return declarations;
}

void ApplyHostProperty(ComputedStyle& cs, std::string_view name, std::string_view value)
{
    Style& s = cs.style;
    if (name == "fill-color" || name == "stroke-color") {
        const bool fill = name == "fill-color";
        const Color exact = ParseExactColor(value);
        const bool paint = fill ? s.fillPaint : s.strokePaint;
        Color& color = fill ? s.fillColor : s.strokeColor;
        if (!paint || DisplayColor(exact) == DisplayColor(color)) color = exact;
    } else if (name == "fill-overprint") {
        s.fillOverprint = ParseBoolean(value);
    } else if (name == "stroke-overprint") {
        s.strokeOverprint = ParseBoolean(value);
    } else if (name == "clip") {
        s.clip = ParseBoolean(value);
    } else if (name == "lock-clip") {
        s.lockClip = ParseBoolean(value);
    } else if (name == "resolution") {
        s.resolution = ParseNumber(value);
        if (s.resolution <= 0) throw SvgValueError("a resolution is positive");
    }
}

Style StyleFor(const ComputedStyle& cs, double scale)
{
    Style style = cs.style;
    if (scale != 1) {
        style.strokeWidth *= scale;
        style.dashOffset *= scale;
        for (double& dash : style.dash) dash *= scale;
    }
    return style;
}

bool ParseBoolean(std::string_view text)
{
    text = Trim(text);
    if (text == "true") return true;
    if (text == "false") return false;
    throw SvgValueError("expected true or false, found " + Quoted(text));
}

}  // namespace host::svg
