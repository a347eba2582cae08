// Style properties: presentation attributes and style="..." declarations, inherited from the ancestors, plus the
// host's own pd: properties (exact colours, overprint, clipping, resolution). Lengths stay in the element's user
// units until StyleFor scales them.
#ifndef HOST_SVG_SVGSTYLE_H
#define HOST_SVG_SVGSTYLE_H

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "host/Document.h"
#include "svg/SvgCss.h"
#include "svg/SvgPaint.h"

namespace host::svg {

struct ComputedStyle {
    Style style;           // stroke width, dashes and dash offset in user units
    Color color;           // the color property, which currentColor names
    double fontSize = 16;  // user units
    std::string fontFamily;
    bool displayNone = false;  // not inherited
    bool visibilityHidden = false;
    // Paint servers (kind Server) named by fill and stroke; the reader turns them into colours once all of the
    // element's declarations are in, so that what the children inherit is already a colour.
    Paint fillServer;
    Paint strokeServer;
    // References to content the document has no equivalent of ("#id" as written; empty: none). Not inherited,
    // except the markers.
    std::string clipPath;
    std::string mask;
    std::string filter;
    std::string markerStart, markerMid, markerEnd;
    double opacity = 1;  // not inherited
    double fillOpacity = 1;
    double strokeOpacity = 1;
    // currentColor is resolved once all of an element's declarations are in.
    bool fillCurrent = false;
    bool strokeCurrent = false;
};

// The values before any declaration: black fill, no stroke, width 1, miter joins with limit 4, butt caps.
ComputedStyle InitialStyle();
// The style an element starts from: its parent's, without what is not inherited (display, opacity, clip path,
// mask, filter).
ComputedStyle InheritedStyle(const ComputedStyle& parent);
// The same in place, for a copy of the parent's style.
void KeepInherited(ComputedStyle& style);

// Whether name is one of the properties read here (as a presentation attribute or in style="...").
bool IsStyleProperty(std::string_view name);
// Applies one declaration; "inherit" takes the parent's value. Throws SvgValueError, leaving style as it was.
void ApplyDeclaration(ComputedStyle& style, const ComputedStyle& parent, std::string_view name, std::string_view value);
// Resolves currentColor; to be called after the element's CSS declarations and before its host properties.
void FinishDeclarations(ComputedStyle& style);
// The declarations of a style attribute, in order ("name: value; ..."); comments are dropped, and a declaration
// that cannot be read throws SvgValueError (for strict reading; ParseInlineStyle passes over it instead).
std::vector<CssDeclaration> ParseStyleAttribute(std::string_view text);

// Whether name is one of the host's style properties (pd:fill-color, pd:stroke-color, pd:fill-overprint,
// pd:stroke-overprint, pd:clip, pd:lock-clip, pd:resolution, by local name).
bool IsHostStyleProperty(std::string_view name);
// Applies one of them. An exact colour is taken when the element's visible colour is the one it displays as (or
// when that paint is none); otherwise an editor changed the colour and the exact one no longer belongs to it.
void ApplyHostProperty(ComputedStyle& style, std::string_view name, std::string_view value);

// The document style for an element whose lengths scale by `scale`.
Style StyleFor(const ComputedStyle& style, double scale);
// "true" or "false"; throws SvgValueError.
bool ParseBoolean(std::string_view text);

}  // namespace host::svg

#endif
