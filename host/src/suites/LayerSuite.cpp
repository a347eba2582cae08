// The Layer suite on the host's current document: its layers from the bottom one up.
#include <algorithm>
#include <limits>

#include "ArtHandles.h"
#include "CoreSuites.h"
#include "host/Utf.h"
#include "pendrake/PDLayer.h"

namespace host {
namespace {

ZBErr GetCurrentLayer(PDLayerHandle* layer)
{
    return WithDocument("GetCurrentLayer", [&](Host&, Document& document) {
        if (!layer) return kBadParameterErr;
        *layer = LayerHandle(document.CurrentLayer());
        return kNoErr;
    });
}

ZBErr SetCurrentLayer(PDLayerHandle layer)
{
    return WithLayer("SetCurrentLayer", layer, [&](Host&, Document& document, Layer& found) {
        document.SetCurrentLayer(&found);
        return kNoErr;
    });
}

ZBErr CountLayers(int32_t* count)
{
    return WithDocument("CountLayers", [&](Host&, Document& document) {
        if (!count) return kBadParameterErr;
        constexpr std::size_t kMax = static_cast<std::size_t>(std::numeric_limits<int32_t>::max());
        *count = static_cast<int32_t>(std::min(document.Layers().size(), kMax));
        return kNoErr;
    });
}

ZBErr GetNthLayer(int32_t n, PDLayerHandle* layer)
{
    return WithDocument("GetNthLayer", [&](Host&, Document& document) {
        if (!layer) return kBadParameterErr;
        *layer = nullptr;
        if (n < 0 || static_cast<std::size_t>(n) >= document.Layers().size()) return kBadParameterErr;
        *layer = LayerHandle(document.Layers()[static_cast<std::size_t>(n)].get());
        return kNoErr;
    });
}

ZBErr GetLayerTitle(PDLayerHandle layer, PDUnicodeStringRef title)
{
    return WithString("GetLayerTitle", title, [&](Host& host, PDUnicodeStringOpaque& string) {
        const Document* document = host.CurrentDocument();
        if (!document) return kNoDocumentErr;
        Layer* found = nullptr;
        if (const ZBErr error = LookUpLayer(host, *document, "GetLayerTitle", layer, found)) return error;
        string.text = DecodeUtf8(found->name);
        return kNoErr;
    });
}

ZBErr GetFirstArtOfLayer(PDLayerHandle layer, PDArtHandle* art)
{
    return WithLayer("GetFirstArtOfLayer", layer, [&](Host&, Document&, Layer& found) {
        if (!art) return kBadParameterErr;
        *art = found.art.empty() ? nullptr : ArtHandle(found.art.front().get());
        return kNoErr;
    });
}

const PDLayerSuite13 kLayerSuite = {GetCurrentLayer, SetCurrentLayer, CountLayers,
                                    GetNthLayer,     GetLayerTitle,   GetFirstArtOfLayer};

}  // namespace

void OfferLayerSuite(SuiteRegistry& registry)
{
    registry.Offer(kPDLayerSuite, kPDLayerSuiteVersion13, &kLayerSuite);
    registry.Offer(kPDLayerSuite, kPDLayerSuiteVersion1012, &kLayerSuite);
}

}  // namespace host
