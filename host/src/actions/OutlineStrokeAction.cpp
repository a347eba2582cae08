// Outline strokes: each selected stroked path or compound path is replaced by a filled shape of its stroke's
// area (width, caps, joins, miter limit; a dash pattern is outlined as a solid stroke), painted in the stroke's
// colour without a stroke. A shape that was filled as well becomes a group of the shape, without its stroke,
// below the outline.
#include <utility>

#include "ActionArt.h"
#include "HostActions.h"
#include "Stroke.h"

namespace host {
namespace {

struct Outline {
    Art* art;
    Contours contours;
};

Style OutlineStyle(const Style& stroked)
{
    Style style = stroked;
    style.fillPaint = true;
    style.fillColor = stroked.strokeColor;
    style.fillOverprint = stroked.strokeOverprint;
    style.strokePaint = false;
    style.evenOdd = false;
    return style;
}

// A filled shape goes one level down, into the group that holds it and its outline.
bool OutlineFits(const Art& art, const Contours& contours)
{
    const std::size_t depth = Document::Depth(art);
    if (!art.style.fillPaint) return ShapeFits(depth, contours);
    return depth + Document::Height(art) <= kMaxArtDepth && ShapeFits(depth + 1, contours);
}

}  // namespace

ZBErr OutlineStrokeAction(Document& document, const std::vector<ActionEntry>&)
{
    // Everything is computed before the document changes, so that a refusal leaves it as it was.
    std::vector<Outline> outlines;
    for (Art* art : SelectedShapes(document)) {
        const Style& style = art->style;
        if (!style.strokePaint) continue;
        std::vector<Polyline> lines;
        if (!FlattenShape(*art, lines) || !InRange(style.strokeWidth)) return kBadParameterErr;
        Contours contours = ToContours(StrokeArea(lines, {style.strokeWidth, style.cap, style.join, style.miterLimit}));
        if (contours.empty()) continue;
        if (!OutlineFits(*art, contours)) return kBadParameterErr;
        outlines.push_back({art, std::move(contours)});
    }
    for (Outline& outline : outlines) {
        Art& art = *outline.art;
        const Style style = OutlineStyle(art.style);
        if (!art.style.fillPaint) {
            if (!NewShape(document, outline.contours, style, PaintOrder::Above, &art)) return kCantHappenErr;
            document.Dispose(&art);
            continue;
        }
        Art* group = document.NewArt(ArtKind::Group, PaintOrder::Above, &art);
        if (!group || !document.Reorder(&art, PaintOrder::InsideOnTop, group)) return kCantHappenErr;
        group->attributes = kAttrSelected;
        art.style.strokePaint = false;
        art.attributes &= ~kAttrSelected;
        Art* made = NewShape(document, outline.contours, style, PaintOrder::InsideOnTop, group);
        if (!made) return kCantHappenErr;
        made->attributes = 0;
    }
    return kNoErr;
}

}  // namespace host
