// The Path suite on the host's current document, in both precisions. Segment counts travel as int16_t: a
// longer path is refused, never reported short.
#include <algorithm>
#include <limits>

#include "ArtHandles.h"
#include "CoreSuites.h"
#include "RealValues.h"
#include "host/RealLayouts.h"
#include "pendrake/PDPath.h"

namespace host {
namespace {

constexpr std::size_t kMaxSegments = static_cast<std::size_t>(std::numeric_limits<int16_t>::max());

// Runs body(document, path) for an operation on a path object.
template <typename Body>
ZBErr WithPathIn(const char* operation, PDArtHandle handle, Body&& body) noexcept
{
    return WithArt(operation, handle, [&](Host&, Document& document, Art& art) {
        if (art.kind != ArtKind::Path) return kWrongTypeErr;
        return body(document, art);
    });
}

// Runs body(path) for an operation on a path object.
template <typename Body>
ZBErr WithPath(const char* operation, PDArtHandle handle, Body&& body) noexcept
{
    return WithPathIn(operation, handle, [&](Document&, Art& art) { return body(art); });
}

template <typename Real>
RealPoint<Real> ToRecord(Point point)
{
    return {ToReal<Real>(point.h), ToReal<Real>(point.v)};
}

template <typename Real>
bool Finite(const PathSegment<Real>& s)
{
    return AllFinite(s.p.h, s.p.v, s.in.h, s.in.v, s.out.h, s.out.v);
}

ZBErr GetPathSegmentCount(PDArtHandle path, int16_t* count)
{
    return WithPath("GetPathSegmentCount", path, [&](Art& art) {
        if (!count || art.segments.size() > kMaxSegments) return kBadParameterErr;
        *count = static_cast<int16_t>(art.segments.size());
        return kNoErr;
    });
}

ZBErr SetPathSegmentCount(PDArtHandle path, int16_t count)
{
    return WithPath("SetPathSegmentCount", path, [&](Art& art) {
        if (count < 0) return kBadParameterErr;
        art.segments.resize(static_cast<std::size_t>(count));
        return kNoErr;
    });
}

// The segments of the path after art, fetched into the cache while art's are copied (see FetchNextArt): its
// first fields are there by now. Always inlined, as FetchNextArt is: GCC takes a function that only prefetches
// for one without effects and drops the calls to it.
[[gnu::always_inline]] inline void FetchNextSegments(const Document& document, const Art& art)
{
    const Art* next = document.Find(art.serial + 1);
    if (!next || next->segments.empty()) return;
    constexpr std::size_t kLine = 64;
    const char* first = reinterpret_cast<const char*>(next->segments.data());
    const std::size_t bytes = std::min<std::size_t>(next->segments.size() * sizeof(Segment), 8 * kLine);
    for (std::size_t at = 0; at < bytes; at += kLine) __builtin_prefetch(first + at);
}

template <typename Real>
ZBErr GetPathSegments(PDArtHandle path, int16_t first, int16_t count, PathSegment<Real>* segments)
{
    return WithPathIn("GetPathSegments", path, [&](Document& document, Art& art) {
        FetchNextSegments(document, art);
        if (first < 0 || count < 0 || (count > 0 && !segments)) return kBadParameterErr;
        const auto start = static_cast<std::size_t>(first);
        const auto end = start + static_cast<std::size_t>(count);
        if (end > art.segments.size()) return kBadParameterErr;
        for (std::size_t i = start; i < end; ++i) {
            const Segment& s = art.segments[i];
            segments[i - start] = {ToRecord<Real>(s.p), ToRecord<Real>(s.in), ToRecord<Real>(s.out),
                                   static_cast<ZBBoolean>(s.corner ? 1 : 0)};
        }
        return kNoErr;
    });
}

// Writes over segments from first on and extends the path when the range passes its end; a range that would
// leave a gap, or any coordinate that is not a finite number, changes nothing.
template <typename Real>
ZBErr SetPathSegments(PDArtHandle path, int16_t first, int16_t count, const PathSegment<Real>* segments)
{
    return WithPath("SetPathSegments", path, [&](Art& art) {
        if (first < 0 || count < 0 || (count > 0 && !segments)) return kBadParameterErr;
        const auto start = static_cast<std::size_t>(first);
        const auto end = start + static_cast<std::size_t>(count);
        if (start > art.segments.size()) return kBadParameterErr;
        for (std::size_t i = 0; i < static_cast<std::size_t>(count); ++i)
            if (!Finite(segments[i])) return kBadParameterErr;
        if (end > art.segments.size()) art.segments.resize(end);
        for (std::size_t i = start; i < end; ++i) {
            const PathSegment<Real>& s = segments[i - start];
            art.segments[i] = {{s.p.h, s.p.v}, {s.in.h, s.in.v}, {s.out.h, s.out.v}, s.corner != 0};
        }
        return kNoErr;
    });
}

ZBErr GetPathClosed(PDArtHandle path, ZBBoolean* closed)
{
    return WithPath("GetPathClosed", path, [&](Art& art) {
        if (!closed) return kBadParameterErr;
        *closed = art.closed ? 1 : 0;
        return kNoErr;
    });
}

ZBErr SetPathClosed(PDArtHandle path, ZBBoolean closed)
{
    return WithPath("SetPathClosed", path, [&](Art& art) {
        art.closed = closed != 0;
        return kNoErr;
    });
}

template <typename Real>
const PathSuiteLayout<Real> kPathSuite = {GetPathSegmentCount,   SetPathSegmentCount, GetPathSegments<Real>,
                                          SetPathSegments<Real>, GetPathClosed,       SetPathClosed};

}  // namespace

void OfferPathSuite(SuiteRegistry& registry)
{
    registry.Offer(kPDPathSuite, kPDPathSuiteVersion11, &kPathSuite<double>);
    registry.Offer(kPDPathSuite, kPDPathSuiteVersion1010, &kPathSuite<float>);
}

}  // namespace host
