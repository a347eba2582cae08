// Reading text: the characters of text and its tspans, links, tref and textPath as one text object at the
// first position; flowed text as one text object at its frame's top left.
#include <cmath>
#include <cstring>

#include "svg/SvgImport.h"
#include "svg/SvgLength.h"
#include "svg/SvgSegments.h"

namespace host::svg {
namespace {

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

// The characters an element holds, without any markup, for tref.
std::string PlainText(pugi::xml_node element, std::size_t depth)
{
    std::string text;
    if (depth > kMaxArtDepth) return text;
    for (const pugi::xml_node child : element.children()) {
        if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata)
            text += child.value();
        else if (child.type() == pugi::node_element)
            text += PlainText(child, depth + 1);
    }
    return text;
}

}  // namespace

// depth: that of element, as if each tspan were an object inside its parent.
std::string Reader::TextContent(pugi::xml_node element, const NameScope& scope, std::size_t depth)
{
    std::string text;
    for (const pugi::xml_node child : element.children()) {
        if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata) {
            text += child.value();
            continue;
        }
        if (child.type() != pugi::node_element) continue;
        const NameScope inner = scope.Enter(child);
        const QualifiedName name = inner.ElementName(child);
        if (name.uri != kSvgNamespace || !ConditionsHold(child)) continue;
        if (depth + 1 > kMaxArtDepth) FailAt(child, TooDeep());
        const std::string_view local = name.local;
        if (local == "tspan" || local == "a" || local == "altGlyph" || local == "flowSpan") {
            text += TextContent(child, inner, depth + 1);
        } else if (local == "textPath") {
            Warn("text path", child, Describe(child) + " text on a path kept as straight text");
            text += TextContent(child, inner, depth + 1);
        } else if (local == "tref") {
            const pugi::xml_attribute href = HrefOf(child);
            const pugi::xml_node target = href ? Target(child, href.value(), "text", "left out") : pugi::xml_node();
            if (target) text += PlainText(target, depth + 1);
        } else if (local != "title" && local != "desc" && local != "metadata") {
            Warn("text " + std::string(local), child, Describe(child) + " inside text left out");
        }
    }
    return text;
}

void Reader::MakeText(pugi::xml_node element, const Context& outer, const Context& inner, const std::string& text,
                      Point position)
{
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
    art->text = text;
    art->textOrigin = origin;
    art->fontSize = fontSize;
    art->fontFamily = inner.style.fontFamily;
}

void Reader::ReadText(pugi::xml_node element, const Context& outer, const Context& inner)
{
    Point position;
    bool placed = false;
    for (const char* name : {"x", "y"}) {
        const pugi::xml_attribute attribute = element.attribute(name);
        if (!attribute) continue;
        const std::vector<double> values = Parsed(element, attribute, ParseUserLengthList);
        if (!values.empty()) (name[0] == 'x' ? position.h : position.v) = values.front(), placed = true;
    }
    // Text on a path without a position of its own starts where the path starts.
    if (!placed)
        for (const pugi::xml_node child : element.children("textPath"))
            if (const pugi::xml_attribute href = HrefOf(child)) {
                const pugi::xml_node path = fIds->Find(LocalId(href.value()));
                if (!path || !path.attribute("d")) break;
                try {
                    const std::vector<Subpath> subpaths = ParsePathData(path.attribute("d").value());
                    if (!subpaths.empty()) position = subpaths.front().start;
                } catch (const SvgValueError&) {
                }
                break;
            }
    const std::string raw = TextContent(element, inner.scope, outer.depth);
    MakeText(element, outer, inner, inner.preserveSpace ? raw : CollapseSpace(raw), position);
}

// flowRoot holds a flowRegion (the frame) and paragraphs. The document's text objects do not flow, so the
// paragraphs become lines of one text object whose first baseline is one font size below the frame's top.
void Reader::ReadFlowedText(pugi::xml_node element, const Context& outer, const Context& inner)
{
    std::string text;
    Point position;
    bool framed = false;
    for (const pugi::xml_node child : element.children()) {
        if (child.type() != pugi::node_element) continue;
        const QualifiedName name = inner.scope.Enter(child).ElementName(child);
        if (name.local == "flowRegion" && !framed) {
            for (const pugi::xml_node shape : child.children()) {
                if (shape.type() != pugi::node_element) continue;
                position = {UserLength(shape, inner, "x", 0, Axis::Horizontal),
                            UserLength(shape, inner, "y", 0, Axis::Vertical) + inner.style.fontSize};
                framed = true;
                break;
            }
        } else if (name.local == "flowPara" || name.local == "flowDiv" || name.local == "flowSpan") {
            const std::string line = CollapseSpace(TextContent(child, inner.scope.Enter(child), outer.depth + 1));
            if (line.empty()) continue;
            if (!text.empty()) text += '\n';
            text += line;
        }
    }
    if (text.empty()) return;  // editors leave empty flowed text behind; it draws nothing
    Warn("flowed text", element, Describe(element) + " flowed text kept as one text object at its frame's top left");
    MakeText(element, outer, inner, text, position);
}

}  // namespace host::svg
