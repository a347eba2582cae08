// Reading: the XML tree walked in document order into layers, groups, compound paths, paths, placed frames and
// text, with every coordinate carried into artwork coordinates and every failure reported at its element or
// attribute. This file holds the walk, the containers and the style; the shapes, the text and the effects have
// files of their own (see SvgImport.h).
#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>

#include "host/Utf.h"
#include "svg/SvgEntities.h"
#include "svg/SvgImport.h"
#include "svg/SvgLength.h"
#include "svg/SvgViewport.h"

namespace host::svg {
namespace {

// Content that is not drawn where it stands: definitions, descriptions, what only references draw, and
// animation, which a still document does not play.
constexpr std::string_view kNotDrawn[] = {"defs",
                                          "metadata",
                                          "title",
                                          "desc",
                                          "linearGradient",
                                          "radialGradient",
                                          "pattern",
                                          "clipPath",
                                          "mask",
                                          "marker",
                                          "filter",
                                          "script",
                                          "style",
                                          "symbol",
                                          "animate",
                                          "animateColor",
                                          "animateMotion",
                                          "animateTransform",
                                          "set",
                                          "mpath",
                                          "discard",
                                          "view",
                                          "cursor",
                                          "font",
                                          "font-face",
                                          "glyph",
                                          "missing-glyph",
                                          "hkern",
                                          "vkern",
                                          "color-profile",
                                          "altGlyphDef",
                                          "meshgradient",
                                          "meshGradient",
                                          "hatch",
                                          "solidcolor",
                                          "solidColor",
                                          "flowRegionExclude"};

constexpr std::string_view kDrawn[] = {"g",    "a",    "switch", "svg",     "use",  "text",     "flowRoot", "image",
                                       "path", "rect", "circle", "ellipse", "line", "polyline", "polygon"};

template <std::size_t N>
bool IsOneOf(std::string_view name, const std::string_view (&names)[N])
{
    return std::find(std::begin(names), std::end(names), name) != std::end(names);
}

// False when no style element can be in the text: "style" stands nowhere right after the "<" or a prefix's ":"
// that a style element's tag begins with. Most files have none, and a walk of every node that looks for them is
// then passed over.
bool MayHoldStyleElement(std::string_view text)
{
    for (std::size_t at = text.find("style", 1); at != std::string_view::npos; at = text.find("style", at + 5))
        if (text[at - 1] == '<' || text[at - 1] == ':') return true;
    return false;
}

std::string LowerCase(std::string_view text)
{
    std::string lower(text);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

}  // namespace

std::string HexByte(char byte)
{
    static const char kDigits[] = "0123456789ABCDEF";
    const auto value = static_cast<unsigned char>(byte);
    return std::string("0x") + kDigits[value >> 4] + kDigits[value & 0xF];
}

std::string TooDeep() { return " is nested more than " + std::to_string(kMaxArtDepth) + " levels deep"; }

Reader::Reader(const std::string& text, const std::string& name, const SvgReadOptions& options)
    : fSource(name, std::string_view(text)), fOptions(options)
{
}

Reader::Reader(std::string&& text, const std::string& name, const SvgReadOptions& options)
    : fSource(name, std::move(text)), fOptions(options)
{
}

std::unique_ptr<Document> Reader::Read()
{
    // The file is read as UTF-8 and written back as UTF-8: bytes that are not are refused, not carried on. Text
    // parsed in place is plain ASCII, which is UTF-8 already.
    const std::string_view bytes(fSource.Buffer(), fSource.Size());
    const std::size_t bad = fSource.ParsedInPlace() ? std::string_view::npos : FirstInvalidUtf8(bytes);
    if (bad != std::string_view::npos) Fail(fSource.Where(bad), "invalid UTF-8: byte " + HexByte(bytes[bad]));
    const bool styleSheets = MayHoldStyleElement(bytes);
    // The document type is kept for the entities it declares; no DTD outside the file is ever loaded.
    const pugi::xml_parse_result parsed = fXml.load_buffer_inplace(
        fSource.Buffer(), fSource.Size(), pugi::parse_default | pugi::parse_ws_pcdata | pugi::parse_doctype,
        pugi::encoding_utf8);
    if (!parsed) {
        std::string description = parsed.description();
        if (!description.empty())
            description[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(description[0])));
        Fail(fSource.Where(parsed.offset < 0 ? 0 : static_cast<std::size_t>(parsed.offset)),
             "malformed XML: " + description);
    }
    const pugi::xml_node root = fXml.document_element();
    ExpandDeclaredEntities(root);
    fIds = std::make_unique<IdIndex>(root);
    if (styleSheets) CollectStyleSheets(root);
    ReadRoot(root);
    if (fOptions.warnings)
        for (std::string& line : fWarnings.Lines()) fOptions.warnings->push_back(std::move(line));
    return std::move(fDocument);
}

void Reader::ExpandDeclaredEntities(pugi::xml_node root)
{
    EntityTable entities;
    for (const pugi::xml_node node : fXml.children())
        if (node.type() == pugi::node_doctype) try {
                entities = ParseEntityDeclarations(node.value());
            } catch (const SvgValueError& error) {
                Fail(fSource.Where(node), error.what());
            }
    if (entities.empty()) return;
    std::size_t budget = kMaxEntityBytes;
    auto expand = [&](pugi::xml_node at, const char* text, auto set) {
        if (!std::strchr(text, '&')) return;
        try {
            set(ExpandEntities(text, entities, budget).c_str());
        } catch (const SvgValueError& error) {
            Fail(fSource.Where(at), error.what());
        }
    };
    ForEachNode(root, [&](pugi::xml_node node) {
        if (node.type() == pugi::node_element)
            for (pugi::xml_attribute attribute : node.attributes())
                expand(node, attribute.value(), [&](const char* value) { attribute.set_value(value); });
        else if (node.type() == pugi::node_pcdata)
            expand(node.parent(), node.value(), [&](const char* value) { node.set_value(value); });
    });
}

void Reader::Fail(const std::string& where, const std::string& message) const
{
    throw SvgError(where + ": " + message);
}

void Reader::FailAt(pugi::xml_node element, const std::string& message) const
{
    Fail(fSource.Where(element), "<" + std::string(element.name()) + ">" + message);
}

void Reader::FailAt(pugi::xml_node element, pugi::xml_attribute attribute, const std::string& message) const
{
    Fail(fSource.Where(attribute),
         "<" + std::string(element.name()) + "> attribute " + attribute.name() + ": " + message);
}

void Reader::Warn(std::string_view kind, pugi::xml_node element, const std::string& message)
{
    if (fOptions.strict) Fail(fSource.Where(element), message);
    fWarnings.Add(kind, fSource.Where(element), message);
}

std::string Reader::Describe(pugi::xml_node element) const
{
    const pugi::xml_attribute id = element.attribute("id");
    std::string out = "<" + std::string(element.name());
    if (id && *id.value() && IsValidUtf8(id.value())) out += " id=\"" + std::string(id.value()) + "\"";
    return out + ">";
}

double Reader::UserLength(pugi::xml_node element, const Context& context, const char* name, double fallback, Axis axis,
                          bool nonNegative) const
{
    const pugi::xml_attribute attribute = element.attribute(name);
    if (!attribute) return fallback;
    const double value = Parsed(element, attribute, [&](std::string_view text) {
        const Length length = ParseLength(text);
        if (length.unit != "%") return LengthInUserUnits(length);
        const double w = context.viewportWidth, h = context.viewportHeight;
        const double base = axis == Axis::Horizontal ? w : axis == Axis::Vertical ? h : std::sqrt((w * w + h * h) / 2);
        const double user = length.value / 100 * base;
        if (!std::isfinite(user)) throw SvgValueError("length out of range");
        return user;
    });
    if (nonNegative && value < 0) FailAt(element, attribute, "negative value " + Quoted(attribute.value()));
    return value;
}

double Reader::Radius(pugi::xml_node element, const Context& context, const char* name, Axis axis) const
{
    const pugi::xml_attribute attribute = element.attribute(name);
    if (!attribute || Trim(attribute.value()) == "auto") return -1;
    return UserLength(element, context, name, -1, axis, true);
}

pugi::xml_attribute Reader::HostAttribute(pugi::xml_node element, const Context& context, const char* local) const
{
    return Namespaced(element, context.scope, kHostNamespace, local);
}

pugi::xml_attribute Reader::Namespaced(pugi::xml_node element, const NameScope& scope, std::string_view uri,
                                       std::string_view local) const
{
    if (element == fNoted.element && !fNoted.prefixed) return {};
    return scope.Find(element, uri, local);
}

void Reader::NoteAttributes(pugi::xml_node element)
{
    fNoted = NotedAttributes{};
    for (const pugi::xml_attribute attribute : element.attributes()) {
        const std::string_view name = attribute.name();
        if (name.find(':') != std::string_view::npos || name == "xmlns") fNoted.prefixed = true;
        // The first of a name, as pugixml's attribute() finds it.
        if (name == "id" && !fNoted.id) fNoted.id = attribute;
        if (name == "style" && !fNoted.style) fNoted.style = attribute;
        if (name == "transform" && !fNoted.transform) fNoted.transform = attribute;
        if (name == "d" && !fNoted.d) fNoted.d = attribute;
        if (name == "points" && !fNoted.points) fNoted.points = attribute;
        if (name == "requiredExtensions" && !fNoted.requiredExtensions) fNoted.requiredExtensions = attribute;
        if (name == "systemLanguage" && !fNoted.systemLanguage) fNoted.systemLanguage = attribute;
    }
    fNoted.element = element;
}

bool Reader::HostFlag(pugi::xml_node element, const Context& context, const char* local) const
{
    const pugi::xml_attribute attribute = HostAttribute(element, context, local);
    return attribute && Parsed(element, attribute, ParseBoolean);
}

void Reader::CollectStyleSheets(pugi::xml_node root)
{
    // Every style element of the file, in document order, wherever it stands; the cascade puts later rules last.
    ForEachNode(root, [&](pugi::xml_node node) {
        if (node.type() != pugi::node_element ||
            (std::strcmp(node.name(), "style") != 0 && std::strcmp(node.name(), "svg:style") != 0))
            return;
        const char* type = node.attribute("type").value();
        if (*type && std::strcmp(type, "text/css") != 0) return;
        std::string css;
        for (const pugi::xml_node child : node.children())
            if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata) css += child.value();
        fSheet.Add(css);
    });
}

void Reader::ApplyOrWarn(pugi::xml_node element, pugi::xml_attribute attribute, ComputedStyle& style,
                         const ComputedStyle& parent, std::string_view name, std::string_view value)
{
    try {
        ApplyDeclaration(style, parent, name, value);
    } catch (const SvgValueError& error) {
        if (fOptions.strict) {
            if (!attribute) FailAt(element, ": " + std::string(name) + ": " + error.what());
            if (std::strcmp(attribute.name(), "style") == 0)
                FailAt(element, attribute, std::string(name) + ": " + error.what());
            FailAt(element, attribute, error.what());
        }
        Warn("value", element, Describe(element) + " " + std::string(name) + ": " + error.what() + ": ignored");
    }
}

// Presentation attributes, then the style sheets' rules, then style="..."; !important declarations of the sheets
// and then of style="..." over all of them; then the host's own properties.
ComputedStyle Reader::StyleOf(pugi::xml_node element, const NameScope& scope, const ComputedStyle& parent)
{
    ComputedStyle style = InheritedStyle(parent);
    ApplyStyle(element, scope, parent, style);
    return style;
}

void Reader::ApplyStyle(pugi::xml_node element, const NameScope& scope, const ComputedStyle& parent,
                        ComputedStyle& style)
{
    for (const pugi::xml_attribute attribute : element.attributes()) {
        const std::string_view name = attribute.name();
        if (IsStyleProperty(name)) ApplyOrWarn(element, attribute, style, parent, name, attribute.value());
    }
    const StyleSheet::Matched sheet = fSheet.Empty() ? StyleSheet::Matched{} : fSheet.Match(element);
    for (const CssDeclaration& declaration : sheet.normal)
        ApplyOrWarn(element, {}, style, parent, declaration.name, declaration.value);
    std::vector<CssDeclaration> inline_;
    const pugi::xml_attribute styleAttribute = Noted(element, &NotedAttributes::style, "style");
    if (const pugi::xml_attribute css = styleAttribute) {
        inline_ = fOptions.strict ? Parsed(element, css, ParseStyleAttribute) : ParseInlineStyle(css.value());
        for (const CssDeclaration& declaration : inline_)
            if (!declaration.important) ApplyOrWarn(element, css, style, parent, declaration.name, declaration.value);
    }
    for (const CssDeclaration& declaration : sheet.important)
        ApplyOrWarn(element, {}, style, parent, declaration.name, declaration.value);
    for (const CssDeclaration& declaration : inline_)
        if (declaration.important)
            ApplyOrWarn(element, styleAttribute, style, parent, declaration.name, declaration.value);
    ResolveServer(element, style, true);
    ResolveServer(element, style, false);
    FinishDeclarations(style);
    if (element == fNoted.element && !fNoted.prefixed) return;
    for (const pugi::xml_attribute attribute : element.attributes()) {
        const QualifiedName name = scope.AttributeName(attribute);
        if (name.uri == kHostNamespace && IsHostStyleProperty(name.local))
            Parsed(element, attribute, [&](std::string_view value) {
                ApplyHostProperty(style, name.local, value);
                return 0;
            });
    }
}

Context Reader::Enter(pugi::xml_node element, const Context& outer, const NameScope& scope)
{
    Context inner = outer;
    inner.scope = scope;
    if (const pugi::xml_attribute transform = Noted(element, &NotedAttributes::transform, "transform")) {
        inner.matrix = Multiply(outer.matrix, Parsed(element, transform, ParseTransform));
        if (!IsFinite(inner.matrix)) FailAt(element, transform, "transform out of range");
    }
    KeepInherited(inner.style);  // a copy of outer's
    ApplyStyle(element, inner.scope, outer.style, inner.style);
    if (const pugi::xml_attribute space = Namespaced(element, inner.scope, kXmlNamespace, "space"))
        inner.preserveSpace = std::strcmp(space.value(), "preserve") == 0;
    return inner;
}

Style Reader::CheckedStyle(pugi::xml_node element, const ComputedStyle& computed, const Matrix& matrix)
{
    Style style = StyleFor(computed, ScaleOf(matrix));
    bool finite = std::isfinite(style.strokeWidth) && std::isfinite(style.dashOffset);
    for (const double dash : style.dash) finite = finite && std::isfinite(dash);
    if (!finite) FailAt(element, ": stroke lengths out of range");
    // A paint that is wholly transparent is no paint; one partly so is kept opaque, the nearest the document has.
    if (computed.fillOpacity == 0) style.fillPaint = false;
    if (computed.strokeOpacity == 0) style.strokePaint = false;
    if ((style.fillPaint && computed.fillOpacity < 1) || (style.strokePaint && computed.strokeOpacity < 1))
        Warn("paint opacity", element, Describe(element) + " fill or stroke opacity below 1 not kept: painted opaque");
    return style;
}

void Reader::ReadRoot(pugi::xml_node root)
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
    double width = PageLength(root, "width", viewBoxAttribute ? viewBox.width : 0);
    double height = PageLength(root, "height", viewBoxAttribute ? viewBox.height : 0);
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
    context.viewportWidth = viewBoxAttribute ? viewBox.width : width / 0.75;
    context.viewportHeight = viewBoxAttribute ? viewBox.height : height / 0.75;
    context.style = StyleOf(root, context.scope, InitialStyle());
    if (const pugi::xml_attribute space = context.scope.Find(root, kXmlNamespace, "space"))
        context.preserveSpace = std::strcmp(space.value(), "preserve") == 0;
    NoteEffects(root, context, "svg");

    ReadChildren(root, context);
    NameLayers();
    Layer* current = fDocument->Layers().empty() ? nullptr : fDocument->Layers().front().get();
    if (const pugi::xml_attribute named = context.scope.Find(root, kHostNamespace, "current-layer"))
        if (Layer* layer = fDocument->FindLayerByName(named.value())) current = layer;
    fDocument->SetCurrentLayer(current);
}

// width or height of the page in points; 0 when absent or auto. A percentage is of the viewBox, as a browser
// showing the file alone resolves it; without a viewBox it has nothing to be a percentage of.
double Reader::PageLength(pugi::xml_node root, const char* name, double viewBoxLength) const
{
    const pugi::xml_attribute attribute = root.attribute(name);
    if (!attribute || Trim(attribute.value()) == "auto") return 0;
    const double value = Parsed(root, attribute, [&](std::string_view text) {
        const Length length = ParseLength(text);
        if (length.unit != "%") return LengthInPoints(length);
        if (viewBoxLength == 0) throw SvgValueError("a percentage needs a viewBox to be a percentage of");
        return length.value / 100 * viewBoxLength * 0.75;
    });
    if (!(value > 0)) FailAt(root, attribute, "the page size must be positive");
    return value;
}

void Reader::ReadChildren(pugi::xml_node element, const Context& context)
{
    for (const pugi::xml_node child : element.children())
        if (child.type() == pugi::node_element) ReadElement(child, context);
}

bool Reader::ConditionsHold(pugi::xml_node element) const
{
    // No extension is supported, so a list of required ones never holds; features are not asked any more, as
    // browsers do not; the language is English.
    if (Noted(element, &NotedAttributes::requiredExtensions, "requiredExtensions")) return false;
    if (const pugi::xml_attribute languages = Noted(element, &NotedAttributes::systemLanguage, "systemLanguage")) {
        const std::string list = LowerCase(languages.value());
        std::size_t from = 0;
        while (from <= list.size()) {
            const std::size_t comma = std::min(list.find(',', from), list.size());
            const std::string_view language = Trim(std::string_view(list).substr(from, comma - from));
            if (language == "en" || language.compare(0, 3, "en-") == 0) return true;
            from = comma + 1;
        }
        return false;
    }
    return true;
}

void Reader::ReadElement(pugi::xml_node element, const Context& context)
{
    NoteAttributes(element);
    const NameScope scope = fNoted.prefixed ? context.scope.Enter(element) : context.scope;
    const QualifiedName name = scope.ElementName(element);
    if (name.uri != kSvgNamespace) return;  // other vocabularies (editor data, the host's tags read by their owners)
    const std::string_view local = name.local;
    // The two lists have no name in common; most elements are drawn, and are looked for in the shorter list only.
    const bool drawn = IsOneOf(local, kDrawn);
    if (!drawn && IsOneOf(local, kNotDrawn)) return;
    // Before anything inside is read: no file drives the recursion past the document's depth.
    if (context.depth > kMaxArtDepth) FailAt(element, TooDeep());
    if (!fCopying.empty()) CountCopy(element);
    if (fOptions.progress && ++fElementsRead % kProgressEvery == 0)
        fOptions.progress(fSource.OffsetOf(element), fSource.Size());
    if (!ConditionsHold(element)) return;
    if (!drawn) {
        Warn("element " + std::string(local), element, Describe(element) + " left out: the document has no equivalent");
        return;
    }
    Context inner = Enter(element, context, scope);
    ReadDrawn(element, local, context, inner);
}

void Reader::ReadDrawn(pugi::xml_node element, std::string_view local, const Context& outer, Context& inner)
{
    const pugi::xml_attribute mode =
        local == "g" ? Namespaced(element, inner.scope, kInkscapeNamespace, "groupmode") : pugi::xml_attribute();
    const bool layer = local == "g" && !outer.layer && !inner.inCopy && mode && std::strcmp(mode.value(), "layer") == 0;
    NoteEffects(element, inner, local);
    pugi::xml_node clip;
    Art* clipGroup = nullptr;
    if (!inner.style.clipPath.empty()) {
        if (layer)
            Warn("layer clip", element,
                 Describe(element) + " clip path of a layer not applied: its content is kept whole");
        else
            clipGroup = OpenClipGroup(element, outer, inner, clip);
    }
    // Inside a clip group the object goes into the group, after its clipping path.
    Context clipped;
    if (clipGroup) {
        clipped = outer;
        clipped.parent = clipGroup;
        clipped.layer = clipGroup->layer;
        clipped.depth = outer.depth + 1;
    }
    const Context& placed = clipGroup ? clipped : outer;
    if (local == "g" || local == "a")
        ReadGroup(element, placed, inner);
    else if (local == "switch")
        ReadSwitch(element, placed, inner);
    else if (local == "svg")
        ReadNestedSvg(element, placed, inner);
    else if (local == "use")
        ReadUse(element, placed, inner);
    else if (local == "text")
        ReadText(element, placed, inner);
    else if (local == "flowRoot")
        ReadFlowedText(element, placed, inner);
    else if (local == "image")
        ReadImage(element, placed, inner);
    else
        ReadShape(element, placed, inner, local);
    if (clipGroup) CloseClipGroup(element, clipGroup, clip, inner);
}

Layer& Reader::LooseLayer()
{
    if (!fLooseLayer) {
        fLooseLayer = &fDocument->AddLayer("");
        fUnnamed.push_back(fLooseLayer);
    }
    return *fLooseLayer;
}

// "Layer N" for layers without a label or id: N from the layer's place, raised past names in use.
void Reader::NameLayers()
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

Art* Reader::MakeArt(pugi::xml_node element, ArtKind kind, const Context& context)
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

// id, lock, visibility, style and tags of an object.
void Reader::ReadCommon(Art& art, pugi::xml_node element, const Context& inner)
{
    art.style = CheckedStyle(element, inner.style, inner.matrix);
    if (!inner.inCopy) art.id = Noted(element, &NotedAttributes::id, "id").value();
    if (HostFlag(element, inner, "locked")) art.attributes |= kAttrLocked;
    // Hidden objects stay in the document, hidden, as the host keeps them. visibility is inherited and may be
    // turned on again inside, so only what draws takes it.
    const bool invisible = inner.style.visibilityHidden && art.kind != ArtKind::Group;
    if (inner.style.displayNone || invisible || inner.style.opacity == 0) art.attributes |= kAttrHidden;
    if (inner.style.opacity > 0 && inner.style.opacity < 1)
        Warn("opacity", element, Describe(element) + " opacity below 1 not kept: drawn opaque");
    for (const pugi::xml_node child : element.children()) {
        if (child.type() != pugi::node_element) continue;
        const NameScope scope = inner.scope.Enter(child);
        const QualifiedName name = scope.ElementName(child);
        if (name.uri == kHostNamespace && name.local == "tag") ReadTag(art, child);
    }
}

void Reader::ReadTag(Art& art, pugi::xml_node element) const
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

Art* Reader::OpenGroup(pugi::xml_node element, const Context& outer, Context& inner)
{
    Art* group = MakeArt(element, ArtKind::Group, outer);
    ReadCommon(*group, element, inner);
    inner.layer = group->layer;
    inner.parent = group;
    inner.depth = outer.depth + 1;
    return group;
}

void Reader::ReadGroup(pugi::xml_node element, const Context& outer, Context& inner)
{
    const pugi::xml_attribute mode = Namespaced(element, inner.scope, kInkscapeNamespace, "groupmode");
    if (!outer.layer && !inner.inCopy && mode && std::strcmp(mode.value(), "layer") == 0 &&
        std::strcmp(element.name(), "a") != 0) {
        Layer& layer = fDocument->AddLayer("");
        const pugi::xml_attribute label = inner.scope.Find(element, kInkscapeNamespace, "label");
        layer.id = element.attribute("id").value();
        layer.name = label && *label.value() ? label.value() : layer.id;
        if (layer.name.empty()) fUnnamed.push_back(&layer);
        layer.locked = HostFlag(element, inner, "locked");
        layer.visible = !inner.style.displayNone && !(inner.style.opacity == 0);
        fLooseLayer = nullptr;
        inner.layer = &layer;
        inner.parent = nullptr;
        ReadChildren(element, inner);
        return;
    }
    OpenGroup(element, outer, inner);
    ReadChildren(element, inner);
}

// A switch draws its first child whose conditions hold, as a browser does.
void Reader::ReadSwitch(pugi::xml_node element, const Context& outer, Context& inner)
{
    OpenGroup(element, outer, inner);
    for (const pugi::xml_node child : element.children()) {
        if (child.type() != pugi::node_element) continue;
        const QualifiedName name = inner.scope.Enter(child).ElementName(child);
        if (name.uri != kSvgNamespace || IsOneOf(name.local, kNotDrawn) || !ConditionsHold(child)) continue;
        ReadElement(child, inner);
        return;
    }
}

void Reader::ReadNestedSvg(pugi::xml_node element, const Context& outer, Context& inner)
{
    OpenGroup(element, outer, inner);
    const double x = UserLength(element, outer, "x", 0, Axis::Horizontal);
    const double y = UserLength(element, outer, "y", 0, Axis::Vertical);
    const double width = UserLength(element, outer, "width", outer.viewportWidth, Axis::Horizontal, true);
    const double height = UserLength(element, outer, "height", outer.viewportHeight, Axis::Vertical, true);
    if (width == 0 || height == 0) return;  // a viewport of no size draws nothing
    ReadViewportContent(element, inner, x, y, width, height);
}

void Reader::ReadViewportContent(pugi::xml_node element, Context& inner, double x, double y, double width,
                                 double height)
{
    Matrix matrix = Translation(x, y);
    inner.viewportWidth = width;
    inner.viewportHeight = height;
    if (const pugi::xml_attribute viewBoxAttribute = element.attribute("viewBox")) {
        const ViewBox viewBox = Parsed(element, viewBoxAttribute, ParseViewBox);
        AspectRatio ratio;
        if (const pugi::xml_attribute aspect = element.attribute("preserveAspectRatio"))
            ratio = Parsed(element, aspect, ParseAspectRatio);
        matrix = Multiply(matrix, ViewportMatrix(width, height, &viewBox, ratio));
        inner.viewportWidth = viewBox.width;
        inner.viewportHeight = viewBox.height;
    }
    inner.matrix = Multiply(inner.matrix, matrix);
    if (!IsFinite(inner.matrix)) FailAt(element, ": its viewport is out of range");
    ReadChildren(element, inner);
}

}  // namespace host::svg

namespace host {

namespace {

template <typename Text>
std::unique_ptr<Document> ReadText(Text&& text, const std::string& nameForMessages, const SvgReadOptions& options)
{
    try {
        return svg::Reader(std::forward<Text>(text), nameForMessages, options).Read();
    } catch (const svg::SvgValueError& error) {
        // Every value error is given its place above; this one only keeps the promise of the interface.
        throw SvgError(nameForMessages + ": " + error.what());
    }
}

}  // namespace

std::unique_ptr<Document> ReadSvgText(const std::string& text, const std::string& nameForMessages,
                                      const SvgReadOptions& options)
{
    return ReadText(text, nameForMessages, options);
}

std::unique_ptr<Document> ReadSvgText(std::string&& text, const std::string& nameForMessages,
                                      const SvgReadOptions& options)
{
    return ReadText(std::move(text), nameForMessages, options);
}

}  // namespace host
