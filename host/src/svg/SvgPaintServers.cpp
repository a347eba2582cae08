#include "svg/SvgPaintServers.h"

#include <cstring>
#include <string_view>
#include <vector>

#include "svg/SvgCss.h"
#include "svg/SvgNumbers.h"
#include "svg/SvgPaint.h"
#include "svg/SvgXml.h"

namespace host::svg {
namespace {

// Steps along href chains and through a pattern's content; beyond them the search gives up.
constexpr int kMaxChain = 32;
constexpr int kMaxVisited = 10000;

// The value of a property on one element: its style attribute wins over the presentation attribute.
std::string PropertyOf(pugi::xml_node element, std::string_view property)
{
    std::string value = element.attribute(std::string(property).c_str()).value();
    if (const pugi::xml_attribute style = element.attribute("style"))
        for (const CssDeclaration& declaration : ParseInlineStyle(style.value()))
            if (declaration.name == property) value = declaration.value;
    return value;
}

bool ColorOf(const std::string& text, Rgb8& rgb)
{
    try {
        rgb = DisplayColor(ParseColor(text));
        return true;
    } catch (const SvgValueError&) {
        return false;
    }
}

// The element an href leads to, or null.
pugi::xml_node Referenced(pugi::xml_node element, const IdIndex& ids)
{
    const pugi::xml_attribute href = HrefOf(element);
    if (!href) return {};
    const std::string id = LocalId(href.value());
    return id.empty() ? pugi::xml_node() : ids.Find(id);
}

// The first element of the chain server, href, href of href, ... that has children of the given kind.
pugi::xml_node WithChildren(pugi::xml_node server, const IdIndex& ids, bool stops)
{
    for (int step = 0; server && step < kMaxChain; ++step, server = Referenced(server, ids))
        for (const pugi::xml_node child : server.children())
            if (child.type() == pugi::node_element && (!stops || LocalNameOf(child) == "stop")) return server;
    return {};
}

SolidPaint AverageOfStops(pugi::xml_node holder)
{
    double sum[3] = {0, 0, 0};
    int count = 0, visited = 0;
    // Stops are the gradient's children; a mesh keeps them two levels down.
    std::vector<pugi::xml_node> pending{holder};
    while (!pending.empty() && visited < kMaxVisited) {
        const pugi::xml_node node = pending.back();
        pending.pop_back();
        for (pugi::xml_node child = node.last_child(); child; child = child.previous_sibling()) {
            if (child.type() != pugi::node_element || ++visited > kMaxVisited) continue;
            if (LocalNameOf(child) != "stop") {
                pending.push_back(child);
                continue;
            }
            std::string text = PropertyOf(child, "stop-color");
            if (text.empty()) text = "black";
            if (Rgb8 rgb; ColorOf(text, rgb)) {
                sum[0] += rgb.red, sum[1] += rgb.green, sum[2] += rgb.blue;
                ++count;
            }
        }
    }
    SolidPaint solid;
    if (count == 0) {
        solid.how = "a gradient without stops draws nothing";
        return solid;
    }
    solid.paint = true;
    solid.color = ColorOfHex({static_cast<int>(sum[0] / count + 0.5), static_cast<int>(sum[1] / count + 0.5),
                              static_cast<int>(sum[2] / count + 0.5)});
    solid.how = "the average of its " + std::to_string(count) + (count == 1 ? " stop" : " stops");
    return solid;
}

bool IsShape(std::string_view name)
{
    for (const char* shape : {"path", "rect", "circle", "ellipse", "line", "polyline", "polygon", "text"})
        if (name == shape) return true;
    return false;
}

SolidPaint SolidOf(pugi::xml_node server, const IdIndex& ids, int depth);

// A pattern draws what it holds: its colour is that of the first shape with a fill, a paint server's as solid.
// The fill or stroke of a shape in a pattern as the shape or its groups give it (inherit passes to the group),
// or fallback.
std::string PaintInPattern(pugi::xml_node shape, pugi::xml_node pattern, std::string_view property,
                           const char* fallback)
{
    for (pugi::xml_node up = shape; up && up != pattern; up = up.parent()) {
        const std::string value = PropertyOf(up, property);
        if (!value.empty() && Trim(value) != "inherit") return value;
    }
    return fallback;
}

// A colour, or a paint server's solid; false for none and for what cannot be read.
bool SolidOfPaint(std::string_view paint, const IdIndex& ids, int depth, SolidPaint& solid)
{
    paint = Trim(paint);
    if (paint.compare(0, 4, "url(") == 0) {
        if (depth >= kMaxChain) return false;
        pugi::xml_node inner;
        try {
            std::size_t end = 0;
            inner = ids.Find(LocalId(ParseUrl(paint, end)));
        } catch (const SvgValueError&) {
        }
        if (!inner) return false;
        const SolidPaint nested = SolidOf(inner, ids, depth + 1);
        if (!nested.paint) return false;
        solid = nested;
        solid.how = "the colour of the first shape it draws, " + nested.how;
        return true;
    }
    Rgb8 rgb;
    if (paint == "none" || !ColorOf(std::string(paint), rgb)) return false;
    solid.paint = true;
    solid.color = ColorOfHex(rgb);
    solid.how = "the colour of the first shape it draws";
    return true;
}

// A pattern draws what it holds: its colour is that of the first shape that paints, its fill or else its stroke
// (a paint server's as solid); the pattern's content starts black.
SolidPaint FirstShapeColor(pugi::xml_node pattern, const IdIndex& ids, int depth)
{
    SolidPaint solid;
    solid.how = "a pattern without shapes draws nothing";
    std::vector<pugi::xml_node> pending{pattern};
    int visited = 0;
    while (!pending.empty() && visited < kMaxVisited) {
        const pugi::xml_node node = pending.back();
        pending.pop_back();
        for (pugi::xml_node child = node.last_child(); child; child = child.previous_sibling())
            if (child.type() == pugi::node_element && ++visited <= kMaxVisited) pending.push_back(child);
        if (node == pattern || !IsShape(LocalNameOf(node))) continue;
        if (SolidOfPaint(PaintInPattern(node, pattern, "fill", "black"), ids, depth, solid) ||
            SolidOfPaint(PaintInPattern(node, pattern, "stroke", "none"), ids, depth, solid))
            return solid;
    }
    return solid;
}

SolidPaint SolidOf(pugi::xml_node server, const IdIndex& ids, int depth)
{
    const std::string_view kind = LocalNameOf(server);
    if (kind == "pattern") {
        const pugi::xml_node content = WithChildren(server, ids, false);
        if (!content) {
            SolidPaint nothing;
            nothing.how = "a pattern without shapes draws nothing";
            return nothing;
        }
        return FirstShapeColor(content, ids, depth);
    }
    if (kind == "linearGradient" || kind == "radialGradient") {
        const pugi::xml_node stops = WithChildren(server, ids, true);
        if (!stops) {
            SolidPaint nothing;
            nothing.how = "a gradient without stops draws nothing";
            return nothing;
        }
        return AverageOfStops(stops);
    }
    return AverageOfStops(server);
}

}  // namespace

SolidPaint SolidOfServer(pugi::xml_node server, const IdIndex& ids) { return SolidOf(server, ids, 0); }

}  // namespace host::svg
