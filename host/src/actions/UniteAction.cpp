// Unite: the selected paths and compound paths become one path (one contour) or compound path of the area they
// fill together, each under its own fill rule, with the style of the topmost and at its place; they are
// disposed. 'xpnd' would expand appearances first in a host with live effects; this host has none, so the
// entry is accepted and changes nothing.
#include "ActionArt.h"
#include "HostActions.h"

namespace host {

ZBErr UniteAction(Document& document, const std::vector<ActionEntry>&)
{
    const std::vector<Art*> shapes = SelectedShapes(document);
    if (shapes.empty()) return kNoErr;
    ClipperLib::Paths areas;
    for (const Art* art : shapes) {
        std::vector<Polyline> lines;
        if (!FlattenShape(*art, lines)) return kBadParameterErr;
        const ClipperLib::Paths area = Region(lines, art->style.evenOdd);
        areas.insert(areas.end(), area.begin(), area.end());
    }
    const Contours contours = ToContours(Unite(areas));
    if (contours.empty()) return kNoErr;
    Art* top = shapes.back();  // paint order: the last one walked is painted on top
    if (!ShapeFits(Document::Depth(*top), contours)) return kBadParameterErr;
    if (!NewShape(document, contours, top->style, PaintOrder::Above, top)) return kCantHappenErr;
    for (Art* art : shapes) document.Dispose(art);
    return kNoErr;
}

}  // namespace host
