// Writing: one svg root in points (viewBox "0 0 W H", one user unit a point), layers as layer groups, styles as
// presentation attributes written only where they differ from what the element inherits, and the host's own
// facts in the pd namespace. Where the plain form would not read back to the same numbers (segments, a text
// origin, a colour), the exact values go beside it; the writer finds out by reading its own output the way the
// reader does.
#include <algorithm>
#include <cmath>

#include "host/Svg.h"
#include "host/Utf.h"
#include "svg/SvgNumbers.h"
#include "svg/SvgPaint.h"
#include "svg/SvgPathData.h"
#include "svg/SvgSegments.h"
#include "svg/SvgShapes.h"
#include "svg/SvgStyle.h"
#include "svg/SvgTransform.h"
#include "svg/SvgViewport.h"
#include "svg/SvgXml.h"

namespace host {
namespace {

using namespace svg;

// Text for XML: markup characters as references; in attributes also the white space that reading would turn
// into spaces. Characters that XML cannot carry at all are refused, and so are bytes that are not UTF-8, which
// the file says it is.
std::string Escaped(std::string_view text, bool attribute)
{
    if (!IsValidUtf8(text)) throw SvgValueError("text that is not valid UTF-8 cannot be written");
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += attribute ? "&quot;" : "\""; break;
        case '\r': out += "&#13;"; break;
        case '\n': out += attribute ? "&#10;" : "\n"; break;
        case '\t': out += attribute ? "&#9;" : "\t"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20)
                throw SvgValueError("a control character cannot be written in XML");
            out += c;
        }
    }
    return out;
}

std::string Attribute(std::string_view name, std::string_view value)
{
    return " " + std::string(name) + "=\"" + Escaped(value, true) + "\"";
}

const char* Boolean(bool value) { return value ? "true" : "false"; }

bool SamePoint(Point a, Point b) { return a.h == b.h && a.v == b.v; }

bool SameShape(const PathShape& a, const PathShape& b)
{
    if (a.closed != b.closed || a.segments.size() != b.segments.size()) return false;
    for (std::size_t i = 0; i < a.segments.size(); ++i) {
        const Segment &s = a.segments[i], &t = b.segments[i];
        if (!SamePoint(s.p, t.p) || !SamePoint(s.in, t.in) || !SamePoint(s.out, t.out) || s.corner != t.corner)
            return false;
    }
    return true;
}

// The style as it reads back: a fill or stroke painted with no colour reads as not painted, and dash values past
// the dash length as zero.
Style ReadBack(Style style)
{
    if (style.fillPaint && style.fillColor.kind == 0) style.fillPaint = false;
    if (style.strokePaint && style.strokeColor.kind == 0) style.strokePaint = false;
    for (int i = std::max<int>(0, style.dashLength); i < 6; ++i) style.dash[i] = 0;
    return style;
}

bool SameDashes(const Style& a, const Style& b)
{
    if (a.dashLength != b.dashLength) return false;
    for (int i = 0; i < 6; ++i)
        if (a.dash[i] != b.dash[i]) return false;
    return true;
}

void CheckStyle(const Style& style)
{
    for (const Color* color : {&style.fillColor, &style.strokeColor})
        if (color->kind < 0 || color->kind > 3)
            throw SvgValueError("colour kind " + std::to_string(color->kind) + " is not one the host knows");
    if (style.dashLength < 0 || style.dashLength > 6)
        throw SvgValueError("dash length " + std::to_string(style.dashLength) + " is outside 0 to 6");
    if (style.cap < 0 || style.cap > 2) throw SvgValueError("line cap " + std::to_string(style.cap) + " is unknown");
    if (style.join < 0 || style.join > 2)
        throw SvgValueError("line join " + std::to_string(style.join) + " is unknown");
    if (!(style.strokeWidth >= 0)) throw SvgValueError("the stroke width is not a length");
    for (int i = 0; i < style.dashLength; ++i)
        if (!(style.dash[i] >= 0)) throw SvgValueError("a dash is not a length");
    if (!(style.miterLimit >= 1)) throw SvgValueError("the miter limit is below 1");
    if (!(style.resolution > 0)) throw SvgValueError("the resolution is not positive");
}

// fill or stroke: the colour shown, and the exact colour where the shown one would not read back to it.
std::string PaintAttributes(const char* name, bool paint, const Color& color)
{
    const bool shown = paint && color.kind != 0;
    const Rgb8 display = DisplayColor(color);
    std::string out = Attribute(name, shown ? HexColor(display) : "none");
    const Color readBack = shown ? ColorOfHex(display) : Color{};
    if (!SameColor(readBack, color)) out += Attribute(std::string("pd:") + name + "-color", FormatExactColor(color));
    return out;
}

// The presentation attributes that make wanted out of inherited.
std::string StyleAttributes(const Style& inherited, const Style& wanted)
{
    const Style& i = inherited;
    const Style& w = wanted;
    std::string out;
    if (w.fillPaint != i.fillPaint || !SameColor(w.fillColor, i.fillColor))
        out += PaintAttributes("fill", w.fillPaint, w.fillColor);
    if (w.fillOverprint != i.fillOverprint) out += Attribute("pd:fill-overprint", Boolean(w.fillOverprint));
    if (w.evenOdd != i.evenOdd) out += Attribute("fill-rule", w.evenOdd ? "evenodd" : "nonzero");
    if (w.strokePaint != i.strokePaint || !SameColor(w.strokeColor, i.strokeColor))
        out += PaintAttributes("stroke", w.strokePaint, w.strokeColor);
    if (w.strokeOverprint != i.strokeOverprint) out += Attribute("pd:stroke-overprint", Boolean(w.strokeOverprint));
    if (w.strokeWidth != i.strokeWidth) out += Attribute("stroke-width", FormatNumber(w.strokeWidth));
    if (!SameDashes(w, i)) {
        std::string dashes;
        for (int k = 0; k < w.dashLength; ++k) dashes += (k ? " " : "") + FormatNumber(w.dash[k]);
        out += Attribute("stroke-dasharray", w.dashLength ? dashes : "none");
    }
    if (w.dashOffset != i.dashOffset) out += Attribute("stroke-dashoffset", FormatNumber(w.dashOffset));
    static const char* const kCaps[] = {"butt", "round", "square"};
    static const char* const kJoins[] = {"miter", "round", "bevel"};
    if (w.cap != i.cap) out += Attribute("stroke-linecap", kCaps[w.cap]);
    if (w.join != i.join) out += Attribute("stroke-linejoin", kJoins[w.join]);
    if (w.miterLimit != i.miterLimit) out += Attribute("stroke-miterlimit", FormatNumber(w.miterLimit));
    if (w.clip != i.clip) out += Attribute("pd:clip", Boolean(w.clip));
    if (w.lockClip != i.lockClip) out += Attribute("pd:lock-clip", Boolean(w.lockClip));
    if (w.resolution != i.resolution) out += Attribute("pd:resolution", FormatNumber(w.resolution));
    return out;
}

// Lock and visibility of an object or a part of a compound path.
std::string StateAttributes(const Art& art)
{
    std::string out;
    if (art.attributes & kAttrLocked) out += Attribute("pd:locked", "true");
    if (art.attributes & kAttrHidden) out += Attribute("display", "none");
    return out;
}

std::string TagElements(const Art& art)
{
    std::string out;
    for (const Tag& tag : art.tags)
        out += "<pd:tag" + Attribute("name", tag.name) + Attribute("type", tag.type) + Attribute("value", tag.value) +
               "/>";
    return out;
}

std::string Describe(const Art& art)
{
    if (art.id.empty() || !IsValidUtf8(art.id)) return "object " + std::to_string(art.serial);
    return "object \"" + art.id + "\"";
}

class Writer {
public:
    explicit Writer(const Document& document) : fDocument(document)
    {
        const double width = document.PageWidth(), height = document.PageHeight();
        const Point origin = document.Origin();
        if (!(width > 0) || !(height > 0) || !std::isfinite(width) || !std::isfinite(height))
            throw SvgError("cannot write the document: the page size is not positive");
        if (!std::isfinite(origin.h) || !std::isfinite(origin.v))
            throw SvgError("cannot write the document: the origin is not finite");
        // The matrix the reader builds for this file's top level, so that the writer can check what reads back.
        const ViewBox viewBox{0, 0, width, height};
        fToArtwork = Multiply(ArtworkMatrix(height, origin), ViewportMatrix(width, height, &viewBox, AspectRatio{}));
    }

    std::string Write()
    {
        const double width = fDocument.PageWidth(), height = fDocument.PageHeight();
        const Point origin = fDocument.Origin();
        fOut = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
        fOut += "<svg" + Attribute("xmlns", kSvgNamespace) + Attribute("xmlns:inkscape", kInkscapeNamespace) +
                Attribute("xmlns:pd", kHostNamespace) + Attribute("width", FormatNumber(width) + "pt") +
                Attribute("height", FormatNumber(height) + "pt") +
                Attribute("viewBox", "0 0 " + FormatNumber(width) + " " + FormatNumber(height)) +
                Attribute("pd:origin", FormatNumber(origin.h) + " " + FormatNumber(origin.v));
        if (const Layer* current = fDocument.CurrentLayer()) fOut += Attribute("pd:current-layer", current->name);
        if (fDocument.Layers().empty()) {
            fOut += "/>\n";
            return fOut;
        }
        fOut += ">\n";
        for (const auto& layer : fDocument.Layers()) WriteLayer(*layer);
        fOut += "</svg>\n";
        return fOut;
    }

private:
    Point ToUser(Point p) const
    {
        const Point origin = fDocument.Origin();
        return {p.h + origin.h, fDocument.PageHeight() - (p.v + origin.v)};
    }

    void Indent(int depth) { fOut.append(static_cast<std::size_t>(depth) * 2, ' '); }

    void WriteLayer(const Layer& layer)
    {
        std::string attributes;
        if (!layer.id.empty()) attributes += Attribute("id", layer.id);
        attributes += Attribute("inkscape:groupmode", "layer") + Attribute("inkscape:label", layer.name);
        if (layer.locked) attributes += Attribute("pd:locked", "true");
        if (!layer.visible) attributes += Attribute("display", "none");
        Indent(1);
        if (layer.art.empty()) {
            fOut += "<g" + attributes + "/>\n";
            return;
        }
        fOut += "<g" + attributes + ">\n";
        const Style initial = InitialStyle().style;
        for (const auto& art : layer.art) WriteArt(*art, initial, 2);
        Indent(1);
        fOut += "</g>\n";
    }

    void WriteArt(const Art& art, const Style& inherited, int depth)
    {
        try {
            CheckStyle(art.style);
            const Style style = ReadBack(art.style);
            switch (art.kind) {
            case ArtKind::Group: WriteGroup(art, inherited, style, depth); break;
            case ArtKind::Path:
            case ArtKind::CompoundPath: WritePath(art, inherited, style, depth); break;
            case ArtKind::Text: WriteText(art, inherited, style, depth); break;
            case ArtKind::Placed: WritePlaced(art, inherited, style, depth); break;
            default:
                throw SvgValueError("art of kind " + std::to_string(static_cast<int>(art.kind)) + " cannot be written");
            }
        } catch (const SvgValueError& error) {
            throw SvgError("cannot write " + Describe(art) + ": " + error.what());
        }
    }

    void WriteGroup(const Art& art, const Style& inherited, const Style& style, int depth)
    {
        std::string open = "<g";
        if (!art.id.empty()) open += Attribute("id", art.id);
        open += StyleAttributes(inherited, style) + StateAttributes(art);
        const std::string tags = TagElements(art);
        Indent(depth);
        if (tags.empty() && art.children.empty()) {
            fOut += open + "/>\n";
            return;
        }
        fOut += open + ">\n";
        if (!tags.empty()) {
            Indent(depth + 1);
            fOut += tags + "\n";
        }
        for (const auto& child : art.children) WriteArt(*child, style, depth + 1);
        Indent(depth);
        fOut += "</g>\n";
    }

    void WritePath(const Art& art, const Style& inherited, const Style& style, int depth)
    {
        std::vector<PathShape> shapes;
        const bool compound = art.kind == ArtKind::CompoundPath;
        if (compound) {
            for (const auto& child : art.children) {
                if (child->segments.empty())
                    throw SvgValueError("an empty path inside a compound path cannot be written");
                shapes.push_back({child->segments, child->closed});
            }
        } else if (!art.segments.empty()) {
            shapes.push_back({art.segments, art.closed});
        }
        std::vector<Subpath> subpaths;
        for (const PathShape& shape : shapes)
            subpaths.push_back(SubpathOf(shape, [this](Point p) { return ToUser(p); }));
        const std::string data = FormatPathData(subpaths);
        bool exact = true;
        for (std::size_t k = 0; k < shapes.size(); ++k)
            exact = exact && SameShape(ShapeOf(subpaths[k], fToArtwork), shapes[k]);
        std::string open = "<path";
        if (!art.id.empty()) open += Attribute("id", art.id);
        open += Attribute("d", data);
        if (compound && shapes.size() < 2) open += Attribute("pd:compound", "true");
        if (!exact) open += Attribute("pd:segments", FormatExactShapes(shapes));
        open += StyleAttributes(inherited, style) + StateAttributes(art);

        std::string inside = TagElements(art);
        if (compound) inside += PartElements(art, style);
        Indent(depth);
        fOut += inside.empty() ? open + "/>\n" : open + ">" + inside + "</path>\n";
    }

    // What a compound path's members have of their own, as <pd:part index="k">.
    std::string PartElements(const Art& compound, const Style& style)
    {
        std::string out;
        for (std::size_t k = 0; k < compound.children.size(); ++k) {
            const Art& part = *compound.children[k];
            CheckStyle(part.style);
            std::string attributes;
            if (!part.id.empty()) attributes += Attribute("id", part.id);
            attributes += StyleAttributes(style, ReadBack(part.style)) + StateAttributes(part);
            const std::string tags = TagElements(part);
            if (attributes.empty() && tags.empty()) continue;
            const std::string open = "<pd:part" + Attribute("index", std::to_string(k)) + attributes;
            out += tags.empty() ? open + "/>" : open + ">" + tags + "</pd:part>";
        }
        return out;
    }

    // Placed art is its frame, four corners: an image of one unit square carried onto them by its transform,
    // without a picture, marked pd:placed so that it reads back as the host's own.
    void WritePlaced(const Art& art, const Style& inherited, const Style& style, int depth)
    {
        if (art.segments.size() != 4 || !art.closed) throw SvgValueError("placed art needs a frame of four corners");
        const Point p0 = ToUser(art.segments[0].p), p1 = ToUser(art.segments[1].p), p3 = ToUser(art.segments[3].p);
        const std::string transform = "matrix(" + FormatNumber(p1.h - p0.h) + " " + FormatNumber(p1.v - p0.v) + " " +
                                      FormatNumber(p3.h - p0.h) + " " + FormatNumber(p3.v - p0.v) + " " +
                                      FormatNumber(p0.h) + " " + FormatNumber(p0.v) + ")";
        const Matrix matrix = Multiply(fToArtwork, ParseTransform(transform));
        const Subpath frame = PolyPath({0, 0, 1, 0, 1, 1, 0, 1}, true);
        const PathShape shape{art.segments, art.closed};
        std::string open = "<image";
        if (!art.id.empty()) open += Attribute("id", art.id);
        open += Attribute("width", "1") + Attribute("height", "1") + Attribute("preserveAspectRatio", "none") +
                Attribute("transform", transform) + Attribute("pd:placed", "true");
        if (!SameShape(ShapeOf(frame, matrix), shape)) open += Attribute("pd:segments", FormatExactShapes({shape}));
        open += StyleAttributes(inherited, style) + StateAttributes(art);
        const std::string tags = TagElements(art);
        Indent(depth);
        fOut += tags.empty() ? open + "/>\n" : open + ">" + tags + "</image>\n";
    }

    void WriteText(const Art& art, const Style& inherited, const Style& style, int depth)
    {
        if (!(art.fontSize >= 0)) throw SvgValueError("the font size is not a length");
        const Point user = ToUser(art.textOrigin);
        std::string open = "<text";
        if (!art.id.empty()) open += Attribute("id", art.id);
        open += Attribute("x", FormatNumber(user.h)) + Attribute("y", FormatNumber(user.v));
        if (!SamePoint(Apply(fToArtwork, user), art.textOrigin))
            open += Attribute("pd:text-origin", FormatNumber(art.textOrigin.h) + " " + FormatNumber(art.textOrigin.v));
        open += Attribute("font-size", FormatNumber(art.fontSize));
        if (!art.fontFamily.empty()) open += Attribute("font-family", art.fontFamily);
        open += Attribute("xml:space", "preserve") + StyleAttributes(inherited, style) + StateAttributes(art);
        Indent(depth);
        fOut += open + ">" + TagElements(art) + Escaped(art.text, false) + "</text>\n";
    }

    const Document& fDocument;
    Matrix fToArtwork;
    std::string fOut;
};

}  // namespace

std::string WriteSvgText(const Document& document)
{
    try {
        return Writer(document).Write();
    } catch (const svg::SvgValueError& error) {
        throw SvgError(std::string("cannot write the document: ") + error.what());
    }
}

}  // namespace host
