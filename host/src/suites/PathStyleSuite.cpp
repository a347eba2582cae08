// The Path Style suite on the host's current document, in both precisions: the fill and stroke of paths,
// compound paths and text.
#include <cstring>

#include "ArtHandles.h"
#include "CoreSuites.h"
#include "RealValues.h"
#include "host/RealLayouts.h"
#include "pendrake/PDPathStyle.h"

namespace host {
namespace {

// How many reals of the colour union a kind uses.
int ColorValues(int16_t kind)
{
    switch (kind) {
    case kPDNoneColor: return 0;
    case kPDGrayColor: return 1;
    case kPDFourColor: return 4;
    case kPDThreeColor: return 3;
    default: return -1;
    }
}

// The union is written and read as a run of reals from its start (every member is one).
template <typename Real>
PathColor<Real> ToRecord(const Color& color)
{
    PathColor<Real> record{};
    record.kind = color.kind;
    Real values[4] = {};
    for (int i = 0; i < ColorValues(color.kind); ++i) values[i] = ToReal<Real>(color.values[i]);
    std::memcpy(&record.c, values, sizeof record.c);
    return record;
}

template <typename Real>
bool FromRecord(const PathColor<Real>& record, Color& color)
{
    const int count = ColorValues(record.kind);
    if (count < 0) return false;
    Real values[4] = {};
    std::memcpy(values, &record.c, sizeof(Real) * static_cast<std::size_t>(count));
    color = {};
    color.kind = record.kind;
    for (int i = 0; i < count; ++i) {
        if (!AllFinite(values[i])) return false;
        color.values[i] = values[i];
    }
    return true;
}

template <typename Real>
ZBErr GetPathStyle(PDArtHandle art, PathStyle<Real>* style)
{
    return WithArt("GetPathStyle", art, [&](Host&, Document&, Art& object) {
        if (!style) return kBadParameterErr;
        if (!HasPathStyle(object)) return kWrongTypeErr;
        const Style& s = object.style;
        PathStyle<Real> out{};
        out.fillPaint = s.fillPaint ? 1 : 0;
        out.strokePaint = s.strokePaint ? 1 : 0;
        out.fill.color = ToRecord<Real>(s.fillColor);
        out.fill.overprint = s.fillOverprint ? 1 : 0;
        out.stroke.color = ToRecord<Real>(s.strokeColor);
        out.stroke.overprint = s.strokeOverprint ? 1 : 0;
        out.stroke.width = ToReal<Real>(s.strokeWidth);
        out.stroke.dash.length = s.dashLength;
        out.stroke.dash.offset = ToReal<Real>(s.dashOffset);
        for (int i = 0; i < kMaxDashComponents; ++i) out.stroke.dash.array[i] = ToReal<Real>(s.dash[i]);
        out.stroke.cap = s.cap;
        out.stroke.join = s.join;
        out.stroke.miterLimit = ToReal<Real>(s.miterLimit);
        out.clip = s.clip ? 1 : 0;
        out.lockClip = s.lockClip ? 1 : 0;
        out.evenodd = s.evenOdd ? 1 : 0;
        out.resolution = ToReal<Real>(s.resolution);
        *style = out;
        return kNoErr;
    });
}

// The whole style is checked before any of it is kept. Dash entries past the dash length are not kept.
template <typename Real>
ZBErr SetPathStyle(PDArtHandle art, const PathStyle<Real>* style)
{
    return WithArt("SetPathStyle", art, [&](Host&, Document&, Art& object) {
        if (!style) return kBadParameterErr;
        if (!HasPathStyle(object)) return kWrongTypeErr;
        const StrokeStyle<Real>& stroke = style->stroke;
        if (stroke.dash.length < 0 || stroke.dash.length > kMaxDashComponents) return kBadParameterErr;
        if (stroke.cap < kPDButtCap || stroke.cap > kPDProjectingCap || stroke.join < kPDMiterJoin ||
            stroke.join > kPDBevelJoin)
            return kBadParameterErr;
        if (!AllFinite(stroke.width, stroke.dash.offset, stroke.miterLimit, style->resolution)) return kBadParameterErr;
        Style s;
        if (!FromRecord(style->fill.color, s.fillColor) || !FromRecord(stroke.color, s.strokeColor))
            return kBadParameterErr;
        for (int i = 0; i < stroke.dash.length; ++i) {
            if (!AllFinite(stroke.dash.array[i])) return kBadParameterErr;
            s.dash[i] = stroke.dash.array[i];
        }
        s.fillPaint = style->fillPaint != 0;
        s.strokePaint = style->strokePaint != 0;
        s.fillOverprint = style->fill.overprint != 0;
        s.strokeOverprint = stroke.overprint != 0;
        s.strokeWidth = stroke.width;
        s.dashLength = stroke.dash.length;
        s.dashOffset = stroke.dash.offset;
        s.cap = stroke.cap;
        s.join = stroke.join;
        s.miterLimit = stroke.miterLimit;
        s.clip = style->clip != 0;
        s.lockClip = style->lockClip != 0;
        s.evenOdd = style->evenodd != 0;
        s.resolution = style->resolution;
        object.style = s;
        return kNoErr;
    });
}

template <typename Real>
const PathStyleSuiteLayout<Real> kPathStyleSuite = {GetPathStyle<Real>, SetPathStyle<Real>};

}  // namespace

void OfferPathStyleSuite(SuiteRegistry& registry)
{
    registry.Offer(kPDPathStyleSuite, kPDPathStyleSuiteVersion13, &kPathStyleSuite<double>);
    registry.Offer(kPDPathStyleSuite, kPDPathStyleSuiteVersion1012, &kPathStyleSuite<float>);
}

}  // namespace host
