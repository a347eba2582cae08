// Reading paths, the basic shapes and images (placed art: the frame, not the picture).
#include <algorithm>
#include <cmath>

#include "svg/SvgImport.h"
#include "svg/SvgSegments.h"
#include "svg/SvgShapes.h"

namespace host::svg {

std::vector<Subpath> Reader::ShapeSubpaths(pugi::xml_node element, const Context& context, std::string_view local) const
{
    if (local == "path") {
        const pugi::xml_attribute d = Noted(element, &NotedAttributes::d, "d");
        if (!d) return {};
        return Parsed(element, d, ParsePathData);
    }
    if (local == "rect") {
        const double width = UserLength(element, context, "width", 0, Axis::Horizontal, true);
        const double height = UserLength(element, context, "height", 0, Axis::Vertical, true);
        double rx = Radius(element, context, "rx", Axis::Horizontal),
               ry = Radius(element, context, "ry", Axis::Vertical);
        if (rx < 0) rx = ry;  // one radius given: the other is the same
        if (ry < 0) ry = rx;
        if (width == 0 || height == 0) return {};  // not drawn
        return {RectPath(UserLength(element, context, "x", 0, Axis::Horizontal),
                         UserLength(element, context, "y", 0, Axis::Vertical), width, height, std::max(rx, 0.0),
                         std::max(ry, 0.0))};
    }
    if (local == "circle" || local == "ellipse") {
        const bool circle = local == "circle";
        const double rx = circle ? UserLength(element, context, "r", 0, Axis::Diagonal, true)
                                 : UserLength(element, context, "rx", 0, Axis::Horizontal, true);
        const double ry = circle ? rx : UserLength(element, context, "ry", 0, Axis::Vertical, true);
        if (rx == 0 || ry == 0) return {};
        return {EllipsePath(UserLength(element, context, "cx", 0, Axis::Horizontal),
                            UserLength(element, context, "cy", 0, Axis::Vertical), rx, ry)};
    }
    if (local == "line")
        return {LinePath({UserLength(element, context, "x1", 0, Axis::Horizontal),
                          UserLength(element, context, "y1", 0, Axis::Vertical)},
                         {UserLength(element, context, "x2", 0, Axis::Horizontal),
                          UserLength(element, context, "y2", 0, Axis::Vertical)})};
    const pugi::xml_attribute points = Noted(element, &NotedAttributes::points, "points");
    if (!points) return {};
    const std::vector<double> coordinates = Parsed(element, points, ParseNumberList);
    if (coordinates.size() % 2 != 0) FailAt(element, points, "an odd number of coordinates");
    if (coordinates.empty()) return {};
    return {PolyPath(coordinates, local == "polygon")};
}

void Reader::ReadShape(pugi::xml_node element, const Context& outer, const Context& inner, std::string_view local)
{
    const std::vector<Subpath> subpaths = ShapeSubpaths(element, inner, local);
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
    const ComputedStyle& style = inner.style;
    if (!style.markerStart.empty() || !style.markerMid.empty() || !style.markerEnd.empty())
        Warn("marker", element, Describe(element) + " markers left out: the path is kept without them");
    const bool compound = shapes.size() > 1 || HostFlag(element, inner, "compound");
    if (compound && outer.depth + 1 > kMaxArtDepth)
        FailAt(element, ": its paths would be nested more than " + std::to_string(kMaxArtDepth) + " levels deep");
    Art* art = MakeArt(element, compound ? ArtKind::CompoundPath : ArtKind::Path, outer);
    ReadCommon(*art, element, inner);
    SetShapes(*art, shapes);
    if (compound) ReadParts(*art, element, inner);
}

void Reader::SetShapes(Art& art, std::vector<PathShape>& shapes)
{
    if (art.kind == ArtKind::Path) {
        if (!shapes.empty()) {
            art.segments = std::move(shapes.front().segments);
            art.closed = shapes.front().closed;
        }
        return;
    }
    for (PathShape& shape : shapes) {
        Art* part = fDocument->NewArt(ArtKind::Path, PaintOrder::InsideOnTop, &art);
        part->segments = std::move(shape.segments);
        part->closed = shape.closed;
        part->style = art.style;
    }
}

// <pd:part index="k"> gives the k-th path of a compound path its own id, lock, visibility, tags and style.
void Reader::ReadParts(Art& compound, pugi::xml_node element, const Context& inner)
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

// An image is placed art: its frame (x, y, width, height in its user space) as four corners. The picture is not
// kept; the host's own files mark such frames with pd:placed, which reads back without a warning.
void Reader::ReadImage(pugi::xml_node element, const Context& outer, const Context& inner)
{
    const pugi::xml_attribute widthAttribute = element.attribute("width");
    const pugi::xml_attribute heightAttribute = element.attribute("height");
    if (!widthAttribute || !heightAttribute || Trim(widthAttribute.value()) == "auto" ||
        Trim(heightAttribute.value()) == "auto") {
        Warn("image size", element,
             Describe(element) + " without a width and height left out: its picture is not read");
        return;
    }
    const double x = UserLength(element, inner, "x", 0, Axis::Horizontal);
    const double y = UserLength(element, inner, "y", 0, Axis::Vertical);
    const double width = UserLength(element, inner, "width", 0, Axis::Horizontal, true);
    const double height = UserLength(element, inner, "height", 0, Axis::Vertical, true);
    if (width == 0 || height == 0) return;  // not drawn
    const Subpath frame = PolyPath({x, y, x + width, y, x + width, y + height, x, y + height}, true);
    PathShape shape;
    try {
        shape = ShapeOf(frame, inner.matrix);
    } catch (const SvgValueError& error) {
        FailAt(element, std::string(": ") + error.what());
    }
    if (const pugi::xml_attribute exact = HostAttribute(element, inner, "segments")) {
        std::vector<PathShape> exactShapes = Parsed(element, exact, ParseExactShapes);
        if (exactShapes.size() == 1 && ExactShapesAgree(exactShapes, {frame}, inner.matrix))
            shape = std::move(exactShapes.front());
    }
    if (!HostFlag(element, inner, "placed"))
        Warn("image", element, Describe(element) + " placed as an empty frame: the picture itself is not kept");
    Art* art = MakeArt(element, ArtKind::Placed, outer);
    // The frame's own transform places the picture; it does not scale the lengths of the style, which the host's
    // files write in the user space around the image.
    Context styled = inner;
    styled.matrix = outer.matrix;
    ReadCommon(*art, element, styled);
    art->segments = std::move(shape.segments);
    art->closed = true;
}

}  // namespace host::svg
