// Crop marks in the document: operation 6 builds them (replacing an earlier set), operation 7 deletes every
// tagged object. The page's origin is moved so that every coordinate goes through documentOrigin.
#include <gtest/gtest.h>

#include "PanelTraffic.h"

using testing_support::CropMarks;
using testing_support::LeftoversAfterShutdown;
using testing_support::MarkplugHost;
using testing_support::OpenPage;
using testing_support::PageText;
using testing_support::Payload;
using testing_support::Text;

namespace {

using Lines = std::vector<std::string>;

const std::string kTsOneFourMarks =
    Payload(10, {{"W", "170"}, {"L", "200"}, {"X", "10"}, {"Y", "20"}, {"MachineType", "8"}, {"CropCount", "4"}});
const std::string kKmOne =
    Payload(10, {{"W", "150"}, {"L", "250"}, {"X", "25"}, {"Y", "6"}, {"MachineType", "0"}, {"CropCount", "0"}});

// The circle's centre in page coordinates: the lowest anchor's h, the rightmost anchor's v.
std::string CentreOf(const host::Document& document, const host::Art& circle)
{
    return PageText(document, {circle.segments.at(1).p.h, circle.segments.at(0).p.v});
}

// Each segment relative to the circle's centre: anchor, incoming, outgoing control point, corner flag.
Lines SegmentsAroundCentre(const host::Art& circle)
{
    const host::Point centre = {circle.segments.at(1).p.h, circle.segments.at(0).p.v};
    const auto relative = [&](const host::Point& p) { return Text(host::Point{p.h - centre.h, p.v - centre.v}); };
    Lines lines;
    for (const host::Segment& s : circle.segments)
        lines.push_back(relative(s.p) + " " + relative(s.in) + " " + relative(s.out) + (s.corner ? " corner" : ""));
    return lines;
}

// A bracket's anchors in page coordinates.
std::string AnchorsOf(const host::Document& document, const host::Art& stroke)
{
    std::string text;
    for (const host::Segment& s : stroke.segments) text += (text.empty() ? "" : " ") + PageText(document, s.p);
    return text;
}

std::string TagOf(const host::Art& art)
{
    const host::Tag* tag = art.FindTag("TalvexCropMark");
    return tag ? tag->type + " " + tag->value : "(none)";
}

const Lines kCircleSegments = {
    "(14.1732, 0) (14.1732, 7.82766) (14.1732, -7.82766)",
    "(0, -14.1732) (7.82766, -14.1732) (-7.82766, -14.1732)",
    "(-14.1732, 0) (-14.1732, -7.82766) (-14.1732, 7.82766)",
    "(0, 14.1732) (-7.82766, 14.1732) (7.82766, 14.1732) corner",
};

void ExpectBlack(const host::Color& color)
{
    EXPECT_EQ(color.kind, 2);
    EXPECT_EQ(std::vector<double>(color.values, color.values + 4), (std::vector<double>{0, 0, 0, 100.0}));
}

}  // namespace

TEST(CropMarks, DefaultsMakeThreeLockedTaggedCirclesBelowTheArtwork)
{
    MarkplugHost h("windows");
    host::Document& document = OpenPage(h);
    host::Art* artwork = document.NewArt(host::ArtKind::Path, host::PaintOrder::AboveAll, nullptr);
    ASSERT_EQ(h.StartAndConnect(), kNoErr);
    h.Click(Payload(6));

    const auto marks = CropMarks(document);
    ASSERT_EQ(marks.size(), 3u);
    // Each one goes below everything of the layer, so the last one made lies lowest.
    const auto& layerArt = document.Layers().front()->art;
    ASSERT_EQ(layerArt.size(), 4u);
    EXPECT_EQ(TagOf(*layerArt[0]), "string 0003");
    EXPECT_EQ(TagOf(*layerArt[2]), "string 0001");
    EXPECT_EQ(layerArt[3].get(), artwork);

    const Lines centres = {"(56.6929, 666.142)", "(538.583, 666.142)", "(56.6929, 70.8661)"};
    for (std::size_t i = 0; i < 3; ++i) {
        const host::Art& circle = *layerArt[2 - i];
        EXPECT_EQ(TagOf(circle), "string 000" + std::to_string(i + 1));
        EXPECT_EQ(CentreOf(document, circle), centres[i]);
        EXPECT_EQ(SegmentsAroundCentre(circle), kCircleSegments);
        EXPECT_EQ(circle.kind, host::ArtKind::Path);
        EXPECT_TRUE(circle.closed);
        EXPECT_EQ(circle.attributes & host::kAttrLocked, host::kAttrLocked);
        const host::Style& style = circle.style;
        EXPECT_TRUE(style.fillPaint);
        EXPECT_FALSE(style.strokePaint);
        ExpectBlack(style.fillColor);
        EXPECT_TRUE(style.fillOverprint);
        ExpectBlack(style.strokeColor);
        EXPECT_EQ(style.strokeWidth, 0);
        EXPECT_EQ(style.dashLength, 0);
        EXPECT_FALSE(style.clip || style.lockClip || style.evenOdd);
    }
    EXPECT_TRUE(h.Host().GetChecks().Violations().empty());
    EXPECT_EQ(LeftoversAfterShutdown(h), "");
}

TEST(CropMarks, RepeatingTheRequestReplacesTheMarks)
{
    MarkplugHost h("windows");
    host::Document& document = OpenPage(h);
    ASSERT_EQ(h.StartAndConnect(), kNoErr);
    h.Click(Payload(6));
    h.Click(Payload(6));
    EXPECT_EQ(CropMarks(document).size(), 3u);
    EXPECT_EQ(document.ArtCount(), 3u);
    h.Click(kTsOneFourMarks);
    h.Click(Payload(6));
    h.Click(Payload(6));
    EXPECT_EQ(CropMarks(document).size(), 9u);
    EXPECT_EQ(document.ArtCount(), 9u);
    EXPECT_EQ(LeftoversAfterShutdown(h), "");
}

TEST(CropMarks, FourMarksStandInsideFiveCornerBrackets)
{
    MarkplugHost h("windows");
    host::Document& document = OpenPage(h);
    ASSERT_EQ(h.StartAndConnect(), kNoErr);
    h.Click(kTsOneFourMarks);
    h.Click(Payload(6));

    const auto marks = CropMarks(document);  // bottom to top: the last made first
    ASSERT_EQ(marks.size(), 9u);
    const Lines centres = {"(56.6929, 85.0394)", "(538.583, 85.0394)", "(56.6929, 651.969)", "(538.583, 651.969)"};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(TagOf(*marks[8 - i]), "string 000" + std::to_string(i + 1));
        EXPECT_EQ(CentreOf(document, *marks[8 - i]), centres[i]);
    }
    const Lines brackets = {
        "(28.3465, 70.8661) (42.5197, 70.8661) (42.5197, 56.6929)",
        "(28.3465, 56.6929) (42.5197, 70.8661)",
        "(566.929, 70.8661) (552.756, 70.8661) (552.756, 56.6929)",
        "(28.3465, 666.142) (42.5197, 666.142) (42.5197, 680.315)",
        "(566.929, 666.142) (552.756, 666.142) (552.756, 680.315)",
    };
    for (std::size_t i = 0; i < 5; ++i) {
        const host::Art& stroke = *marks[4 - i];
        EXPECT_EQ(TagOf(stroke), "string 000" + std::to_string(i + 5));
        EXPECT_EQ(AnchorsOf(document, stroke), brackets[i]);
        EXPECT_FALSE(stroke.closed);
        EXPECT_EQ(stroke.attributes & host::kAttrLocked, host::kAttrLocked);
        for (const host::Segment& s : stroke.segments) {
            EXPECT_TRUE(s.corner);
            EXPECT_EQ(Text(s.in) + Text(s.out), Text(s.p) + Text(s.p));
        }
        EXPECT_FALSE(stroke.style.fillPaint);
        EXPECT_TRUE(stroke.style.strokePaint);
        EXPECT_FALSE(stroke.style.fillOverprint);
        ExpectBlack(stroke.style.strokeColor);
        EXPECT_EQ(stroke.style.strokeWidth, 0.5);
    }
}

TEST(CropMarks, TopHangingModelsPlaceTheFrameFromThePageHeight)
{
    MarkplugHost h("windows");
    host::Document& document = OpenPage(h);
    ASSERT_EQ(h.StartAndConnect(), kNoErr);
    h.Click(kKmOne);
    EXPECT_EQ(testing_support::CropCorner(h), std::vector<std::string>{testing_support::CornerPayload(
                                                  "85.0394", "810.709", "510.236", "102.047", "-70.8661", "17.0079")});
    h.Click(Payload(6));
    const auto marks = CropMarks(document);
    ASSERT_EQ(marks.size(), 3u);
    EXPECT_EQ(CentreOf(document, *marks[2]), "(85.0394, 810.709)");
    EXPECT_EQ(CentreOf(document, *marks[1]), "(510.236, 810.709)");
    EXPECT_EQ(CentreOf(document, *marks[0]), "(85.0394, 102.047)");
}

TEST(CropMarks, DeletingRemovesEveryTaggedObjectWhereverItLies)
{
    MarkplugHost h("windows");
    host::Document& document = OpenPage(h);
    ASSERT_EQ(h.StartAndConnect(), kNoErr);
    h.Click(Payload(6));
    // The user groups one mark with a path of their own and unlocks another.
    host::Art* group = document.NewArt(host::ArtKind::Group, host::PaintOrder::AboveAll, nullptr);
    host::Art* own = document.NewArt(host::ArtKind::Path, host::PaintOrder::InsideOnTop, group);
    const auto marks = CropMarks(document);
    ASSERT_EQ(marks.size(), 3u);
    ASSERT_TRUE(document.Reorder(document.Find(marks[0]->serial), host::PaintOrder::InsideOnTop, group));
    document.Find(marks[1]->serial)->attributes = 0;

    h.Click(Payload(7));
    EXPECT_TRUE(CropMarks(document).empty());
    EXPECT_EQ(document.AllArt(), (std::vector<host::Art*>{group, own}));
    EXPECT_EQ(group->children.size(), 1u);
    EXPECT_TRUE(h.Host().GetChecks().Violations().empty());
    EXPECT_EQ(LeftoversAfterShutdown(h), "");
}

TEST(CropMarks, DeletingWithoutMarksChangesNothing)
{
    MarkplugHost h("windows");
    host::Document& document = OpenPage(h);
    host::Art* artwork = document.NewArt(host::ArtKind::Path, host::PaintOrder::AboveAll, nullptr);
    artwork->tags.push_back({"TalvexCutMark", "string", "0001"});
    ASSERT_EQ(h.StartAndConnect(), kNoErr);
    h.Bus().ClearEvents();
    h.Click(Payload(7));
    EXPECT_EQ(document.AllArt(), std::vector<host::Art*>{artwork});
    EXPECT_EQ(testing_support::SentEvents(h), std::vector<std::string>{});
}

TEST(CropMarks, WithoutADocumentNothingIsBuiltOrSent)
{
    MarkplugHost h("windows");
    ASSERT_EQ(h.StartAndConnect(), kNoErr);
    h.Bus().ClearEvents();
    h.Click(Payload(6));
    h.Click(Payload(7));
    h.Click(kKmOne);
    h.Click(Payload(6));
    h.Click(Payload(11));
    EXPECT_EQ(testing_support::SentEvents(h), std::vector<std::string>{});
    EXPECT_TRUE(h.Host().GetChecks().Violations().empty());
    // A document opened afterwards gets its marks.
    host::Document& document = OpenPage(h);
    h.Click(Payload(6));
    EXPECT_EQ(CropMarks(document).size(), 3u);
    EXPECT_EQ(LeftoversAfterShutdown(h), "");
}

TEST(CropMarks, ASetTheHostCannotMakeWholeIsTakenAway)
{
    // Each call is one the building makes; the Nth of each fails once. An untagged mark would be cut as artwork,
    // and a set that lacks a mark cannot register the cut.
    for (const auto& [call, nth] : std::vector<std::pair<const char*, int32_t>>{{"NewArt", 1},
                                                                                {"NewArt", 3},
                                                                                {"SetPathSegments", 2},
                                                                                {"SetPathClosed", 1},
                                                                                {"GetPathStyle", 3},
                                                                                {"SetPathStyle", 2},
                                                                                {"SetTag", 3},
                                                                                {"SetArtUserAttr", 2},
                                                                                {"GetDocumentOrigin", 2}}) {
        MarkplugHost h("windows");
        host::Document& document = OpenPage(h);
        ASSERT_EQ(h.StartAndConnect(), kNoErr);
        h.Host().GetFaults().FailCall(call, kCantHappenErr, 1, nth - 1);
        h.Click(Payload(6));
        EXPECT_EQ(document.ArtCount(), 0u) << call << ":" << nth;
        EXPECT_EQ(h.Host().GetChecks().Violations(), Lines{}) << call << ":" << nth;
        h.Click(Payload(6));
        EXPECT_EQ(CropMarks(document).size(), 3u) << call << ":" << nth;
    }
}
TEST(CropMarks, MacDefaultsStandThreeMarksOnThePageBottomInSinglePrecision)
{
    MarkplugHost h("macos");
    host::Document& document = OpenPage(h);
    ASSERT_EQ(h.StartAndConnect(), kNoErr);
    h.Click(Payload(6));
    const auto marks = CropMarks(document);
    ASSERT_EQ(marks.size(), 3u);
    EXPECT_EQ(CentreOf(document, *marks[2]), "(56.6929, 70.8661)");
    EXPECT_EQ(CentreOf(document, *marks[1]), "(538.583, 70.8661)");
    EXPECT_EQ(CentreOf(document, *marks[0]), "(56.6929, 666.142)");
    // Single precision near v 666 leaves k 7.82764 above the anchor, so the points are compared on the page.
    const host::Segment& rightmost = marks[0]->segments.at(0);
    EXPECT_EQ(PageText(document, rightmost.p) + PageText(document, rightmost.in) + PageText(document, rightmost.out),
              "(70.8661, 666.142)(70.8661, 673.969)(70.8661, 658.314)");
    // The lowest anchor's h is the frame's left, in single precision, less the origin in single precision.
    const float left = static_cast<float>(2000 * 72.0 / 25.4 / 100.0);
    EXPECT_EQ(marks[2]->segments[1].p.h, static_cast<double>(left - static_cast<float>(testing_support::kOrigin.h)));
    EXPECT_EQ(LeftoversAfterShutdown(h), "");
}
