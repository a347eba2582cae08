#include "host/Document.h"

#include <algorithm>

namespace host {

const Tag* Art::FindTag(const std::string& name) const
{
    for (const Tag& tag : tags)
        if (tag.name == name) return &tag;
    return nullptr;
}

Document::Document(double pageWidth, double pageHeight) : fPageWidth(pageWidth), fPageHeight(pageHeight) {}

void Document::SetPage(double width, double height)
{
    fPageWidth = width;
    fPageHeight = height;
}

Layer& Document::AddLayer(const std::string& name)
{
    auto layer = std::make_unique<Layer>();
    layer->serial = fNextSerial++;
    layer->name = name;
    fLayers.push_back(std::move(layer));
    if (!fCurrentLayer) fCurrentLayer = fLayers.back().get();
    return *fLayers.back();
}

Layer* Document::FindLayer(uint64_t serial) const
{
    for (const auto& layer : fLayers)
        if (layer->serial == serial) return layer.get();
    return nullptr;
}

Layer* Document::FindLayerByName(const std::string& name) const
{
    for (const auto& layer : fLayers)
        if (layer->name == name) return layer.get();
    return nullptr;
}

Art* Document::FindById(const std::string& id) const
{
    if (id.empty()) return nullptr;
    if (fIdsAt != fChanges) {
        fIds.clear();
        Walk([&](Art& art) {
            if (!art.id.empty()) fIds.emplace(art.id, &art);  // the first of equal ids stays
        });
        fIdsAt = fChanges;
    }
    const auto found = fIds.find(id);
    // Ids are plain fields: one changed since the index was made is checked here and looked up afresh.
    if (found != fIds.end() && found->second->id == id) return found->second;
    Art* match = nullptr;
    Walk([&](Art& art) {
        if (!match && art.id == id) match = &art;
    });
    return match;
}

std::vector<std::unique_ptr<Art>>* Document::ListOf(Art* parent, Layer* layer)
{
    if (parent) return &parent->children;
    return layer ? &layer->art : nullptr;
}

std::vector<std::unique_ptr<Art>>& Document::SiblingsOf(Art& art) { return *ListOf(art.parent, art.layer); }

void Document::Changed(const std::vector<std::unique_ptr<Art>>& list, std::size_t from)
{
    const auto [entry, added] = fStalePlaces.try_emplace(&list, from);
    if (!added) entry->second = std::min(entry->second, from);
}

std::size_t Document::PlaceOf(const Art& art) const
{
    // Objects before the first changed place did not move, and every object from there on was last numbered at
    // that place or later: a place below it is still right.
    const auto& list = art.parent ? art.parent->children : art.layer->art;
    const auto stale = fStalePlaces.find(&list);
    if (stale == fStalePlaces.end() || art.place < stale->second) return art.place;
    for (std::size_t i = stale->second; i < list.size(); ++i) list[i]->place = i;
    fStalePlaces.erase(stale);
    return art.place;
}

void Document::Adopt(Art& art, Layer* layer, Art* parent)
{
    art.parent = parent;
    if (art.layer == layer) return;  // what it holds stays in the layer too
    art.layer = layer;
    for (auto& child : art.children) Adopt(*child, layer, &art);
}

namespace {

bool CanHold(const Art* container, ArtKind kind)
{
    if (!container) return true;  // a layer holds anything
    if (container->kind == ArtKind::Group) return true;
    return container->kind == ArtKind::CompoundPath && kind == ArtKind::Path;
}

// Where an object goes: the container (null with a layer for the top level) and the index in its list.
struct Place {
    Layer* layer = nullptr;
    Art* parent = nullptr;
    std::size_t index = 0;
};

}  // namespace

Art* Document::NewArt(ArtKind kind, PaintOrder order, Art* reference)
{
    Layer* start = reference ? reference->layer : fCurrentLayer;
    if (!start) start = &AddLayer("Layer 1");
    auto art = std::make_unique<Art>();
    art->kind = kind;
    Art* made = art.get();
    // Placed first at the top of a layer, then moved where asked; an order that cannot be applied takes the
    // object away again.
    start->art.push_back(std::move(art));
    made->place = start->art.size() - 1;
    Adopt(*made, start, nullptr);
    ++fChanges;
    made->serial = fNextSerial++;
    if (fBySerial.size() <= made->serial) fBySerial.resize(made->serial + 1, nullptr);
    fBySerial[made->serial] = made;
    ++fLiveArt;
    // Above all in the current layer is where it stands already: the way a document is read, object by object.
    if (order == PaintOrder::AboveAll && !reference) return made;
    if (!Reorder(made, order, reference)) {
        Dispose(made);
        return nullptr;
    }
    return made;
}

bool Document::Reorder(Art* art, PaintOrder order, Art* reference)
{
    if (!art) return false;
    for (const Art* up = reference; up; up = up->parent)
        if (up == art) return false;

    Place place;
    switch (order) {
    case PaintOrder::AboveAll:
    case PaintOrder::BelowAll:
        // Relative to the reference's list when one is given, the current layer otherwise.
        if (reference) {
            place.layer = reference->layer;
            place.parent = reference->parent;
        } else {
            place.layer = fCurrentLayer;
        }
        if (!place.layer) return false;
        place.index = order == PaintOrder::BelowAll ? 0 : ListOf(place.parent, place.layer)->size();
        break;
    case PaintOrder::Above:
    case PaintOrder::Below: {
        if (!reference) return false;
        place.layer = reference->layer;
        place.parent = reference->parent;
        place.index = PlaceOf(*reference) + (order == PaintOrder::Above ? 1 : 0);
        break;
    }
    case PaintOrder::InsideOnTop:
    case PaintOrder::InsideOnBottom:
        if (!reference || reference->kind == ArtKind::Path || reference->kind == ArtKind::Text ||
            reference->kind == ArtKind::Placed)
            return false;
        place.layer = reference->layer;
        place.parent = reference;
        place.index = order == PaintOrder::InsideOnBottom ? 0 : reference->children.size();
        break;
    default: return false;
    }
    if (!CanHold(place.parent, art->kind)) return false;
    const std::size_t depth = place.parent ? Depth(*place.parent) + 1 : 1;
    if (depth + Height(*art) - 1 > kMaxArtDepth) return false;

    auto& from = SiblingsOf(*art);
    const std::size_t fromIndex = PlaceOf(*art);
    auto& to = *ListOf(place.parent, place.layer);
    // Removing from the same list ahead of the target shifts the target down by one.
    if (&from == &to && fromIndex < place.index) --place.index;
    if (&from == &to && fromIndex == place.index) return true;  // already there
    std::unique_ptr<Art> moving = std::move(from[fromIndex]);
    from.erase(from.begin() + static_cast<std::ptrdiff_t>(fromIndex));
    Changed(from, fromIndex);
    place.index = std::min(place.index, to.size());
    to.insert(to.begin() + static_cast<std::ptrdiff_t>(place.index), std::move(moving));
    art->place = place.index;
    Changed(to, place.index);
    Adopt(*art, place.layer, place.parent);
    ++fChanges;
    return true;
}

void Document::Forget(Art& art)
{
    for (auto& child : art.children) Forget(*child);
    if (!fStalePlaces.empty()) fStalePlaces.erase(&art.children);  // the list goes with it
    fBySerial[art.serial] = nullptr;
    --fLiveArt;
}

void Document::Dispose(Art* art)
{
    if (!art) return;
    Forget(*art);
    auto& list = SiblingsOf(*art);
    const std::size_t at = PlaceOf(*art);
    list.erase(list.begin() + static_cast<std::ptrdiff_t>(at));
    Changed(list, at);
    ++fChanges;
}

std::size_t Document::Depth(const Art& art)
{
    std::size_t depth = 1;
    for (const Art* up = art.parent; up; up = up->parent) ++depth;
    return depth;
}

std::size_t Document::Height(const Art& art)
{
    if (art.children.empty()) return 1;  // most objects: no list to keep
    // Without recursion, so that it holds for any tree it is given.
    std::size_t height = 1;
    std::vector<std::pair<const Art*, std::size_t>> pending{{&art, 1}};
    while (!pending.empty()) {
        const auto [at, level] = pending.back();
        pending.pop_back();
        height = std::max(height, level);
        for (const auto& child : at->children) pending.emplace_back(child.get(), level + 1);
    }
    return height;
}

void Document::Walk(const std::function<void(Art&)>& visit) const { ForEachArt(visit); }

std::vector<Art*> Document::AllArt() const
{
    std::vector<Art*> all;
    all.reserve(fLiveArt);
    ForEachArt([&](Art& art) { all.push_back(&art); });
    return all;
}

bool Document::Bounds(const Art& art, Rect& bounds) const
{
    bool any = false;
    auto grow = [&](Point p) {
        if (!any) {
            bounds = {p.h, p.v, p.h, p.v};
            any = true;
            return;
        }
        bounds.left = std::min(bounds.left, p.h);
        bounds.right = std::max(bounds.right, p.h);
        bounds.bottom = std::min(bounds.bottom, p.v);
        bounds.top = std::max(bounds.top, p.v);
    };
    std::function<void(const Art&)> visit = [&](const Art& a) {
        for (const Segment& s : a.segments) grow(s.p);
        if (a.kind == ArtKind::Text) grow(a.textOrigin);
        for (const auto& child : a.children) visit(*child);
    };
    visit(art);
    return any;
}

}  // namespace host
