// The Path Construction suite, in both precisions: flattens segments into points for plug-ins that drive a
// plotter themselves. The two numbers a caller passes are read as a limit and a tolerance: maxPoints is the most
// points one curved segment may become, flatness the largest distance in points allowed between the curve and
// the chords that replace it. Each curve gets as few equal steps in its parameter as keep within flatness (the
// second-difference bound of a cubic), capped at maxPoints; a straight segment (its control points on its
// anchors) is one chord whatever the numbers. The first point is the first anchor; every anchor after it ends
// the chords of its segment, so anchors come out exactly as they went in.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

#include "CoreSuites.h"
#include "HostCall.h"
#include "host/RealLayouts.h"
#include "pendrake/PDPathConstruction.h"

namespace host {
namespace {

// No single segment becomes more chords than this, whatever maxPoints asks: a bound on memory, not on quality.
constexpr double kMostStepsPerSegment = 1 << 20;

template <typename Real>
struct Chords {
    std::vector<RealPoint<Real>> points;
    std::vector<int32_t> anchors;  // 1 where the point is an anchor, 0 inside a curve
};

template <typename Real>
bool IsStraight(const PathSegment<Real>& from, const PathSegment<Real>& to)
{
    return from.out.h == from.p.h && from.out.v == from.p.v && to.in.h == to.p.h && to.in.v == to.p.v;
}

// How many equal parameter steps keep a cubic within flatness of its chords: n with
// 3/4 * max|second difference| / n^2 <= flatness, at least 1, at most limit.
double StepsFor(const double (&x)[4], const double (&y)[4], double flatness, double limit)
{
    const double d1 = std::hypot(x[0] - 2 * x[1] + x[2], y[0] - 2 * y[1] + y[2]);
    const double d2 = std::hypot(x[1] - 2 * x[2] + x[3], y[1] - 2 * y[2] + y[3]);
    const double bound = 0.75 * std::max(d1, d2);
    if (!(bound > 0)) return 1;
    const double steps = std::ceil(std::sqrt(bound / flatness));
    return std::clamp(std::isfinite(steps) ? steps : limit, 1.0, limit);
}

template <typename Real>
void AddCurve(const PathSegment<Real>& from, const PathSegment<Real>& to, double flatness, double limit,
              Chords<Real>& chords)
{
    if (!IsStraight(from, to)) {
        const double x[4] = {from.p.h, from.out.h, to.in.h, to.p.h};
        const double y[4] = {from.p.v, from.out.v, to.in.v, to.p.v};
        const double steps = StepsFor(x, y, flatness, limit);
        const auto count = static_cast<int64_t>(steps);
        for (int64_t k = 1; k < count; ++k) {
            const double t = static_cast<double>(k) / steps, u = 1 - t;
            const double a = u * u * u, b = 3 * u * u * t, c = 3 * u * t * t, d = t * t * t;
            chords.points.push_back({static_cast<Real>(a * x[0] + b * x[1] + c * x[2] + d * x[3]),
                                     static_cast<Real>(a * y[0] + b * y[1] + c * y[2] + d * y[3])});
            chords.anchors.push_back(0);
        }
    }
    chords.points.push_back(to.p);
    chords.anchors.push_back(1);
}

template <typename Real>
struct PathPointRecord {
    RealPoint<Real> point;
    int32_t corner;
};

template <typename Real>
ZBErr SegmentsToPoints(int32_t count, const PathSegment<Real>* segments, Real maxPoints, Real flatness,
                       int32_t* pointCount, PathPointRecord<Real>** points, PDAllocateProc allocate,
                       PDDisposeProc dispose)
{
    return HostCall("SegmentsToPoints", [&](Host&) {
        if (!pointCount || !points || !allocate || !dispose || count < 0 || (count > 0 && !segments))
            return kBadParameterErr;
        // NaN fails both tests: a limit or tolerance that is no number is refused.
        if (!(maxPoints >= 1) || !(flatness > 0)) return kBadParameterErr;
        *pointCount = 0;
        *points = nullptr;
        if (count == 0) return kNoErr;

        const double limit = std::min(std::floor(static_cast<double>(maxPoints)), kMostStepsPerSegment);
        Chords<Real> chords;
        chords.points.push_back(segments[0].p);
        chords.anchors.push_back(1);
        for (int32_t i = 1; i < count; ++i) {
            AddCurve(segments[i - 1], segments[i], static_cast<double>(flatness), limit, chords);
            if (chords.points.size() > static_cast<std::size_t>(std::numeric_limits<int32_t>::max()))
                return kBadParameterErr;
        }

        auto* result =
            static_cast<PathPointRecord<Real>*>(allocate(chords.points.size() * sizeof(PathPointRecord<Real>)));
        if (!result) return kOutOfMemoryErr;
        for (std::size_t k = 0; k < chords.points.size(); ++k) {
            PathPointRecord<Real> record{};  // no padding left uninitialised
            record.point = chords.points[k];
            record.corner = chords.anchors[k];
            std::memcpy(&result[k], &record, sizeof record);
        }
        *pointCount = static_cast<int32_t>(chords.points.size());
        *points = result;
        return kNoErr;
    });
}

template <typename Real>
struct PathConstructionSuiteLayout {
    ZBErr (*SegmentsToPoints)(int32_t count, const PathSegment<Real>* segments, Real maxPoints, Real flatness,
                              int32_t* pointCount, PathPointRecord<Real>** points, PDAllocateProc allocate,
                              PDDisposeProc dispose);
};

template <typename Real>
const PathConstructionSuiteLayout<Real> kPathConstructionSuite = {SegmentsToPoints<Real>};

static_assert(sizeof(PathPointRecord<PDReal>) == sizeof(PDPathPoint));
static_assert(sizeof(PathPointRecord<float>) == 12);
static_assert(sizeof(PathSegment<float>) == 28);

}  // namespace

void OfferPathConstructionSuite(SuiteRegistry& registry)
{
    registry.Offer(kPDPathConstructionSuite, kPDPathConstructionSuiteVersion4, &kPathConstructionSuite<double>);
    registry.Offer(kPDPathConstructionSuite, kPDPathConstructionSuiteVersion1003, &kPathConstructionSuite<float>);
}

}  // namespace host
