#include "ActionArt.h"

namespace host {
namespace {

bool Selected(const Art& art)
{
    for (const Art* up = &art; up; up = up->parent)
        if (up->attributes & kAttrSelected) return true;
    return false;
}

bool Locked(const Art& art)
{
    if (art.layer && art.layer->locked) return true;
    for (const Art* up = &art; up; up = up->parent)
        if (up->attributes & kAttrLocked) return true;
    return false;
}

bool AnyChildSelected(const Art& art)
{
    for (const auto& child : art.children)
        if (child->attributes & kAttrSelected) return true;
    return false;
}

}  // namespace

std::vector<Art*> SelectedShapes(const Document& document)
{
    std::vector<Art*> shapes;
    document.Walk([&](Art& art) {
        if (Locked(art)) return;
        const bool inCompound = art.parent && art.parent->kind == ArtKind::CompoundPath;
        if ((art.kind == ArtKind::Path && !inCompound && Selected(art)) ||
            (art.kind == ArtKind::CompoundPath && (Selected(art) || AnyChildSelected(art))))
            shapes.push_back(&art);
    });
    return shapes;
}

std::vector<Art*> SelectedTexts(const Document& document)
{
    std::vector<Art*> texts;
    document.Walk([&](Art& art) {
        if (art.kind == ArtKind::Text && Selected(art) && !Locked(art)) texts.push_back(&art);
    });
    return texts;
}

bool ShapeFits(std::size_t depth, const Contours& contours, bool compound)
{
    const bool several = compound || contours.size() != 1;
    return depth + (several ? 1 : 0) <= kMaxArtDepth;
}

Art* NewShape(Document& document, const Contours& contours, const Style& style, PaintOrder order, Art* reference,
              bool compound)
{
    const bool several = compound || contours.size() != 1;
    Art* made = document.NewArt(several ? ArtKind::CompoundPath : ArtKind::Path, order, reference);
    if (!made) return nullptr;
    made->style = style;
    made->attributes = kAttrSelected;
    if (!several) {
        made->segments = contours.front();
        made->closed = true;
        return made;
    }
    for (const std::vector<Segment>& contour : contours) {
        Art* path = document.NewArt(ArtKind::Path, PaintOrder::InsideOnTop, made);
        if (!path) return nullptr;
        path->style = style;
        path->segments = contour;
        path->closed = true;
    }
    return made;
}

}  // namespace host
