// Reading what refers to other elements: use (expanded into real copies), clip paths (clip groups as the host
// models them: a group whose first child is the clipping path), and the effects and paints the document holds no
// equal of (masks, filters, paint servers), which are imported as their nearest equivalent with a warning.
#include <algorithm>
#include <cstring>

#include "svg/SvgBounds.h"
#include "svg/SvgImport.h"
#include "svg/SvgPaintServers.h"
#include "svg/SvgSegments.h"

namespace host::svg {
namespace {

bool IsBasicShape(std::string_view name)
{
    for (const char* shape : {"path", "rect", "circle", "ellipse", "line", "polyline", "polygon"})
        if (name == shape) return true;
    return false;
}

// How far the prefixes of an element's ancestors are looked up for a copy; deeper than this no artwork goes.
constexpr std::size_t kMaxScopeDepth = 4 * kMaxArtDepth;

}  // namespace

// The element a reference into this file names; a warning (and null) for one that names nothing or another file.
// otherwise: what happens then, for the warning.
pugi::xml_node Reader::Target(pugi::xml_node element, const std::string& reference, std::string_view what,
                              std::string_view otherwise)
{
    const std::string id = LocalId(reference);
    const pugi::xml_node target = id.empty() ? pugi::xml_node() : fIds->Find(id);
    if (!target)
        Warn(id.empty() ? "external reference" : "missing reference", element,
             Describe(element) + " " + std::string(what) + " " + Quoted(reference) +
                 (id.empty() ? " is outside this file, which is never read: " : " names no element: ") +
                 std::string(otherwise));
    return target;
}

void Reader::ReadUse(pugi::xml_node element, const Context& outer, Context& inner)
{
    const pugi::xml_attribute href = HrefOf(element);
    if (!href || !*href.value()) return;  // a use of nothing draws nothing
    const pugi::xml_node target = Target(element, href.value(), "use of", "left out");
    if (!target) return;
    for (pugi::xml_node up = element; up; up = up.parent())
        if (up == target)
            FailAt(element, href, Quoted(href.value()) + " holds this use itself: its copy would never end");
    if (std::find(fCopying.begin(), fCopying.end(), target) != fCopying.end())
        FailAt(element, href, Quoted(href.value()) + " is being copied already: its copy would never end");

    // The copy stands where the use does and inherits from it; the target's own namespaces still hold for it.
    std::vector<pugi::xml_node> ancestors;
    for (pugi::xml_node up = target.parent(); up && up.type() == pugi::node_element; up = up.parent()) {
        if (ancestors.size() == kMaxScopeDepth) FailAt(element, href, "the element it copies is nested too deep");
        ancestors.push_back(up);
    }
    NameScope scope;
    for (auto up = ancestors.rbegin(); up != ancestors.rend(); ++up) scope = scope.Enter(*up);

    OpenGroup(element, outer, inner);
    const double x = UserLength(element, inner, "x", 0, Axis::Horizontal);
    const double y = UserLength(element, inner, "y", 0, Axis::Vertical);
    Context copy = inner;
    copy.matrix = Multiply(inner.matrix, Translation(x, y));
    if (!IsFinite(copy.matrix)) FailAt(element, ": coordinates out of range");
    copy.scope = scope;
    copy.inCopy = true;
    fCopying.push_back(target);
    const NameScope targetScope = scope.Enter(target);
    const QualifiedName name = targetScope.ElementName(target);
    if (name.uri == kSvgNamespace && (name.local == "symbol" || name.local == "svg")) {
        CountCopy(target);
        // A symbol or svg shows its content in the viewport the use gives it; without a size there, the target's
        // own, else all of the current viewport.
        Context content = Enter(target, copy, targetScope);
        const pugi::xml_node widthFrom = element.attribute("width") ? element : target;
        const pugi::xml_node heightFrom = element.attribute("height") ? element : target;
        const double width = UserLength(widthFrom, inner, "width", inner.viewportWidth, Axis::Horizontal, true);
        const double height = UserLength(heightFrom, inner, "height", inner.viewportHeight, Axis::Vertical, true);
        if (width > 0 && height > 0) ReadViewportContent(target, content, 0, 0, width, height);
    } else {
        ReadElement(target, copy);
    }
    fCopying.pop_back();
}

Art* Reader::OpenClipGroup(pugi::xml_node element, const Context& outer, const Context& inner, pugi::xml_node& clip)
{
    clip = Target(element, inner.style.clipPath, "clip path", "not applied");
    if (!clip) return nullptr;
    if (LocalNameOf(clip) != "clipPath") {
        Warn("clip reference", element,
             Describe(element) + " clip path " + Quoted(inner.style.clipPath) + " is no <clipPath>: not applied");
        return nullptr;
    }
    Art* group = MakeArt(element, ArtKind::Group, outer);
    group->style = StyleFor(outer.style, ScaleOf(outer.matrix));
    return group;
}

void Reader::CountCopy(pugi::xml_node element)
{
    if (++fCopiedElements > kMaxCopiedElements)
        FailAt(element, ": the copies that <use> makes would hold more than " + std::to_string(kMaxCopiedElements) +
                            " elements");
}

// Every shape of a clip path (also through use), each with the matrix from its user units to artwork. Its uses
// count against the copies' limit, since they copy too.
void Reader::ClipShapes(pugi::xml_node element, const Matrix& matrix, std::vector<Subpath>& subpaths,
                        std::vector<Matrix>& matrices, int depth)
{
    for (const pugi::xml_node child : element.children())
        if (child.type() == pugi::node_element) ClipShape(child, matrix, subpaths, matrices, depth);
}

void Reader::ClipShape(pugi::xml_node element, const Matrix& matrix, std::vector<Subpath>& subpaths,
                       std::vector<Matrix>& matrices, int depth)
{
    if (depth > 64) FailAt(element, ": clip path content nested too deep");
    if (!ConditionsHold(element) || std::strcmp(element.attribute("display").value(), "none") == 0) return;
    Context context;
    context.viewportWidth = 100;
    context.viewportHeight = 100;
    const std::string_view local = LocalNameOf(element);
    Matrix own = matrix;
    if (const pugi::xml_attribute transform = element.attribute("transform"))
        own = Multiply(matrix, Parsed(element, transform, ParseTransform));
    if (IsBasicShape(local)) {
        for (Subpath& subpath : ShapeSubpaths(element, context, local)) {
            subpaths.push_back(std::move(subpath));
            matrices.push_back(own);
        }
    } else if (local == "use") {
        const pugi::xml_attribute href = HrefOf(element);
        const pugi::xml_node target = href ? Target(element, href.value(), "use of", "left out") : pugi::xml_node();
        if (!target) return;
        CountCopy(element);
        const Matrix moved = Multiply(own, Translation(UserLength(element, context, "x", 0, Axis::Horizontal),
                                                       UserLength(element, context, "y", 0, Axis::Vertical)));
        ClipShape(target, moved, subpaths, matrices, depth + 1);
    } else if (local == "g") {
        ClipShapes(element, own, subpaths, matrices, depth + 1);
    } else if (local == "text") {
        Warn("clip text", element, Describe(element) + " text in a clip path left out of the clip");
    }
}

void Reader::CloseClipGroup(pugi::xml_node element, Art* group, pugi::xml_node clip, const Context& inner)
{
    if (group->children.empty()) {
        fDocument->Dispose(group);
        return;
    }
    Matrix matrix = inner.matrix;
    if (std::strcmp(clip.attribute("clipPathUnits").value(), "objectBoundingBox") == 0) {
        // Units of the clipped object's bounding box in its own user space.
        Matrix toUser;
        Rect box;
        bool any = false;
        if (Invert(inner.matrix, toUser)) GrowBounds(*group->children.front(), toUser, box, any);
        const double width = box.right - box.left, height = box.bottom - box.top;
        if (!any || !(width > 0) || !(height > 0)) {
            Warn("clip box", element, Describe(element) + " clip path in units of an empty box not applied");
            return;
        }
        matrix = Multiply(matrix, {width, 0, 0, height, box.left, box.top});
    }
    if (const pugi::xml_attribute transform = clip.attribute("transform"))
        matrix = Multiply(matrix, Parsed(clip, transform, ParseTransform));
    std::vector<Subpath> subpaths;
    std::vector<Matrix> matrices;
    ClipShapes(clip, matrix, subpaths, matrices, 0);
    std::vector<PathShape> shapes;
    for (std::size_t i = 0; i < subpaths.size(); ++i) {
        try {
            shapes.push_back(ShapeOf(subpaths[i], matrices[i]));
        } catch (const SvgValueError& error) {
            FailAt(clip, std::string(": ") + error.what());
        }
    }
    if (shapes.empty()) {
        Warn("empty clip", element,
             Describe(element) + " clip path without shapes not applied: the object is kept whole");
        return;
    }
    Art* path =
        fDocument->NewArt(shapes.size() > 1 ? ArtKind::CompoundPath : ArtKind::Path, PaintOrder::InsideOnBottom, group);
    if (!path) FailAt(element, ": its clip path cannot be placed here");
    Style style = group->style;
    style.fillPaint = style.strokePaint = false;
    style.clip = true;
    style.evenOdd = std::strcmp(clip.attribute("clip-rule").value(), "evenodd") == 0;
    path->style = style;
    SetShapes(*path, shapes);
}

// Masks and filters: the object is kept as it is without them, which is what a cutter cuts.
void Reader::NoteEffects(pugi::xml_node element, const Context& inner, std::string_view)
{
    if (!inner.style.mask.empty())
        Warn("mask", element,
             Describe(element) + " mask " + Quoted(inner.style.mask) +
                 " not applied: the object is kept whole, unmasked");
    if (!inner.style.filter.empty())
        Warn("filter", element,
             Describe(element) + " filter " + Quoted(inner.style.filter) +
                 " not applied: the object is kept without it");
}

// A paint server becomes the solid colour nearest to it; one that cannot be found, its fallback or none.
void Reader::ResolveServer(pugi::xml_node element, ComputedStyle& computed, bool fill)
{
    Paint& server = fill ? computed.fillServer : computed.strokeServer;
    if (server.kind != Paint::Kind::Server) return;
    const Paint reference = std::move(server);
    server = Paint{};
    bool& paint = fill ? computed.style.fillPaint : computed.style.strokePaint;
    Color& color = fill ? computed.style.fillColor : computed.style.strokeColor;
    bool& current = fill ? computed.fillCurrent : computed.strokeCurrent;
    const bool fallback = reference.hasFallback && reference.fallbackKind != Paint::Kind::None;
    const pugi::xml_node target =
        Target(element, reference.server, fill ? "fill" : "stroke", fallback ? "its fallback is used" : "not painted");
    const std::string_view kind = target ? LocalNameOf(target) : std::string_view();
    const bool gradient = kind == "linearGradient" || kind == "radialGradient";
    if (!gradient && kind != "pattern" && kind != "meshgradient" && kind != "meshGradient") {
        if (target)
            Warn("paint reference", element,
                 Describe(element) + " paint " + Quoted(reference.server) +
                     " is no paint server: " + (fallback ? "its fallback is used" : "not painted"));
        paint = fallback;
        current = reference.fallbackKind == Paint::Kind::CurrentColor;
        color = reference.fallbackKind == Paint::Kind::Color ? reference.color : Color{};
        return;
    }
    const SolidPaint solid = SolidOfServer(target, *fIds);
    paint = solid.paint;
    color = solid.color;
    current = false;
    const std::string what = gradient ? "gradient" : kind == "pattern" ? "pattern" : "mesh";
    Warn(what, element,
         Describe(element) + " " + what + " " + Quoted(reference.server) + " painted as the solid " +
             (solid.paint ? HexColor(DisplayColor(solid.color)) : std::string("none")) + ", " + solid.how);
}

}  // namespace host::svg
