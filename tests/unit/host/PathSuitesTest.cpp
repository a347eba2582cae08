// The Path, Path Style and Path Construction suites through the registry's pointers, in both precisions.
#include <cmath>
#include <cstdlib>
#include <limits>

#include "DocumentSuitesFixture.h"
#include "pendrake/PDPathConstruction.h"

using suitetest::DocumentSuites;

namespace {

class PathSuites : public DocumentSuites {
protected:
    const PDPathSuite11* fPath = Acquire<PDPathSuite11>(kPDPathSuite, kPDPathSuiteVersion11);
    const host::PathSuiteLayout<float>* fSinglePath =
        Acquire<host::PathSuiteLayout<float>>(kPDPathSuite, kPDPathSuiteVersion1010);
    const PDPathStyleSuite13* fStyle = Acquire<PDPathStyleSuite13>(kPDPathStyleSuite, kPDPathStyleSuiteVersion13);
    const host::PathStyleSuiteLayout<float>* fSingleStyle =
        Acquire<host::PathStyleSuiteLayout<float>>(kPDPathStyleSuite, kPDPathStyleSuiteVersion1012);
};

}  // namespace

TEST_F(PathSuites, SegmentsTravelExactlyInBothPrecisions)
{
    const PDArtHandle path = AddPath({});
    const host::PathSegment<float> written[2] = {{{10.25f, 841.8898f}, {9, 840}, {11.5f, 842}, 1},
                                                 {{-3.75f, 0.1f}, {-3.75f, 0.1f}, {-3.75f, 0.1f}, 0}};
    ASSERT_EQ(fSinglePath->SetPathSegments(path, 0, 2, written), kNoErr);
    const host::Segment& kept = Model(path)->segments[0];
    EXPECT_EQ(kept.p.v, static_cast<double>(841.8898f));
    EXPECT_EQ(kept.out.h, 11.5);
    EXPECT_TRUE(kept.corner);
    EXPECT_FALSE(Model(path)->segments[1].corner);

    PDPathSegment read[2] = {};
    ASSERT_EQ(fPath->GetPathSegments(path, 0, 2, read), kNoErr);
    EXPECT_EQ(read[1].p.v, static_cast<double>(0.1f));
    EXPECT_EQ(read[0].in.h, 9.0);

    // Doubles go to the single-precision edition rounded to the nearest float.
    const PDPathSegment precise = {{595.2756, 841.8898}, {1e-3, 2}, {3, 4}, 1};
    ASSERT_EQ(fPath->SetPathSegments(path, 1, 1, &precise), kNoErr);
    host::PathSegment<float> narrow[1] = {};
    ASSERT_EQ(fSinglePath->GetPathSegments(path, 1, 1, narrow), kNoErr);
    EXPECT_EQ(narrow[0].p.h, 595.2756f);
    EXPECT_EQ(narrow[0].in.h, 1e-3f);
    EXPECT_EQ(Model(path)->segments[1].p.h, 595.2756);
}

TEST_F(PathSuites, CountsAndRangesAreCheckedNeverTruncated)
{
    const PDArtHandle path = AddPath({{0, 0}, {1, 1}, {2, 2}});
    int16_t count = 0;
    ASSERT_EQ(fPath->GetPathSegmentCount(path, &count), kNoErr);
    EXPECT_EQ(count, 3);
    PDPathSegment segments[4] = {};
    EXPECT_EQ(fPath->GetPathSegments(path, 2, 2, segments), kBadParameterErr);
    EXPECT_EQ(fPath->GetPathSegments(path, -1, 1, segments), kBadParameterErr);
    EXPECT_EQ(fPath->GetPathSegments(path, 1, -1, segments), kBadParameterErr);
    EXPECT_EQ(fPath->SetPathSegments(path, 4, 1, segments), kBadParameterErr);  // would leave a gap

    const PDPathSegment added[2] = {{{5, 6}, {5, 6}, {5, 6}, 0}, {{7, 8}, {7, 8}, {7, 8}, 0}};
    ASSERT_EQ(fPath->SetPathSegments(path, 2, 2, added), kNoErr);
    ASSERT_EQ(fPath->GetPathSegmentCount(path, &count), kNoErr);
    EXPECT_EQ(count, 4);
    EXPECT_EQ(Model(path)->segments[3].p.v, 8);

    PDPathSegment bad = added[0];
    bad.out.h = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(fPath->SetPathSegments(path, 4, 1, &bad), kBadParameterErr);
    EXPECT_EQ(Model(path)->segments.size(), 4u);

    ASSERT_EQ(fPath->SetPathSegmentCount(path, 2), kNoErr);
    EXPECT_EQ(Model(path)->segments[1].p.h, 1);
    EXPECT_EQ(fPath->SetPathSegmentCount(path, -1), kBadParameterErr);

    Model(path)->segments.resize(32768);
    count = 7;
    EXPECT_EQ(fPath->GetPathSegmentCount(path, &count), kBadParameterErr);
    EXPECT_EQ(count, 7);
    Model(path)->segments.resize(32767);
    ASSERT_EQ(fPath->GetPathSegmentCount(path, &count), kNoErr);
    EXPECT_EQ(count, 32767);
}

TEST_F(PathSuites, OnlyPathsHaveSegmentsAndClosedStateTravels)
{
    const PDArtHandle path = AddPath({{0, 0}});
    ZBBoolean closed = 1;
    ASSERT_EQ(fPath->GetPathClosed(path, &closed), kNoErr);
    EXPECT_EQ(closed, 0);
    ASSERT_EQ(fPath->SetPathClosed(path, 1), kNoErr);
    EXPECT_TRUE(Model(path)->closed);

    host::Art* compound = Doc().NewArt(host::ArtKind::CompoundPath, host::PaintOrder::AboveAll, nullptr);
    const auto handle = reinterpret_cast<PDArtHandle>(static_cast<std::uintptr_t>(compound->serial));
    int16_t count = 0;
    EXPECT_EQ(fPath->GetPathSegmentCount(handle, &count), kWrongTypeErr);
    EXPECT_EQ(fPath->SetPathClosed(handle, 1), kWrongTypeErr);
}

TEST_F(PathSuites, StylesRoundTripInBothPrecisions)
{
    const PDArtHandle path = AddPath({{0, 0}});
    PDPathStyle style{};
    style.fillPaint = 1;
    style.fill.color.kind = kPDFourColor;
    style.fill.color.c.f = {0, 100, 12.5, 0.3};
    style.strokePaint = 1;
    style.stroke.color.kind = kPDThreeColor;
    style.stroke.color.c.rgb = {1, 0.5, 0.25};
    style.stroke.width = 0.353;
    style.stroke.dash.length = 2;
    style.stroke.dash.offset = 1.5;
    style.stroke.dash.array[0] = 3;
    style.stroke.dash.array[1] = 2;
    style.stroke.dash.array[2] = 99;  // past the length: not kept
    style.stroke.cap = kPDRoundCap;
    style.stroke.join = kPDBevelJoin;
    style.stroke.miterLimit = 10;
    style.evenodd = 1;
    style.resolution = 800;
    ASSERT_EQ(fStyle->SetPathStyle(path, &style), kNoErr);
    const host::Style& kept = Model(path)->style;
    EXPECT_EQ(kept.fillColor.kind, kPDFourColor);
    EXPECT_EQ(kept.fillColor.values[2], 12.5);
    EXPECT_EQ(kept.fillColor.values[3], 0.3);
    EXPECT_EQ(kept.strokeColor.values[1], 0.5);
    EXPECT_EQ(kept.strokeColor.values[3], 0);
    EXPECT_EQ(kept.strokeWidth, 0.353);
    EXPECT_EQ(kept.dash[2], 0);
    EXPECT_TRUE(kept.evenOdd);

    host::PathStyle<float> narrow{};
    ASSERT_EQ(fSingleStyle->GetPathStyle(path, &narrow), kNoErr);
    EXPECT_EQ(narrow.fillPaint, 1);
    EXPECT_EQ(narrow.fill.color.c.f.black, 0.3f);
    EXPECT_EQ(narrow.stroke.color.c.rgb.blue, 0.25f);
    EXPECT_EQ(narrow.stroke.width, 0.353f);
    EXPECT_EQ(narrow.stroke.dash.length, 2);
    EXPECT_EQ(narrow.stroke.dash.array[1], 2.0f);
    EXPECT_EQ(narrow.stroke.cap, kPDRoundCap);
    EXPECT_EQ(narrow.stroke.join, kPDBevelJoin);
    EXPECT_EQ(narrow.resolution, 800.0f);

    narrow.fill.color.kind = kPDGrayColor;
    narrow.fill.color.c.gray = 0.75f;
    ASSERT_EQ(fSingleStyle->SetPathStyle(path, &narrow), kNoErr);
    PDPathStyle back{};
    ASSERT_EQ(fStyle->GetPathStyle(path, &back), kNoErr);
    EXPECT_EQ(back.fill.color.kind, kPDGrayColor);
    EXPECT_EQ(back.fill.color.c.gray, 0.75);
    EXPECT_EQ(back.stroke.width, static_cast<double>(0.353f));
}

TEST_F(PathSuites, StyleRefusalsChangeNothing)
{
    const PDArtHandle path = AddPath({{0, 0}});
    PDPathStyle style{};
    ASSERT_EQ(fStyle->GetPathStyle(path, &style), kNoErr);
    style.fillPaint = 1;
    style.stroke.dash.length = 7;
    EXPECT_EQ(fStyle->SetPathStyle(path, &style), kBadParameterErr);
    style.stroke.dash.length = -1;
    EXPECT_EQ(fStyle->SetPathStyle(path, &style), kBadParameterErr);
    style.stroke.dash.length = 6;
    style.fill.color.kind = 4;
    EXPECT_EQ(fStyle->SetPathStyle(path, &style), kBadParameterErr);
    style.fill.color.kind = kPDGrayColor;
    style.fill.color.c.gray = std::numeric_limits<double>::infinity();
    EXPECT_EQ(fStyle->SetPathStyle(path, &style), kBadParameterErr);
    EXPECT_FALSE(Model(path)->style.fillPaint);

    host::Art* group = Doc().NewArt(host::ArtKind::Group, host::PaintOrder::AboveAll, nullptr);
    const auto handle = reinterpret_cast<PDArtHandle>(static_cast<std::uintptr_t>(group->serial));
    EXPECT_EQ(fStyle->GetPathStyle(handle, &style), kWrongTypeErr);
    host::Art* text = Doc().NewArt(host::ArtKind::Text, host::PaintOrder::AboveAll, nullptr);
    const auto textHandle = reinterpret_cast<PDArtHandle>(static_cast<std::uintptr_t>(text->serial));
    EXPECT_EQ(fStyle->GetPathStyle(textHandle, &style), kNoErr);
}

namespace {

// The points of the Path Construction suite, made with the C allocator.
struct FlatPoints {
    int32_t count = -1;
    PDPathPoint* points = nullptr;
    ~FlatPoints() { std::free(points); }
};

void* Allocate(size_t size) { return std::malloc(size); }
void Dispose(void* block) { std::free(block); }

}  // namespace

TEST_F(PathSuites, FlatteningKeepsTheAnchorsAndStaysWithinTheFlatness)
{
    const auto* construction =
        Acquire<PDPathConstructionSuite4>(kPDPathConstructionSuite, kPDPathConstructionSuiteVersion4);
    ASSERT_NE(construction, nullptr);
    // A straight side, then a quarter circle of radius 72 around (0, 0) from (72, 0) to (0, 72), then straight
    // back to the start.
    const PDReal k = 72 * 0.5522847498;
    const PDPathSegment segments[4] = {{{0, 0}, {0, 0}, {0, 0}, 1},
                                       {{72, 0}, {72, 0}, {72, k}, 1},
                                       {{0, 72}, {k, 72}, {0, 72}, 1},
                                       {{0, 0}, {0, 0}, {0, 0}, 1}};
    FlatPoints flat;
    ASSERT_EQ(construction->SegmentsToPoints(4, segments, 2000, 0.05, &flat.count, &flat.points, Allocate, Dispose),
              kNoErr);
    ASSERT_GT(flat.count, 8);
    // The anchors come out as they went in, marked as such, in order; every point between lies on the circle.
    EXPECT_EQ(flat.points[0].point.h, 0.0);
    EXPECT_EQ(flat.points[1].point.h, 72.0);
    EXPECT_EQ(flat.points[1].corner, 1);
    EXPECT_EQ(flat.points[flat.count - 2].point.v, 72.0);
    EXPECT_EQ(flat.points[flat.count - 1].point.h, 0.0);
    EXPECT_EQ(flat.points[flat.count - 1].point.v, 0.0);
    for (int32_t j = 2; j < flat.count - 2; ++j) {
        EXPECT_EQ(flat.points[j].corner, 0);
        EXPECT_NEAR(std::hypot(flat.points[j].point.h, flat.points[j].point.v), 72.0, 0.05);
    }
    // A coarser flatness takes fewer points; the point limit caps a curve.
    FlatPoints coarse, capped;
    ASSERT_EQ(construction->SegmentsToPoints(4, segments, 2000, 2, &coarse.count, &coarse.points, Allocate, Dispose),
              kNoErr);
    EXPECT_LT(coarse.count, flat.count);
    ASSERT_EQ(construction->SegmentsToPoints(4, segments, 3, 0.05, &capped.count, &capped.points, Allocate, Dispose),
              kNoErr);
    EXPECT_EQ(capped.count, 2 + 3 + 1);  // start, the curve's three steps, the way back

    // Nothing in: nothing out. Limits that are no numbers, or none, are refused.
    FlatPoints empty;
    EXPECT_EQ(construction->SegmentsToPoints(0, nullptr, 2000, 0.05, &empty.count, &empty.points, Allocate, Dispose),
              kNoErr);
    EXPECT_EQ(empty.count, 0);
    EXPECT_EQ(empty.points, nullptr);
    const PDReal nan = std::numeric_limits<PDReal>::quiet_NaN();
    FlatPoints refused;
    EXPECT_EQ(
        construction->SegmentsToPoints(4, segments, nan, 0.05, &refused.count, &refused.points, Allocate, Dispose),
        kBadParameterErr);
    EXPECT_EQ(construction->SegmentsToPoints(4, segments, 2000, 0, &refused.count, &refused.points, Allocate, Dispose),
              kBadParameterErr);
    EXPECT_EQ(
        construction->SegmentsToPoints(4, segments, 0.5, 0.05, &refused.count, &refused.points, Allocate, Dispose),
        kBadParameterErr);
}

TEST_F(PathSuites, FlatteningInSinglePrecisionGivesTwelveBytePoints)
{
    struct SinglePoint {
        float h, v;
        int32_t corner;
    };
    using Proc = ZBErr (*)(int32_t, const host::PathSegment<float>*, float, float, int32_t*, SinglePoint**,
                           PDAllocateProc, PDDisposeProc);
    const auto* suite = Acquire<Proc>(kPDPathConstructionSuite, kPDPathConstructionSuiteVersion1003);
    ASSERT_NE(suite, nullptr);
    static_assert(sizeof(SinglePoint) == 12 && sizeof(host::PathSegment<float>) == 28);
    const host::PathSegment<float> segments[2] = {{{1.5f, 2.5f}, {1.5f, 2.5f}, {1.5f, 2.5f}, 1},
                                                  {{841.8898f, -3}, {841.8898f, -3}, {841.8898f, -3}, 0}};
    int32_t count = 0;
    SinglePoint* points = nullptr;
    ASSERT_EQ((*suite)(2, segments, 2000.0f, 0.07086614f, &count, &points, Allocate, Dispose), kNoErr);
    ASSERT_EQ(count, 2);
    EXPECT_EQ(points[0].h, 1.5f);
    EXPECT_EQ(points[1].h, 841.8898f);
    EXPECT_EQ(points[1].v, -3.0f);
    std::free(points);
}
