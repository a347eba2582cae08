#include "svg/SvgPaintServers.h"

#include <cstring>
#include <string_view>
#include <vector>

#include "svg/SvgCss.h"
#include "svg/SvgNumbers.h"
#include "svg/SvgPaint.h"

namespace host::svg {
namespace {

// Steps along href chains and through a pattern's content; beyond them the search gives up.
constexpr int kMaxChain = 32;
constexpr int kMaxVisited = 10000;

std::string_view LocalName(pugi::xml_node node)
{
    const char* name = node.name();
    const char* colon = std::strrchr(name, ':');
    return colon ? colon + 1 : name;
}

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
            if (child.type() == pugi::node_element && (!stops || LocalName(child) == "stop")) return server;
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
            if (LocalName(child) != "stop") {
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

SolidPaint FirstShapeColor(pugi::xml_node pattern)
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
        if (node == pattern || !IsShape(LocalName(node))) continue;
        // The fill as the shape or its groups inside the pattern give it; the pattern's content starts black.
        std::string fill;
        for (pugi::xml_node up = node; up && up != pattern && fill.empty(); up = up.parent())
            fill = PropertyOf(up, "fill");
        Rgb8 rgb;
        if (fill.empty()) fill = "black";
        if (Trim(fill) == "none" || !ColorOf(fill, rgb)) continue;
        solid.paint = true;
        solid.color = ColorOfHex(rgb);
        solid.how = "the colour of the first shape it draws";
        return solid;
    }
    return solid;
}

}  // namespace

SolidPaint SolidOfServer(pugi::xml_node server, const IdIndex& ids)
{
    const std::string_view kind = LocalName(server);
    if (kind == "pattern") {
        const pugi::xml_node content = WithChildren(server, ids, false);
        if (!content) {
            SolidPaint nothing;
            nothing.how = "a pattern without shapes draws nothing";
            return nothing;
        }
        return FirstShapeColor(content);
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

}  // namespace host::svg
