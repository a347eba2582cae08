// The Art suite on the host's current document, in both precisions (bounds carry reals).
#include "ArtHandles.h"
#include "CoreSuites.h"
#include "RealValues.h"
#include "host/RealLayouts.h"
#include "pendrake/PDArt.h"

namespace host {
namespace {

bool KnownOrder(int16_t order) { return order >= kPDPlaceAbove && order <= kPDPlaceBelowAll; }

// prep may be null (the current layer); a non-null one must name a live object.
ZBErr LookUpPrep(Host& host, const Document& document, const char* operation, PDArtHandle prep, Art*& reference)
{
    reference = nullptr;
    return prep ? LookUpArt(host, document, operation, prep, reference) : kNoErr;
}

ZBErr NewArt(int16_t type, int16_t paintOrder, PDArtHandle prep, PDArtHandle* art)
{
    return WithDocument("NewArt", [&](Host& host, Document& document) {
        if (!art) return kBadParameterErr;
        *art = nullptr;
        if (type < kPDGroupArt || type > kPDPlacedArt || !KnownOrder(paintOrder)) return kBadParameterErr;
        Art* reference = nullptr;
        if (const ZBErr error = LookUpPrep(host, document, "NewArt", prep, reference)) return error;
        // The model places new art on the current layer first.
        if (reference && !document.CurrentLayer()) return kBadParameterErr;
        Art* made = document.NewArt(static_cast<ArtKind>(type), static_cast<PaintOrder>(paintOrder), reference);
        if (!made) return kBadParameterErr;
        *art = ArtHandle(made);
        return kNoErr;
    });
}

ZBErr DisposeArt(PDArtHandle art)
{
    return WithArt("DisposeArt", art, [&](Host&, Document& document, Art& object) {
        document.Dispose(&object);
        return kNoErr;
    });
}

ZBErr ReorderArt(PDArtHandle art, int16_t paintOrder, PDArtHandle prep)
{
    return WithArt("ReorderArt", art, [&](Host& host, Document& document, Art& object) {
        if (!KnownOrder(paintOrder)) return kBadParameterErr;
        Art* reference = nullptr;
        if (const ZBErr error = LookUpPrep(host, document, "ReorderArt", prep, reference)) return error;
        return document.Reorder(&object, static_cast<PaintOrder>(paintOrder), reference) ? kNoErr : kBadParameterErr;
    });
}

ZBErr GetArtType(PDArtHandle art, int16_t* type)
{
    return WithArt("GetArtType", art, [&](Host&, Document&, Art& object) {
        if (!type) return kBadParameterErr;
        *type = static_cast<int16_t>(object.kind);
        return kNoErr;
    });
}

ZBErr GetArtUserAttr(PDArtHandle art, int32_t whichAttr, int32_t* attr)
{
    return WithArt("GetArtUserAttr", art, [&](Host&, Document&, Art& object) {
        if (!attr) return kBadParameterErr;
        *attr = object.attributes & whichAttr;
        return kNoErr;
    });
}

ZBErr SetArtUserAttr(PDArtHandle art, int32_t whichAttr, int32_t attr)
{
    return WithArt("SetArtUserAttr", art, [&](Host&, Document&, Art& object) {
        object.attributes = (object.attributes & ~whichAttr) | (attr & whichAttr);
        return kNoErr;
    });
}

ZBErr GetArtParent(PDArtHandle art, PDArtHandle* parent)
{
    return WithArt("GetArtParent", art, [&](Host&, Document&, Art& object) {
        if (!parent) return kBadParameterErr;
        *parent = ArtHandle(object.parent);
        return kNoErr;
    });
}

ZBErr GetArtFirstChild(PDArtHandle art, PDArtHandle* child)
{
    return WithArt("GetArtFirstChild", art, [&](Host&, Document&, Art& object) {
        if (!child) return kBadParameterErr;
        *child = object.children.empty() ? nullptr : ArtHandle(object.children.front().get());
        return kNoErr;
    });
}

ZBErr GetArtSibling(PDArtHandle art, PDArtHandle* sibling)
{
    return WithArt("GetArtSibling", art, [&](Host&, Document& document, Art& object) {
        if (!sibling) return kBadParameterErr;
        *sibling = nullptr;
        const auto& list = object.parent ? object.parent->children : object.layer->art;
        const std::size_t place = document.PlaceOf(object);
        if (place + 1 < list.size()) *sibling = ArtHandle(list[place + 1].get());
        return kNoErr;
    });
}

ZBErr GetLayerOfArt(PDArtHandle art, PDLayerHandle* layer)
{
    return WithArt("GetLayerOfArt", art, [&](Host&, Document&, Art& object) {
        if (!layer) return kBadParameterErr;
        *layer = LayerHandle(object.layer);
        return kNoErr;
    });
}

// An object without geometry (an empty group) has the empty rectangle at 0 0.
template <typename Real>
ZBErr GetArtBounds(PDArtHandle art, RealRect<Real>* bounds)
{
    return WithArt("GetArtBounds", art, [&](Host&, Document& document, Art& object) {
        if (!bounds) return kBadParameterErr;
        Rect rect;
        if (!document.Bounds(object, rect)) rect = {};
        *bounds = {ToReal<Real>(rect.left), ToReal<Real>(rect.top), ToReal<Real>(rect.right),
                   ToReal<Real>(rect.bottom)};
        return kNoErr;
    });
}

// Asking is the way to learn that a handle is dead, so a dead or null handle is an answer, not a fault.
ZBErr ValidArt(PDArtHandle art, ZBBoolean* valid)
{
    return HostCall("ValidArt", [&](Host& host) {
        if (!valid) return kBadParameterErr;
        *valid = 0;
        const Document* document = host.CurrentDocument();
        if (!document) return kNoDocumentErr;
        *valid = art && document->Find(SerialOf(art)) ? 1 : 0;
        return kNoErr;
    });
}

template <typename Paints>
ZBBoolean StylePaints(const char* operation, PDArtHandle art, Paints paints)
{
    return HostQuery(operation, [&](Host& host) {
        const Document* document = host.CurrentDocument();
        Art* object = nullptr;
        if (!document || !art || LookUpArt(host, *document, operation, art, object) != kNoErr) return false;
        return HasPathStyle(*object) && paints(object->style);
    });
}

ZBBoolean ArtHasFill(PDArtHandle art)
{
    return StylePaints("ArtHasFill", art, [](const Style& style) { return style.fillPaint; });
}

ZBBoolean ArtHasStroke(PDArtHandle art)
{
    return StylePaints("ArtHasStroke", art, [](const Style& style) { return style.strokePaint; });
}

template <typename Real>
const ArtSuiteLayout<Real> kArtSuite = {
    NewArt,           DisposeArt,    ReorderArt,    GetArtType,         GetArtUserAttr, SetArtUserAttr, GetArtParent,
    GetArtFirstChild, GetArtSibling, GetLayerOfArt, GetArtBounds<Real>, ValidArt,       ArtHasFill,     ArtHasStroke};

}  // namespace

void OfferArtSuite(SuiteRegistry& registry)
{
    registry.Offer(kPDArtSuite, kPDArtSuiteVersion17, &kArtSuite<double>);
    registry.Offer(kPDArtSuite, kPDArtSuiteVersion1016, &kArtSuite<float>);
}

}  // namespace host
