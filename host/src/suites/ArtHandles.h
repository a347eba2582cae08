// Art, layer and document handles are the object's serial number cast to the handle type, never an address:
// a handle is looked up in the current document before use, so a disposed object's handle finds nothing and is
// never dereferenced.
#ifndef HOST_SUITES_ARTHANDLES_H
#define HOST_SUITES_ARTHANDLES_H

#include <cstdint>
#include <string>

#include "HostCall.h"
#include "host/Document.h"
#include "pendrake/PDTypes.h"

namespace host {

template <typename Handle>
Handle HandleOf(uint64_t serial)
{
    return reinterpret_cast<Handle>(static_cast<std::uintptr_t>(serial));
}

template <typename Handle>
uint64_t SerialOf(Handle handle)
{
    return static_cast<uint64_t>(reinterpret_cast<std::uintptr_t>(handle));
}

inline PDArtHandle ArtHandle(const Art* art) { return art ? HandleOf<PDArtHandle>(art->serial) : nullptr; }
inline PDLayerHandle LayerHandle(const Layer* layer)
{
    return layer ? HandleOf<PDLayerHandle>(layer->serial) : nullptr;
}

// Plug-ins go through a document's objects in the order of their handles as a rule (the order of the document
// as read): the first fields of the object after the one of this serial are fetched into the cache while that
// one is at work, so that a walk over a large document does not wait for memory at every object. Always inlined:
// GCC takes a function that only prefetches for one without effects and drops the calls to it.
[[gnu::always_inline]] inline void FetchNextArt(const Document& document, uint64_t serial)
{
    if (const Art* next = document.Find(serial + 1)) {
        __builtin_prefetch(next);
        __builtin_prefetch(reinterpret_cast<const char*>(next) + 64);
    }
}

// Looks up a non-null art handle: kBadObjectErr (recorded) when it names no live object.
inline ZBErr LookUpArt(Host& host, const Document& document, const char* operation, PDArtHandle handle, Art*& art)
{
    const uint64_t serial = SerialOf(handle);
    art = document.Find(serial);
    if (art) {
        FetchNextArt(document, serial);
        return kNoErr;
    }
    host.GetChecks().Violation(std::string(operation) + " with an unknown or disposed art handle");
    return kBadObjectErr;
}

inline ZBErr LookUpLayer(Host& host, const Document& document, const char* operation, PDLayerHandle handle,
                         Layer*& layer)
{
    if (!handle) return kBadParameterErr;
    layer = document.FindLayer(SerialOf(handle));
    if (layer) return kNoErr;
    host.GetChecks().Violation(std::string(operation) + " with an unknown layer handle");
    return kBadObjectErr;
}

// Paths, compound paths and text carry a path style; groups and placed art do not.
inline bool HasPathStyle(const Art& art)
{
    return art.kind == ArtKind::Path || art.kind == ArtKind::CompoundPath || art.kind == ArtKind::Text;
}

// Runs body(host, document) for an operation that needs an open document.
template <typename Body>
ZBErr WithDocument(const char* operation, Body&& body) noexcept
{
    return HostCall(operation, [&](Host& host) {
        Document* document = host.CurrentDocument();
        if (!document) return kNoDocumentErr;
        return body(host, *document);
    });
}

// Runs body(host, document, art) for an operation on one art object: no document, a null handle and a dead
// handle are answered before body runs.
template <typename Body>
ZBErr WithArt(const char* operation, PDArtHandle handle, Body&& body) noexcept
{
    return WithDocument(operation, [&](Host& host, Document& document) {
        if (!handle) return kBadParameterErr;
        Art* art = nullptr;
        if (const ZBErr error = LookUpArt(host, document, operation, handle, art)) return error;
        return body(host, document, *art);
    });
}

template <typename Body>
ZBErr WithLayer(const char* operation, PDLayerHandle handle, Body&& body) noexcept
{
    return WithDocument(operation, [&](Host& host, Document& document) {
        Layer* layer = nullptr;
        if (const ZBErr error = LookUpLayer(host, document, operation, handle, layer)) return error;
        return body(host, document, *layer);
    });
}

}  // namespace host

#endif
