// The Matching Art suite on the host's current document. The host keeps every list it hands out until the
// plug-in disposes of it, so that a list a plug-in leaks shows in the host's count.
#include <algorithm>
#include <limits>
#include <memory>
#include <vector>

#include "ArtHandles.h"
#include "CoreSuites.h"
#include "pendrake/PDArt.h"
#include "pendrake/PDMatchingArt.h"

namespace host {
namespace {

// The handles are taken during the walk, so that the objects are not read a second time to hand them out.
ZBErr HandOut(Host& host, const std::vector<PDArtHandle>& found, PDArtHandle** matches, int32_t* count)
{
    if (found.size() > static_cast<std::size_t>(std::numeric_limits<int32_t>::max())) return kOutOfMemoryErr;
    if (found.empty()) return kNoErr;
    std::unique_ptr<PDArtHandle[]> list(new PDArtHandle[found.size()]);
    std::copy(found.begin(), found.end(), list.get());
    *matches = host.RegisterMatchList(std::move(list));
    *count = static_cast<int32_t>(found.size());
    return kNoErr;
}

// Runs body(host, document) with the result slots checked and cleared.
template <typename Body>
ZBErr WithResult(const char* operation, PDArtHandle** matches, int32_t* count, Body&& body) noexcept
{
    return HostCall(operation, [&](Host& host) {
        if (!matches || !count) return kBadParameterErr;
        *matches = nullptr;
        *count = 0;
        Document* document = host.CurrentDocument();
        if (!document) return kNoDocumentErr;
        return body(host, *document);
    });
}

bool InsideSelected(const Art& art)
{
    for (const Art* up = art.parent; up; up = up->parent)
        if (up->attributes & kAttrSelected) return true;
    return false;
}

ZBErr GetSelectedArt(PDArtHandle** matches, int32_t* count)
{
    return WithResult("GetSelectedArt", matches, count, [&](Host& host, Document& document) {
        std::vector<PDArtHandle> found;
        document.ForEachArt([&](const Art& art) {
            if ((art.attributes & kAttrSelected) || (art.kind == ArtKind::Path && InsideSelected(art)))
                found.push_back(ArtHandle(&art));
        });
        return HandOut(host, found, matches, count);
    });
}

bool Matches(const Art& art, const PDMatchingArtSpec& request)
{
    return (request.type == kPDAnyArt || request.type == static_cast<int16_t>(art.kind)) &&
           (art.attributes & request.whichAttr) == request.attr;
}

ZBErr GetMatchingArt(const PDMatchingArtSpec* requests, int16_t requestCount, PDArtHandle** matches, int32_t* count)
{
    return WithResult("GetMatchingArt", matches, count, [&](Host& host, Document& document) {
        if (requestCount < 0 || (requestCount > 0 && !requests)) return kBadParameterErr;
        const PDMatchingArtSpec* end = requests + requestCount;
        std::vector<PDArtHandle> found;
        document.ForEachArt([&](const Art& art) {
            if (std::any_of(requests, end, [&](const PDMatchingArtSpec& one) { return Matches(art, one); }))
                found.push_back(ArtHandle(&art));
        });
        return HandOut(host, found, matches, count);
    });
}

ZBErr DisposeMatches(PDArtHandle* matches)
{
    return HostCall("DisposeMatches", [&](Host& host) {
        if (!matches) return kNoErr;
        if (!host.DisposeMatchList(matches)) {
            host.GetChecks().Violation("DisposeMatches of a list the host did not hand out");
            return kBadParameterErr;
        }
        return kNoErr;
    });
}

const PDMatchingArtSuite7 kMatchingArtSuite = {GetSelectedArt, GetMatchingArt, DisposeMatches};

}  // namespace

void OfferMatchingArtSuite(SuiteRegistry& registry)
{
    registry.Offer(kPDMatchingArtSuite, kPDMatchingArtSuiteVersion7, &kMatchingArtSuite);
    registry.Offer(kPDMatchingArtSuite, kPDMatchingArtSuiteVersion1006, &kMatchingArtSuite);
}

}  // namespace host
