// Reading: the XML tree walked in document order into layers, groups, compound paths, paths and text, with every
// coordinate carried into artwork coordinates and every failure reported at its element or attribute.
#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>

#include "host/Svg.h"
#include "host/Utf.h"
#include "svg/SvgLength.h"
#include "svg/SvgNumbers.h"
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

// What an element inherits from where it stands.
struct Context {
    NameScope scope;
    Matrix matrix;  // its user units to artwork coordinates
    ComputedStyle style;
    Layer* layer = nullptr;  // null: at the top, outside any layer
    Art* parent = nullptr;   // the enclosing group or compound path
    std::size_t depth = 1;   // of the objects made here (see kMaxArtDepth); it bounds the reader's recursion
    bool preserveSpace = false;
};

std::string HexByte(char byte)
{
    static const char kDigits[] = "0123456789ABCDEF";
    const auto value = static_cast<unsigned char>(byte);
    return std::string("0x") + kDigits[value >> 4] + kDigits[value & 0xF];
}

std::string TooDeep() { return " is nested more than " + std::to_string(kMaxArtDepth) + " levels deep"; }

// Content that is not drawn and so is passed over.
constexpr const char* kIgnored[] = {"defs",    "metadata", "title", "desc",   "linearGradient", "radialGradient",
                                    "pattern", "clipPath", "mask",  "marker", "filter",         "script"};

bool IsIgnored(const std::string& local)
{
    for (const char* name : kIgnored)
        if (local == name) return true;
    return false;
}

// Text without xml:space="preserve": newlines removed, tabs made spaces, spaces collapsed and trimmed.
std::string CollapseSpace(const std::string& text)
{
    std::string out;
    for (const char c : text) {
        if (c == '\n' || c == '\r') continue;
        const char ch = c == '\t' ? ' ' : c;
        if (ch == ' ' && (out.empty() || out.back() == ' ')) continue;
        out += ch;
    }
    if (!out.empty() && out.back() == ' ') out.pop_back();
    return out;
}

class Reader {
public:
    Reader(const std::string& text, const std::string& name) : fSource(name, text) {}

    std::unique_ptr<Document> Read()
    {
        // The file is read as UTF-8 and written back as UTF-8: bytes that are not are refused, not carried on.
        const std::string_view bytes(fSource.Buffer(), fSource.Size());
        if (const std::size_t bad = FirstInvalidUtf8(bytes); bad != std::string_view::npos)
            Fail(fSource.Where(bad), "invalid UTF-8: byte " + HexByte(bytes[bad]));
        const pugi::xml_parse_result parsed = fXml.load_buffer_inplace(
            fSource.Buffer(), fSource.Size(), pugi::parse_default | pugi::parse_ws_pcdata, pugi::encoding_utf8);
        if (!parsed) {
            std::string description = parsed.description();
            if (!description.empty())
                description[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(description[0])));
            Fail(fSource.Where(parsed.offset < 0 ? 0 : static_cast<std::size_t>(parsed.offset)),
                 "malformed XML: " + description);
        }
        ReadRoot(fXml.document_element());
        return std::move(fDocument);
    }

private:
    [[noreturn]] void Fail(const std::string& where, const std::string& message) const
    {
        throw SvgError(where + ": " + message);
    }
    [[noreturn]] void FailAt(pugi::xml_node element, const std::string& message) const
    {
        Fail(fSource.Where(element), "<" + std::string(element.name()) + ">" + message);
    }
    [[noreturn]] void FailAt(pugi::xml_node element, pugi::xml_attribute attribute, const std::string& message) const
    {
        Fail(fSource.Where(attribute),
             "<" + std::string(element.name()) + "> attribute " + attribute.name() + ": " + message);
    }

    // parse(value) with its failures reported at the attribute.
    template <typename Parse>
    auto Parsed(pugi::xml_node element, pugi::xml_attribute attribute, Parse parse) const
    {
        try {
            return parse(std::string_view(attribute.value()));
        } catch (const SvgValueError& error) {
            FailAt(element, attribute, error.what());
        }
    }

    // A plain attribute as a length in user units, or fallback when absent.
    double UserLength(pugi::xml_node element, const char* name, double fallback, bool nonNegative = false) const
    {
        const pugi::xml_attribute attribute = element.attribute(name);
        if (!attribute) return fallback;
        const double value =
            Parsed(element, attribute, [](std::string_view text) { return LengthInUserUnits(ParseLength(text)); });
        if (nonNegative && value < 0) FailAt(element, attribute, "negative value " + Quoted(attribute.value()));
        return value;
    }

    // A corner radius of a rect; -1 when absent or "auto".
    double Radius(pugi::xml_node element, const char* name) const
    {
        const pugi::xml_attribute attribute = element.attribute(name);
        if (!attribute || Trim(attribute.value()) == "auto") return -1;
        return UserLength(element, name, -1, true);
    }

    pugi::xml_attribute HostAttribute(pugi::xml_node element, const Context& context, const char* local) const
    {
        return context.scope.Find(element, kHostNamespace, local);
    }

    bool HostFlag(pugi::xml_node element, const Context& context, const char* local) const
    {
        const pugi::xml_attribute attribute = HostAttribute(element, context, local);
        return attribute && Parsed(element, attribute, ParseBoolean);
    }

    // The element's style: presentation attributes, then style="..." (which wins), then the host's properties.
    ComputedStyle StyleOf(pugi::xml_node element, const NameScope& scope, const ComputedStyle& parent) const
    {
        ComputedStyle style = InheritedStyle(parent);
        for (const pugi::xml_attribute attribute : element.attributes()) {
            const std::string_view name = attribute.name();
            if (IsStyleProperty(name))
                Parsed(element, attribute, [&](std::string_view value) {
                    ApplyDeclaration(style, parent, name, value);
                    return 0;
                });
        }
        if (const pugi::xml_attribute css = element.attribute("style")) {
            const auto declarations = Parsed(element, css, ParseStyleAttribute);
            for (const auto& [name, value] : declarations) {
                try {
                    ApplyDeclaration(style, parent, name, value);
                } catch (const SvgValueError& error) {
                    FailAt(element, css, name + ": " + error.what());
                }
            }
        }
        FinishDeclarations(style);
        for (const pugi::xml_attribute attribute : element.attributes()) {
            const QualifiedName name = scope.AttributeName(attribute);
            if (name.uri == kHostNamespace && IsHostStyleProperty(name.local))
                Parsed(element, attribute, [&](std::string_view value) {
                    ApplyHostProperty(style, name.local, value);
                    return 0;
                });
        }
        return style;
    }

    // The context inside element: its namespaces, transform, style and xml:space.
    Context Enter(pugi::xml_node element, const Context& outer) const
    {
        Context inner = outer;
        inner.scope = outer.scope.Enter(element);
        if (const pugi::xml_attribute transform = element.attribute("transform")) {
            inner.matrix = Multiply(outer.matrix, Parsed(element, transform, ParseTransform));
            if (!IsFinite(inner.matrix)) FailAt(element, transform, "transform out of range");
        }
        inner.style = StyleOf(element, inner.scope, outer.style);
        if (const pugi::xml_attribute space = inner.scope.Find(element, kXmlNamespace, "space"))
            inner.preserveSpace = std::strcmp(space.value(), "preserve") == 0;
        return inner;
    }

    void ReadRoot(pugi::xml_node root)
    {
        Context context;
        context.scope = NameScope().Enter(root);
        const QualifiedName name = context.scope.ElementName(root);
        if (name.uri != kSvgNamespace || name.local != "svg")
            Fail(fSource.Where(root), "the document element is <" + std::string(root.name()) + ">, not <svg>");
        if (const pugi::xml_attribute transform = root.attribute("transform"))
            FailAt(root, transform, "a transform of the whole document cannot be represented");

        ViewBox viewBox;
        const pugi::xml_attribute viewBoxAttribute = root.attribute("viewBox");
        if (viewBoxAttribute) viewBox = Parsed(root, viewBoxAttribute, ParseViewBox);
        AspectRatio ratio;
        if (const pugi::xml_attribute aspect = root.attribute("preserveAspectRatio"))
            ratio = Parsed(root, aspect, ParseAspectRatio);
        double width = PageLength(root, "width"), height = PageLength(root, "height");
        if (!viewBoxAttribute && (width == 0 || height == 0)) FailAt(root, " needs width and height or a viewBox");
        if (width == 0 && height == 0) {
            width = viewBox.width * 0.75;
            height = viewBox.height * 0.75;
        } else if (width == 0) {
            width = height * viewBox.width / viewBox.height;
        } else if (height == 0) {
            height = width * viewBox.height / viewBox.width;
        }
        if (!std::isfinite(width) || !std::isfinite(height)) FailAt(root, ": page size out of range");

        Point origin;
        if (const pugi::xml_attribute originAttribute = context.scope.Find(root, kHostNamespace, "origin")) {
            const std::vector<double> values = Parsed(root, originAttribute, ParseNumberList);
            if (values.size() != 2) FailAt(root, originAttribute, "expected 2 numbers");
            origin = {values[0], values[1]};
        }
        fDocument = std::make_unique<Document>(width, height);
        fDocument->SetOrigin(origin);
        context.matrix = Multiply(ArtworkMatrix(height, origin),
                                  ViewportMatrix(width, height, viewBoxAttribute ? &viewBox : nullptr, ratio));
        if (!IsFinite(context.matrix)) FailAt(root, ": page size out of range");
        context.style = StyleOf(root, context.scope, InitialStyle());
        if (const pugi::xml_attribute space = context.scope.Find(root, kXmlNamespace, "space"))
            context.preserveSpace = std::strcmp(space.value(), "preserve") == 0;

        ReadChildren(root, context);
        NameLayers();
        Layer* current = fDocument->Layers().empty() ? nullptr : fDocument->Layers().front().get();
        if (const pugi::xml_attribute named = context.scope.Find(root, kHostNamespace, "current-layer"))
            if (Layer* layer = fDocument->FindLayerByName(named.value())) current = layer;
        fDocument->SetCurrentLayer(current);
    }

    // width or height of the page in points; 0 when absent.
    double PageLength(pugi::xml_node root, const char* name) const
    {
        const pugi::xml_attribute attribute = root.attribute(name);
        if (!attribute) return 0;
        const double value =
            Parsed(root, attribute, [](std::string_view text) { return LengthInPoints(ParseLength(text)); });
        if (value <= 0) FailAt(root, attribute, "the page size must be positive");
        return value;
    }

    void ReadChildren(pugi::xml_node element, const Context& context)
    {
        for (const pugi::xml_node child : element.children())
            if (child.type() == pugi::node_element) ReadElement(child, context);
    }

    void ReadElement(pugi::xml_node element, const Context& context)
    {
        const QualifiedName name = context.scope.Enter(element).ElementName(element);
        if (name.uri != kSvgNamespace) return;  // other vocabularies (and the host's tags, read by their owners)
        const std::string& local = name.local;
        if (IsIgnored(local)) return;
        // Before anything inside is read: no file drives the recursion past the document's depth.
        if (context.depth > kMaxArtDepth) FailAt(element, TooDeep());
        if (local == "g")
            ReadGroup(element, context);
        else if (local == "text")
            ReadText(element, context);
        else if (local == "path" || local == "rect" || local == "circle" || local == "ellipse" || local == "line" ||
                 local == "polyline" || local == "polygon")
            ReadShape(element, context, local);
        else
            FailAt(element, " cannot be represented in the document");
    }

    Layer& LooseLayer()
    {
        if (!fLooseLayer) {
            fLooseLayer = &fDocument->AddLayer("");
            fUnnamed.push_back(fLooseLayer);
        }
        return *fLooseLayer;
    }

    // "Layer N" for layers without a label or id: N from the layer's place, raised past names in use.
    void NameLayers()
    {
        const auto& layers = fDocument->Layers();
        for (Layer* layer : fUnnamed) {
            std::size_t n = 1;
            while (layers[n - 1].get() != layer) ++n;
            std::string name;
            do {
                name = "Layer " + std::to_string(n++);
            } while (fDocument->FindLayerByName(name));
            layer->name = name;
        }
    }

    Art* MakeArt(pugi::xml_node element, ArtKind kind, const Context& context)
    {
        Art* art = nullptr;
        if (context.parent) {
            art = fDocument->NewArt(kind, PaintOrder::InsideOnTop, context.parent);
        } else {
            fDocument->SetCurrentLayer(context.layer ? context.layer : &LooseLayer());
            art = fDocument->NewArt(kind, PaintOrder::AboveAll, nullptr);
        }
        if (!art) FailAt(element, " cannot be placed here");
        return art;
    }

    Style CheckedStyle(pugi::xml_node element, const ComputedStyle& computed, const Matrix& matrix) const
    {
        const Style style = StyleFor(computed, ScaleOf(matrix));
        bool finite = std::isfinite(style.strokeWidth) && std::isfinite(style.dashOffset);
        for (const double dash : style.dash) finite = finite && std::isfinite(dash);
        if (!finite) FailAt(element, ": stroke lengths out of range");
        return style;
    }

    // id, lock, visibility, style and tags of an object.
    void ReadCommon(Art& art, pugi::xml_node element, const Context& inner) const
    {
        art.style = CheckedStyle(element, inner.style, inner.matrix);
        art.id = element.attribute("id").value();
        if (HostFlag(element, inner, "locked")) art.attributes |= kAttrLocked;
        if (inner.style.displayNone) art.attributes |= kAttrHidden;
        for (const pugi::xml_node child : element.children()) {
            if (child.type() != pugi::node_element) continue;
            const NameScope scope = inner.scope.Enter(child);
            const QualifiedName name = scope.ElementName(child);
            if (name.uri == kHostNamespace && name.local == "tag") ReadTag(art, child);
        }
    }

    void ReadTag(Art& art, pugi::xml_node element) const
    {
        const pugi::xml_attribute name = element.attribute("name");
        if (!name || !*name.value()) FailAt(element, " needs a name");
        const pugi::xml_attribute type = element.attribute("type");
        Tag tag{name.value(), type ? type.value() : "string", element.attribute("value").value()};
        for (Tag& existing : art.tags)
            if (existing.name == tag.name) {
                existing = tag;
                return;
            }
        art.tags.push_back(tag);
    }

    void ReadGroup(pugi::xml_node element, const Context& outer)
    {
        Context inner = Enter(element, outer);
        const pugi::xml_attribute mode = inner.scope.Find(element, kInkscapeNamespace, "groupmode");
        if (!outer.layer && mode && std::strcmp(mode.value(), "layer") == 0) {
            Layer& layer = fDocument->AddLayer("");
            const pugi::xml_attribute label = inner.scope.Find(element, kInkscapeNamespace, "label");
            layer.id = element.attribute("id").value();
            layer.name = label && *label.value() ? label.value() : layer.id;
            if (layer.name.empty()) fUnnamed.push_back(&layer);
            layer.locked = HostFlag(element, inner, "locked");
            layer.visible = !inner.style.displayNone;
            fLooseLayer = nullptr;
            inner.layer = &layer;
            inner.parent = nullptr;
            ReadChildren(element, inner);
            return;
        }
        Art* group = MakeArt(element, ArtKind::Group, outer);
        ReadCommon(*group, element, inner);
        inner.layer = group->layer;
        inner.parent = group;
        inner.depth = outer.depth + 1;
        ReadChildren(element, inner);
    }

    std::vector<Subpath> ShapeSubpaths(pugi::xml_node element, const std::string& local) const
    {
        if (local == "path") {
            const pugi::xml_attribute d = element.attribute("d");
            if (!d) return {};
            return Parsed(element, d, ParsePathData);
        }
        if (local == "rect") {
            const double width = UserLength(element, "width", 0, true), height = UserLength(element, "height", 0, true);
            double rx = Radius(element, "rx"), ry = Radius(element, "ry");
            if (rx < 0) rx = ry;  // one radius given: the other is the same
            if (ry < 0) ry = rx;
            if (width == 0 || height == 0) return {};  // not drawn
            return {RectPath(UserLength(element, "x", 0), UserLength(element, "y", 0), width, height, std::max(rx, 0.0),
                             std::max(ry, 0.0))};
        }
        if (local == "circle" || local == "ellipse") {
            const bool circle = local == "circle";
            const double rx = UserLength(element, circle ? "r" : "rx", 0, true);
            const double ry = circle ? rx : UserLength(element, "ry", 0, true);
            if (rx == 0 || ry == 0) return {};
            return {EllipsePath(UserLength(element, "cx", 0), UserLength(element, "cy", 0), rx, ry)};
        }
        if (local == "line")
            return {LinePath({UserLength(element, "x1", 0), UserLength(element, "y1", 0)},
                             {UserLength(element, "x2", 0), UserLength(element, "y2", 0)})};
        const pugi::xml_attribute points = element.attribute("points");
        if (!points) return {};
        const std::vector<double> coordinates = Parsed(element, points, ParseNumberList);
        if (coordinates.size() % 2 != 0) FailAt(element, points, "an odd number of coordinates");
        if (coordinates.empty()) return {};
        return {PolyPath(coordinates, local == "polygon")};
    }

    void ReadShape(pugi::xml_node element, const Context& outer, const std::string& local)
    {
        const Context inner = Enter(element, outer);
        const std::vector<Subpath> subpaths = ShapeSubpaths(element, local);
        std::vector<PathShape> shapes;
        for (const Subpath& subpath : subpaths) {
            try {
                shapes.push_back(ShapeOf(subpath, inner.matrix));
            } catch (const SvgValueError& error) {
                FailAt(element, std::string(": ") + error.what());
            }
        }
        if (const pugi::xml_attribute exact = HostAttribute(element, inner, "segments")) {
            std::vector<PathShape> exactShapes = Parsed(element, exact, ParseExactShapes);
            if (ExactShapesAgree(exactShapes, subpaths, inner.matrix)) shapes = std::move(exactShapes);
        }
        if (local != "path" && shapes.empty()) return;  // a shape of no size is not drawn
        const bool compound = shapes.size() > 1 || HostFlag(element, inner, "compound");
        if (compound && outer.depth + 1 > kMaxArtDepth)
            FailAt(element, ": its paths would be nested more than " + std::to_string(kMaxArtDepth) + " levels deep");
        Art* art = MakeArt(element, compound ? ArtKind::CompoundPath : ArtKind::Path, outer);
        ReadCommon(*art, element, inner);
        if (!compound) {
            if (!shapes.empty()) {
                art->segments = std::move(shapes.front().segments);
                art->closed = shapes.front().closed;
            }
            return;
        }
        for (PathShape& shape : shapes) {
            Art* part = fDocument->NewArt(ArtKind::Path, PaintOrder::InsideOnTop, art);
            part->segments = std::move(shape.segments);
            part->closed = shape.closed;
            part->style = art->style;
        }
        ReadParts(*art, element, inner);
    }

    // <pd:part index="k"> gives the k-th path of a compound path its own id, lock, visibility, tags and style.
    void ReadParts(Art& compound, pugi::xml_node element, const Context& inner) const
    {
        for (const pugi::xml_node child : element.children()) {
            if (child.type() != pugi::node_element) continue;
            Context partContext = inner;
            partContext.scope = inner.scope.Enter(child);
            const QualifiedName name = partContext.scope.ElementName(child);
            if (name.uri != kHostNamespace || name.local != "part") continue;
            const pugi::xml_attribute index = child.attribute("index");
            if (!index) FailAt(child, " needs an index");
            const double at = Parsed(child, index, ParseNumber);
            if (!(at >= 0 && at < static_cast<double>(compound.children.size())) || at != std::floor(at))
                FailAt(child, index, "no path " + Quoted(index.value()) + " in this compound path");
            partContext.style = StyleOf(child, partContext.scope, inner.style);
            ReadCommon(*compound.children[static_cast<std::size_t>(at)], child, partContext);
        }
    }

    // depth: that of element, as if each tspan were an object inside its parent.
    std::string TextContent(pugi::xml_node element, const NameScope& scope, std::size_t depth) const
    {
        std::string text;
        for (const pugi::xml_node child : element.children()) {
            if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata) {
                text += child.value();
            } else if (child.type() == pugi::node_element) {
                const NameScope inner = scope.Enter(child);
                const QualifiedName name = inner.ElementName(child);
                if (name.uri != kSvgNamespace) continue;
                if (name.local != "tspan") FailAt(child, " cannot be represented in the document");
                if (depth + 1 > kMaxArtDepth) FailAt(child, TooDeep());
                text += TextContent(child, inner, depth + 1);
            }
        }
        return text;
    }

    void ReadText(pugi::xml_node element, const Context& outer)
    {
        const Context inner = Enter(element, outer);
        Point position;
        for (const char* name : {"x", "y"}) {
            const pugi::xml_attribute attribute = element.attribute(name);
            if (!attribute) continue;
            const std::vector<double> values = Parsed(element, attribute, ParseUserLengthList);
            if (!values.empty()) (name[0] == 'x' ? position.h : position.v) = values.front();
        }
        const std::string raw = TextContent(element, inner.scope, outer.depth);
        Point origin = Apply(inner.matrix, position);
        if (!std::isfinite(origin.h) || !std::isfinite(origin.v)) FailAt(element, ": coordinates out of range");
        if (const pugi::xml_attribute exact = HostAttribute(element, inner, "text-origin")) {
            const std::vector<double> values = Parsed(element, exact, ParseNumberList);
            if (values.size() != 2) FailAt(element, exact, "expected 2 numbers");
            if (ExactPointAgrees({values[0], values[1]}, position, inner.matrix)) origin = {values[0], values[1]};
        }
        const double fontSize = inner.style.fontSize * ScaleOf(inner.matrix);
        if (!std::isfinite(fontSize)) FailAt(element, ": font size out of range");
        Art* art = MakeArt(element, ArtKind::Text, outer);
        ReadCommon(*art, element, inner);
        art->text = inner.preserveSpace ? raw : CollapseSpace(raw);
        art->textOrigin = origin;
        art->fontSize = fontSize;
        art->fontFamily = inner.style.fontFamily;
    }

    SourceText fSource;
    pugi::xml_document fXml;
    std::unique_ptr<Document> fDocument;
    Layer* fLooseLayer = nullptr;
    std::vector<Layer*> fUnnamed;
};

}  // namespace

std::unique_ptr<Document> ReadSvgText(const std::string& text, const std::string& nameForMessages)
{
    try {
        return Reader(text, nameForMessages).Read();
    } catch (const svg::SvgValueError& error) {
        // Every value error is given its place above; this one only keeps the promise of the interface.
        throw SvgError(nameForMessages + ": " + error.what());
    }
}

}  // namespace host
