// The host's actions played through the Action Manager suite on small documents: stroke outlines, offsets,
// unions and text outlines, with the exact coordinates the integer geometry gives (thousandths of a point).
#include <algorithm>
#include <cmath>
#include <utility>

#include "DocumentSuitesFixture.h"

using suitetest::DocumentSuites;

namespace {

constexpr double kPi = 3.14159265358979323846;

using Points = std::vector<std::pair<double, double>>;

// The anchors of a closed contour, sorted, so that where the contour starts does not matter.
Points Anchors(const host::Art& path)
{
    Points points;
    for (const host::Segment& s : path.segments) points.emplace_back(s.p.h, s.p.v);
    std::sort(points.begin(), points.end());
    return points;
}

double Area(const host::Art& path)
{
    double twice = 0;
    const auto& s = path.segments;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const host::Point a = s[i].p, b = s[(i + 1) % s.size()].p;
        twice += a.h * b.v - b.h * a.v;
    }
    return twice / 2;
}

// How far a point lies from the rectangle (0 inside it).
double Distance(host::Point p, double left, double bottom, double right, double top)
{
    const double dh = std::max({left - p.h, 0.0, p.h - right}), dv = std::max({bottom - p.v, 0.0, p.v - top});
    return std::hypot(dh, dv);
}

// Every anchor of a rounded outline lies within the flatness (0.05 pt) inside the true curve at distance
// from the rectangle, give or take the rounding to thousandths.
void ExpectRounded(const host::Art& path, double distance, double left, double bottom, double right, double top)
{
    for (const host::Segment& s : path.segments) {
        const double d = Distance(s.p, left, bottom, right, top);
        EXPECT_GE(d, distance - 0.05 - 0.001) << s.p.h << " " << s.p.v;
        EXPECT_LE(d, distance + 0.001) << s.p.h << " " << s.p.v;
    }
}

Points Box(double left, double bottom, double right, double top)
{
    return {{left, bottom}, {left, top}, {right, bottom}, {right, top}};
}

class HostActions : public DocumentSuites {
protected:
    const PDActionManagerSuite5* fAm =
        Acquire<PDActionManagerSuite5>(kPDActionManagerSuite, kPDActionManagerSuiteVersion5);

    host::Art* Shape(const std::vector<host::Point>& anchors, bool closed, bool fill, bool stroke,
                     host::Art* into = nullptr)
    {
        host::Art* art = Model(AddPath(anchors, into));
        art->closed = closed;
        art->attributes = host::kAttrSelected;
        art->style.fillPaint = fill;
        art->style.fillColor = {3, {0, 0, 1, 0}};
        art->style.strokePaint = stroke;
        art->style.strokeColor = {3, {1, 0, 0, 0}};
        art->style.strokeWidth = 2;
        return art;
    }
    host::Art* Square(double left, double bottom, double right, double top, host::Art* into = nullptr)
    {
        return Shape({{left, bottom}, {right, bottom}, {right, top}, {left, top}}, true, true, false, into);
    }
    const std::vector<std::unique_ptr<host::Art>>& Top() { return Doc().Layers()[0]->art; }

    ZBErr Play(const char* name, std::vector<std::pair<int32_t, double>> lengths = {}, int32_t join = 0)
    {
        PDActionParamValueRef block = nullptr;
        EXPECT_EQ(fAm->NewActionParamValue(&block), kNoErr);
        for (const auto& [key, value] : lengths) EXPECT_EQ(fAm->SetUnitReal(block, key, kPDUnitPixels, value), kNoErr);
        if (join) {
            EXPECT_EQ(fAm->SetEnumerated(block, kPDOffsetPathJoinKey, "Join", join), kNoErr);
        }
        const ZBErr result = fAm->PlayActionEvent(name, kPDDialogOn, block);
        EXPECT_EQ(fAm->DeleteActionParamValue(block), kNoErr);
        return result;
    }
};

}  // namespace

TEST_F(HostActions, StrokeOutlinesFollowWidthCapsAndJoins)
{
    host::Art* butt = Shape({{0, 0}, {10, 0}}, false, false, true);
    host::Art* projecting = Shape({{0, 20}, {10, 20}}, false, false, true);
    projecting->style.cap = kPDProjectingCap;
    host::Art* round = Shape({{0, 40}, {10, 40}}, false, false, true);
    round->style.cap = kPDRoundCap;
    const uint64_t buttSerial = butt->serial;
    host::Art* unstroked = Shape({{0, 60}, {10, 60}, {10, 70}}, true, true, false);

    ASSERT_EQ(fAm->PlayActionEvent("pd_plugin_outline", kPDDialogOff, nullptr), kNoErr);
    ASSERT_EQ(Top().size(), 4u);
    EXPECT_EQ(Doc().Find(buttSerial), nullptr);
    const host::Art& outline = *Top()[0];
    EXPECT_EQ(outline.kind, host::ArtKind::Path);
    EXPECT_TRUE(outline.closed);
    EXPECT_EQ(Anchors(outline), Box(0, -1, 10, 1));
    EXPECT_EQ(outline.attributes, host::kAttrSelected);
    EXPECT_TRUE(outline.style.fillPaint);
    EXPECT_FALSE(outline.style.strokePaint);
    EXPECT_EQ(outline.style.fillColor.kind, 3);
    EXPECT_EQ(outline.style.fillColor.values[0], 1.0);
    EXPECT_EQ(outline.style.fillColor.values[2], 0.0);
    EXPECT_EQ(Anchors(*Top()[1]), Box(-1, 19, 11, 21));
    // Round caps: half discs of radius 1, inscribed within 0.05 pt: four chords each, none on the tip.
    host::Rect bounds;
    ASSERT_TRUE(Doc().Bounds(*Top()[2], bounds));
    EXPECT_EQ(bounds.left, -0.955);
    EXPECT_EQ(bounds.right, 10.955);
    EXPECT_EQ(Top()[2]->segments.size(), 12u);
    ExpectRounded(*Top()[2], 1, 0, 40, 10, 40);
    EXPECT_EQ(Top()[3].get(), unstroked);
    EXPECT_EQ(unstroked->segments.size(), 3u);
}

TEST_F(HostActions, ClosedStrokesBecomeRingsAndFilledOnesKeepTheirFillBelow)
{
    Shape({{0, 0}, {10, 0}, {10, 10}, {0, 10}}, true, false, true);
    host::Art* beveled = Shape({{20, 0}, {30, 0}, {30, 10}, {20, 10}}, true, false, true);
    beveled->style.join = kPDBevelJoin;
    host::Art* limited = Shape({{40, 0}, {50, 0}, {50, 10}, {40, 10}}, true, false, true);
    limited->style.miterLimit = 1.4;  // a right angle's miter is sqrt(2) times the width: beveled
    host::Art* filled = Shape({{60, 0}, {70, 0}, {70, 10}}, true, true, true);

    ASSERT_EQ(fAm->PlayActionEvent("pd_plugin_outline", kPDDialogOff, nullptr), kNoErr);
    ASSERT_EQ(Top().size(), 4u);
    const host::Art& ring = *Top()[0];
    ASSERT_EQ(ring.kind, host::ArtKind::CompoundPath);
    ASSERT_EQ(ring.children.size(), 2u);
    EXPECT_EQ(Anchors(*ring.children[0]), Box(-1, -1, 11, 11));
    EXPECT_EQ(Anchors(*ring.children[1]), Box(1, 1, 9, 9));
    EXPECT_GT(Area(*ring.children[0]), 0);
    EXPECT_LT(Area(*ring.children[1]), 0);
    EXPECT_EQ(ring.children[0]->attributes, 0);
    const Points bevel = {{19, 0}, {19, 10}, {20, -1}, {20, 11}, {30, -1}, {30, 11}, {31, 0}, {31, 10}};
    EXPECT_EQ(Anchors(*Top()[1]->children[0]), bevel);
    EXPECT_EQ(Area(*Top()[1]->children[0]), 142);
    EXPECT_EQ(Area(*Top()[2]->children[0]), 142);

    const host::Art& group = *Top()[3];
    ASSERT_EQ(group.kind, host::ArtKind::Group);
    EXPECT_EQ(group.attributes, host::kAttrSelected);
    ASSERT_EQ(group.children.size(), 2u);
    EXPECT_EQ(group.children[0].get(), filled);
    EXPECT_FALSE(filled->style.strokePaint);
    EXPECT_TRUE(filled->style.fillPaint);
    EXPECT_EQ(filled->attributes, 0);
    EXPECT_EQ(group.children[1]->kind, host::ArtKind::CompoundPath);
    EXPECT_EQ(group.children[1]->style.fillColor.values[0], 1.0);
}

TEST_F(HostActions, CurvesAreFlattenedWithinTheFlatness)
{
    // A circle of radius 10 around the origin from four cubic segments (within 0.003 pt of the true circle).
    const double k = 10 * 0.5522847498;
    host::Art* circle = Shape({}, true, false, true);
    circle->segments = {{{10, 0}, {10, -k}, {10, k}, false},
                        {{0, 10}, {k, 10}, {-k, 10}, false},
                        {{-10, 0}, {-10, k}, {-10, -k}, false},
                        {{0, -10}, {-k, -10}, {k, -10}, false}};
    ASSERT_EQ(fAm->PlayActionEvent("pd_plugin_outline", kPDDialogOff, nullptr), kNoErr);
    ASSERT_EQ(Top().size(), 1u);
    ASSERT_EQ(Top()[0]->children.size(), 2u);
    // Inside the curve a miter standing out of the round join by at most 0.01 pt stays.
    for (const auto& [ring, radius] : {std::pair<std::size_t, double>{0, 11}, {1, 9}}) {
        const host::Art& contour = *Top()[0]->children[ring];
        EXPECT_GT(contour.segments.size(), 16u);
        for (const host::Segment& s : contour.segments) {
            EXPECT_GE(std::hypot(s.p.h, s.p.v), radius - 0.05 - 0.004);
            EXPECT_LE(std::hypot(s.p.h, s.p.v), radius + 0.01 + 0.004);
        }
    }
}

TEST_F(HostActions, OffsetsGrowOrShrinkTheAreaWithTheChosenJoin)
{
    host::Art* square = Square(0, 0, 10, 10);
    ASSERT_EQ(Play("pd_plugin_offset", {{kPDOffsetPathOffsetKey, 5}, {kPDOffsetPathMiterLimitKey, 4}}, 2), kNoErr);
    ASSERT_EQ(Top().size(), 2u);
    EXPECT_EQ(Top()[0].get(), square);
    EXPECT_EQ(square->attributes, 0);
    EXPECT_EQ(Anchors(*Top()[1]), Box(-5, -5, 15, 15));
    EXPECT_EQ(Top()[1]->attributes, host::kAttrSelected);
    EXPECT_TRUE(Top()[1]->style.fillPaint);

    Doc().Dispose(Top()[1].get());
    square->attributes = host::kAttrSelected;
    ASSERT_EQ(Play("pd_plugin_offset", {{kPDOffsetPathOffsetKey, -2}}, 2), kNoErr);
    EXPECT_EQ(Anchors(*Top()[1]), Box(2, 2, 8, 8));

    Doc().Dispose(Top()[1].get());
    square->attributes = host::kAttrSelected;
    ASSERT_EQ(Play("pd_plugin_offset", {{kPDOffsetPathOffsetKey, 5}}, 3), kNoErr);
    EXPECT_EQ(Area(*Top()[1]), 350);
    EXPECT_EQ(Top()[1]->segments.size(), 8u);

    Doc().Dispose(Top()[1].get());
    square->attributes = host::kAttrSelected;
    ASSERT_EQ(Play("pd_plugin_offset", {{kPDOffsetPathOffsetKey, 5}}, 1), kNoErr);
    ExpectRounded(*Top()[1], 5, 0, 0, 10, 10);
    EXPECT_NEAR(Area(*Top()[1]), 300 + 25 * kPi, 2 * kPi * 5 * 0.05);

    // The cutting plug-in's block: 5 mm in points, miter limit alike; coordinates fall on thousandths.
    Doc().Dispose(Top()[1].get());
    square->attributes = host::kAttrSelected;
    ASSERT_EQ(Play("pd_plugin_offset", {{kPDOffsetPathOffsetKey, 14.1732}, {kPDOffsetPathMiterLimitKey, 14.1732}}, 2),
              kNoErr);
    EXPECT_EQ(Anchors(*Top()[1]), Box(-14.173, -14.173, 24.173, 24.173));

    // A join it does not know, or a length in another unit, is refused before anything changes.
    Doc().Dispose(Top()[1].get());
    square->attributes = host::kAttrSelected;
    EXPECT_EQ(Play("pd_plugin_offset", {{kPDOffsetPathOffsetKey, 5}}, 7), kBadParameterErr);
    PDActionParamValueRef block = nullptr;
    ASSERT_EQ(fAm->NewActionParamValue(&block), kNoErr);
    ASSERT_EQ(fAm->SetUnitReal(block, kPDOffsetPathOffsetKey, PD_FOURCC('#', 'M', 'm', 'M'), 5), kNoErr);
    EXPECT_EQ(fAm->PlayActionEvent("pd_plugin_offset", kPDDialogOff, block), kBadParameterErr);
    EXPECT_EQ(fAm->DeleteActionParamValue(block), kNoErr);
    EXPECT_EQ(Top().size(), 1u);
    EXPECT_EQ(square->attributes, host::kAttrSelected);
}

TEST_F(HostActions, OffsetsOfOffsetsKeepTheirSegmentsAndStayWithinTheFlatness)
{
    // A circle of radius 50 from four cubic segments, offset by 10 three times, each time the last result.
    const double k = 50 * 0.5522847498;
    host::Art* circle = Shape({}, true, true, false);
    circle->segments = {{{50, 0}, {50, -k}, {50, k}, false},
                        {{0, 50}, {k, 50}, {-k, 50}, false},
                        {{-50, 0}, {-50, k}, {-50, -k}, false},
                        {{0, -50}, {-k, -50}, {k, -50}, false}};
    // Mitred, each offset keeps the circle's corners; rounded, its arcs take as many as the flatness asks.
    for (const auto& [join, segments] :
         {std::pair<int32_t, std::vector<std::size_t>>{2, {76, 76, 76}}, {1, {152, 152, 152}}}) {
        for (std::size_t round = 0; round < 3; ++round) {
            ASSERT_EQ(Play("pd_plugin_offset", {{kPDOffsetPathOffsetKey, 10}}, join), kNoErr);
            const host::Art& offset = *Top().back();
            EXPECT_EQ(offset.segments.size(), segments[round]) << join << " " << round;
            const double radius = 60 + 10 * static_cast<double>(round);
            for (const host::Segment& s : offset.segments) {
                EXPECT_GE(std::hypot(s.p.h, s.p.v), radius - 0.05 - 0.004);
                EXPECT_LE(std::hypot(s.p.h, s.p.v), radius + 0.05);
            }
        }
        while (Top().size() > 1) Doc().Dispose(Top().back().get());
        circle->attributes = host::kAttrSelected;
    }
}

TEST_F(HostActions, SinglePrecisionBlocksOffsetAlike)
{
    const auto* single =
        Acquire<host::ActionManagerSuiteLayout<float>>(kPDActionManagerSuite, kPDActionManagerSuiteVersion1004);
    Square(0, 0, 10, 10);
    PDActionParamValueRef block = nullptr;
    ASSERT_EQ(single->NewActionParamValue(&block), kNoErr);
    ASSERT_EQ(single->SetUnitReal(block, kPDOffsetPathOffsetKey, kPDUnitPixels, 14.1732f), kNoErr);
    ASSERT_EQ(single->SetEnumerated(block, kPDOffsetPathJoinKey, "Miter", 2), kNoErr);
    ASSERT_EQ(single->PlayActionEvent("pd_plugin_offset", kPDDialogOn, block), kNoErr);
    ASSERT_EQ(single->DeleteActionParamValue(block), kNoErr);
    ASSERT_EQ(Top().size(), 2u);
    EXPECT_EQ(Anchors(*Top()[1]), Box(-14.173, -14.173, 24.173, 24.173));
}

TEST_F(HostActions, UniteReplacesTheSelectedShapesWithTheirCommonArea)
{
    host::Art* below = Square(0, 0, 10, 10);
    host::Art* unselected = Square(100, 100, 110, 110);
    unselected->attributes = 0;
    host::Art* above = Square(5, 5, 15, 15);
    above->style.fillColor = {1, {0.5, 0, 0, 0}};
    const uint64_t belowSerial = below->serial, aboveSerial = above->serial;
    ASSERT_EQ(fAm->PlayActionEvent("pd_plugin_pathfinder", kPDDialogOff, nullptr), kNoErr);
    ASSERT_EQ(Top().size(), 2u);
    EXPECT_EQ(Doc().Find(belowSerial), nullptr);
    EXPECT_EQ(Doc().Find(aboveSerial), nullptr);
    EXPECT_EQ(Top()[0].get(), unselected);
    const host::Art& united = *Top()[1];
    EXPECT_EQ(united.kind, host::ArtKind::Path);
    EXPECT_EQ(Area(united), 175);
    EXPECT_EQ(united.segments.size(), 8u);
    EXPECT_EQ(united.style.fillColor.kind, 1);
    EXPECT_EQ(united.attributes, host::kAttrSelected);

    // Apart, with the expand entry: one compound path of both.
    Doc().Dispose(Top()[1].get());
    Square(0, 0, 10, 10);
    Square(20, 0, 30, 10);
    PDActionParamValueRef block = nullptr;
    ASSERT_EQ(fAm->NewActionParamValue(&block), kNoErr);
    ASSERT_EQ(fAm->SetReal(block, kPDPathfinderExpandKey, 0.0), kNoErr);
    ASSERT_EQ(fAm->PlayActionEvent("pd_plugin_pathfinder", kPDDialogOff, block), kNoErr);
    EXPECT_EQ(fAm->DeleteActionParamValue(block), kNoErr);
    ASSERT_EQ(Top().size(), 2u);
    ASSERT_EQ(Top()[1]->kind, host::ArtKind::CompoundPath);
    ASSERT_EQ(Top()[1]->children.size(), 2u);
    EXPECT_EQ(Area(*Top()[1]->children[0]) + Area(*Top()[1]->children[1]), 200);
}

TEST_F(HostActions, UniteTakesEachShapesFillRule)
{
    // An even-odd compound path of a square with a square hole, and a small square over part of the hole.
    host::Art* frame = Doc().NewArt(host::ArtKind::CompoundPath, host::PaintOrder::AboveAll, nullptr);
    frame->attributes = host::kAttrSelected;
    frame->style.evenOdd = true;
    for (const auto& [low, high] : {std::pair<double, double>{0, 30}, {10, 20}}) {
        host::Art* path = Doc().NewArt(host::ArtKind::Path, host::PaintOrder::InsideOnTop, frame);
        for (const host::Point p : {host::Point{low, low}, {high, low}, {high, high}, {low, high}})
            path->segments.push_back({p, p, p, true});
        path->closed = true;
    }
    Square(10, 10, 15, 20);
    ASSERT_EQ(fAm->PlayActionEvent("pd_plugin_pathfinder", kPDDialogOff, nullptr), kNoErr);
    ASSERT_EQ(Top().size(), 1u);
    ASSERT_EQ(Top()[0]->kind, host::ArtKind::CompoundPath);
    ASSERT_EQ(Top()[0]->children.size(), 2u);
    EXPECT_EQ(Area(*Top()[0]->children[0]), 900);
    EXPECT_EQ(Anchors(*Top()[0]->children[1]), Box(15, 10, 20, 20));
}

TEST_F(HostActions, TextBecomesAGroupOfGlyphCompoundPaths)
{
    // At 2048 points a DejaVu Sans font unit is one point.
    host::Art* text = Doc().NewArt(host::ArtKind::Text, host::PaintOrder::AboveAll, nullptr);
    text->text = "AV";
    text->textOrigin = {100, 200};
    text->fontSize = 2048;
    text->fontFamily = "DejaVu Sans";
    text->attributes = host::kAttrSelected;
    text->style.fillPaint = true;
    text->style.fillColor = {2, {0, 100, 100, 0}};
    host::Art* blank = Doc().NewArt(host::ArtKind::Text, host::PaintOrder::AboveAll, nullptr);
    blank->text = "  ";
    blank->attributes = host::kAttrSelected;
    const uint64_t textSerial = text->serial;

    ASSERT_EQ(fAm->PlayActionEvent("velisto_createOutline", kPDDialogOff, nullptr), kNoErr);
    EXPECT_EQ(Doc().Find(textSerial), nullptr);
    ASSERT_EQ(Top().size(), 2u);
    const host::Art& group = *Top()[0];
    ASSERT_EQ(group.kind, host::ArtKind::Group);
    EXPECT_EQ(group.attributes, host::kAttrSelected);
    ASSERT_EQ(group.children.size(), 2u);
    const host::Art& a = *group.children[0];
    const host::Art& v = *group.children[1];
    EXPECT_EQ(a.kind, host::ArtKind::CompoundPath);
    EXPECT_EQ(a.children.size(), 2u);  // the outer and the counter
    EXPECT_EQ(v.children.size(), 1u);
    EXPECT_EQ(v.style.fillColor.kind, 2);
    EXPECT_EQ(v.style.fillColor.values[1], 100);
    EXPECT_EQ(v.attributes, 0);
    host::Rect bounds;
    ASSERT_TRUE(Doc().Bounds(a, bounds));
    EXPECT_EQ(bounds.left, 116);
    EXPECT_EQ(bounds.bottom, 200);
    EXPECT_EQ(bounds.right, 1484);
    EXPECT_EQ(bounds.top, 1693);
    // V follows A's advance of 1401 less their kerning of 131.
    ASSERT_TRUE(Doc().Bounds(v, bounds));
    EXPECT_EQ(bounds.left, 100 + 1270 + 16);
    EXPECT_EQ(Top()[1].get(), blank);
}

TEST_F(HostActions, NothingSelectedChangesNothingAndArtOutOfRangeIsRefused)
{
    host::Art* square = Square(0, 0, 10, 10);
    square->attributes = 0;
    for (const char* name : {"pd_plugin_outline", "pd_plugin_offset", "pd_plugin_pathfinder", "velisto_createOutline"})
        EXPECT_EQ(fAm->PlayActionEvent(name, kPDDialogOff, nullptr), kNoErr) << name;
    ASSERT_EQ(Top().size(), 1u);
    EXPECT_EQ(Top()[0].get(), square);

    square->attributes = host::kAttrSelected | host::kAttrLocked;
    EXPECT_EQ(fAm->PlayActionEvent("pd_plugin_pathfinder", kPDDialogOff, nullptr), kNoErr);
    EXPECT_EQ(Top()[0].get(), square);

    square->attributes = host::kAttrSelected;
    square->segments[2].p.h = 1e12;
    EXPECT_EQ(fAm->PlayActionEvent("pd_plugin_pathfinder", kPDDialogOff, nullptr), kBadParameterErr);
    EXPECT_EQ(Top()[0].get(), square);
    EXPECT_EQ(Play("pd_plugin_offset", {{kPDOffsetPathOffsetKey, 2e9}}, 2), kBadParameterErr);
}

// The document holds objects down to kMaxArtDepth: an action whose result would lie deeper refuses before it
// changes anything.
TEST_F(HostActions, ResultsThatWouldNestTooDeepAreRefusedWithNothingChanged)
{
    host::Art* group = Doc().NewArt(host::ArtKind::Group, host::PaintOrder::AboveAll, nullptr);
    while (host::Document::Depth(*group) < host::kMaxArtDepth - 1)
        group = Doc().NewArt(host::ArtKind::Group, host::PaintOrder::InsideOnTop, group);
    // A filled and stroked square goes into a group with its outline; two apart unite to a compound path.
    host::Art* both = Shape({{0, 0}, {10, 0}, {10, 10}, {0, 10}}, true, true, true, group);
    Square(20, 0, 30, 10, group);
    host::Art* text = Doc().NewArt(host::ArtKind::Text, host::PaintOrder::InsideOnTop, group);
    text->text = "A";
    text->fontFamily = "DejaVu Sans";
    text->attributes = host::kAttrSelected;
    const std::size_t count = Doc().ArtCount();

    for (const char* name : {"pd_plugin_outline", "pd_plugin_pathfinder", "velisto_createOutline"}) {
        EXPECT_EQ(fAm->PlayActionEvent(name, kPDDialogOff, nullptr), kBadParameterErr) << name;
        EXPECT_EQ(Doc().ArtCount(), count) << name;
        EXPECT_EQ(group->children.size(), 3u) << name;
        EXPECT_EQ(both->parent, group);
    }
    // A result of one contour beside its original fits.
    group->children.back()->attributes = 0;
    both->attributes = 0;
    EXPECT_EQ(Play("pd_plugin_offset", {{kPDOffsetPathOffsetKey, 1}}), kNoErr);
    EXPECT_EQ(group->children.size(), 4u);
}
