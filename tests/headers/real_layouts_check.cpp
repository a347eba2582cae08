// The host's templated records and suites, in the precision of this compilation (PD_REAL_IS_FLOAT or not),
// against the interface's own structs: the same size and every field at the same offset. Compiled twice; a
// mismatch stops the build.
#include <cstddef>

#include "host/RealLayouts.h"
#include "pendrake/PDSuites.h"

namespace {

using R = PDReal;

#define SAME_SIZE(host, api) static_assert(sizeof(host) == sizeof(api), #host " and " #api " differ in size")
#define SAME_FIELD(host, api, field) \
    static_assert(offsetof(host, field) == offsetof(api, field), #host "::" #field " is not where " #api " has it")

SAME_SIZE(host::RealPoint<R>, PDRealPoint);
SAME_FIELD(host::RealPoint<R>, PDRealPoint, h);
SAME_FIELD(host::RealPoint<R>, PDRealPoint, v);

SAME_SIZE(host::RealRect<R>, PDRealRect);
SAME_FIELD(host::RealRect<R>, PDRealRect, left);
SAME_FIELD(host::RealRect<R>, PDRealRect, top);
SAME_FIELD(host::RealRect<R>, PDRealRect, right);
SAME_FIELD(host::RealRect<R>, PDRealRect, bottom);

SAME_SIZE(host::DocumentSetup<R>, PDDocumentSetup);
SAME_FIELD(host::DocumentSetup<R>, PDDocumentSetup, width);
SAME_FIELD(host::DocumentSetup<R>, PDDocumentSetup, height);
SAME_FIELD(host::DocumentSetup<R>, PDDocumentSetup, showPlacedImages);
SAME_FIELD(host::DocumentSetup<R>, PDDocumentSetup, pageTileMode);

SAME_SIZE(host::PathSegment<R>, PDPathSegment);
SAME_FIELD(host::PathSegment<R>, PDPathSegment, p);
SAME_FIELD(host::PathSegment<R>, PDPathSegment, in);
SAME_FIELD(host::PathSegment<R>, PDPathSegment, out);
SAME_FIELD(host::PathSegment<R>, PDPathSegment, corner);

SAME_SIZE(host::FourColorStyle<R>, PDFourColorStyle);
SAME_FIELD(host::FourColorStyle<R>, PDFourColorStyle, cyan);
SAME_FIELD(host::FourColorStyle<R>, PDFourColorStyle, magenta);
SAME_FIELD(host::FourColorStyle<R>, PDFourColorStyle, yellow);
SAME_FIELD(host::FourColorStyle<R>, PDFourColorStyle, black);

SAME_SIZE(host::ThreeColorStyle<R>, PDThreeColorStyle);
SAME_FIELD(host::ThreeColorStyle<R>, PDThreeColorStyle, red);
SAME_FIELD(host::ThreeColorStyle<R>, PDThreeColorStyle, green);
SAME_FIELD(host::ThreeColorStyle<R>, PDThreeColorStyle, blue);

SAME_SIZE(host::PathColor<R>, PDColor);
SAME_FIELD(host::PathColor<R>, PDColor, kind);
SAME_FIELD(host::PathColor<R>, PDColor, c);
SAME_FIELD(host::PathColor<R>, PDColor, c.gray);
SAME_FIELD(host::PathColor<R>, PDColor, c.f);
SAME_FIELD(host::PathColor<R>, PDColor, c.rgb);

SAME_SIZE(host::FillStyle<R>, PDFillStyle);
SAME_FIELD(host::FillStyle<R>, PDFillStyle, color);
SAME_FIELD(host::FillStyle<R>, PDFillStyle, overprint);

static_assert(host::kMaxDashComponents == kPDMaxDashComponents, "dash arrays differ in length");
SAME_SIZE(host::DashStyle<R>, PDDashStyle);
SAME_FIELD(host::DashStyle<R>, PDDashStyle, length);
SAME_FIELD(host::DashStyle<R>, PDDashStyle, offset);
SAME_FIELD(host::DashStyle<R>, PDDashStyle, array);

SAME_SIZE(host::StrokeStyle<R>, PDStrokeStyle);
SAME_FIELD(host::StrokeStyle<R>, PDStrokeStyle, color);
SAME_FIELD(host::StrokeStyle<R>, PDStrokeStyle, overprint);
SAME_FIELD(host::StrokeStyle<R>, PDStrokeStyle, width);
SAME_FIELD(host::StrokeStyle<R>, PDStrokeStyle, dash);
SAME_FIELD(host::StrokeStyle<R>, PDStrokeStyle, cap);
SAME_FIELD(host::StrokeStyle<R>, PDStrokeStyle, join);
SAME_FIELD(host::StrokeStyle<R>, PDStrokeStyle, miterLimit);

SAME_SIZE(host::PathStyle<R>, PDPathStyle);
SAME_FIELD(host::PathStyle<R>, PDPathStyle, fillPaint);
SAME_FIELD(host::PathStyle<R>, PDPathStyle, strokePaint);
SAME_FIELD(host::PathStyle<R>, PDPathStyle, fill);
SAME_FIELD(host::PathStyle<R>, PDPathStyle, stroke);
SAME_FIELD(host::PathStyle<R>, PDPathStyle, clip);
SAME_FIELD(host::PathStyle<R>, PDPathStyle, lockClip);
SAME_FIELD(host::PathStyle<R>, PDPathStyle, evenodd);
SAME_FIELD(host::PathStyle<R>, PDPathStyle, resolution);

SAME_SIZE(host::UserSuiteLayout<R>, PDUserSuite11);
SAME_FIELD(host::UserSuiteLayout<R>, PDUserSuite11, RealToString);
SAME_FIELD(host::UserSuiteLayout<R>, PDUserSuite11, ErrorAlert);

SAME_SIZE(host::DocumentSuiteLayout<R>, PDDocumentSuite14);
SAME_FIELD(host::DocumentSuiteLayout<R>, PDDocumentSuite14, GetDocument);
SAME_FIELD(host::DocumentSuiteLayout<R>, PDDocumentSuite14, GetDocumentOrigin);
SAME_FIELD(host::DocumentSuiteLayout<R>, PDDocumentSuite14, SetDocumentOrigin);
SAME_FIELD(host::DocumentSuiteLayout<R>, PDDocumentSuite14, GetDocumentSetup);
SAME_FIELD(host::DocumentSuiteLayout<R>, PDDocumentSuite14, SetDocumentSetup);
SAME_FIELD(host::DocumentSuiteLayout<R>, PDDocumentSuite14, GetDocumentFileName);

SAME_SIZE(host::ArtSuiteLayout<R>, PDArtSuite17);
SAME_FIELD(host::ArtSuiteLayout<R>, PDArtSuite17, NewArt);
SAME_FIELD(host::ArtSuiteLayout<R>, PDArtSuite17, DisposeArt);
SAME_FIELD(host::ArtSuiteLayout<R>, PDArtSuite17, ReorderArt);
SAME_FIELD(host::ArtSuiteLayout<R>, PDArtSuite17, GetArtType);
SAME_FIELD(host::ArtSuiteLayout<R>, PDArtSuite17, GetArtUserAttr);
SAME_FIELD(host::ArtSuiteLayout<R>, PDArtSuite17, SetArtUserAttr);
SAME_FIELD(host::ArtSuiteLayout<R>, PDArtSuite17, GetArtParent);
SAME_FIELD(host::ArtSuiteLayout<R>, PDArtSuite17, GetArtFirstChild);
SAME_FIELD(host::ArtSuiteLayout<R>, PDArtSuite17, GetArtSibling);
SAME_FIELD(host::ArtSuiteLayout<R>, PDArtSuite17, GetLayerOfArt);
SAME_FIELD(host::ArtSuiteLayout<R>, PDArtSuite17, GetArtBounds);
SAME_FIELD(host::ArtSuiteLayout<R>, PDArtSuite17, ValidArt);
SAME_FIELD(host::ArtSuiteLayout<R>, PDArtSuite17, ArtHasFill);
SAME_FIELD(host::ArtSuiteLayout<R>, PDArtSuite17, ArtHasStroke);

SAME_SIZE(host::PathSuiteLayout<R>, PDPathSuite11);
SAME_FIELD(host::PathSuiteLayout<R>, PDPathSuite11, GetPathSegmentCount);
SAME_FIELD(host::PathSuiteLayout<R>, PDPathSuite11, SetPathSegmentCount);
SAME_FIELD(host::PathSuiteLayout<R>, PDPathSuite11, GetPathSegments);
SAME_FIELD(host::PathSuiteLayout<R>, PDPathSuite11, SetPathSegments);
SAME_FIELD(host::PathSuiteLayout<R>, PDPathSuite11, GetPathClosed);
SAME_FIELD(host::PathSuiteLayout<R>, PDPathSuite11, SetPathClosed);

SAME_SIZE(host::PathStyleSuiteLayout<R>, PDPathStyleSuite13);
SAME_FIELD(host::PathStyleSuiteLayout<R>, PDPathStyleSuite13, GetPathStyle);
SAME_FIELD(host::PathStyleSuiteLayout<R>, PDPathStyleSuite13, SetPathStyle);

SAME_SIZE(host::PreferenceSuiteLayout<R>, PDPreferenceSuite6);
SAME_FIELD(host::PreferenceSuiteLayout<R>, PDPreferenceSuite6, GetIntegerPreference);
SAME_FIELD(host::PreferenceSuiteLayout<R>, PDPreferenceSuite6, GetRealPreference);
SAME_FIELD(host::PreferenceSuiteLayout<R>, PDPreferenceSuite6, GetBooleanPreference);
SAME_FIELD(host::PreferenceSuiteLayout<R>, PDPreferenceSuite6, PutIntegerPreference);
SAME_FIELD(host::PreferenceSuiteLayout<R>, PDPreferenceSuite6, PutRealPreference);
SAME_FIELD(host::PreferenceSuiteLayout<R>, PDPreferenceSuite6, PutBooleanPreference);
SAME_FIELD(host::PreferenceSuiteLayout<R>, PDPreferenceSuite6, RemovePreference);

}  // namespace

// The single-precision segment is 28 bytes, as PDPath.h says.
#if defined(PD_REAL_IS_FLOAT)
static_assert(sizeof(host::PathSegment<float>) == 28, "a single-precision segment is 28 bytes");
#endif
