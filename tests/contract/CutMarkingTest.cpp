// Cut and perforation marking (operations 5 and 15) and the preview information (operation 13) that reports
// which paths a target admits, through the loaded module.
#include <gtest/gtest.h>

#include "CutDocuments.h"
#include "CutOutputSandbox.h"
#include "pendrake/PDNotifier.h"

using testing_support::AddPath;
using testing_support::Answer;
using testing_support::CutOutputSandbox;
using testing_support::MarkplugHost;
using testing_support::OpenPage;
using testing_support::Payload;
using testing_support::Select;
using testing_support::Sent;
using testing_support::Tag;
using testing_support::TagValue;

namespace {

using Texts = std::vector<std::string>;

const char kCut[] = "TalvexCutMark";
const char kPerforation[] = "TalvexPerforationMark";

std::string Preview(const char* existCropMark, const char* indexes)
{
    return std::string("<payload><PreviewInfo><ExistCropMark>") + existCropMark + "</ExistCropMark><indexes>" +
           indexes + "</indexes></PreviewInfo></payload>";
}

Texts PreviewFor(MarkplugHost& h, const char* target)
{
    return Answer(h, target ? Payload(13, {{"Target", target}}) : Payload(13), "TalvexSendPreviewInfo");
}

Texts TagsOf(const std::vector<host::Art*>& art, const char* name)
{
    Texts values;
    for (const host::Art* one : art) values.push_back(TagValue(*one, name));
    return values;
}

class CutMarking : public testing::Test {
protected:
    CutOutputSandbox fSandbox;
    MarkplugHost fHost{"windows"};
    host::Document& fDocument = OpenPage(fHost);
    std::vector<host::Art*> fPaths = {&AddPath(fDocument, {{0, 0}}), &AddPath(fDocument, {{1, 1}}),
                                      &AddPath(fDocument, {{2, 2}})};

    void SetUp() override
    {
        ASSERT_EQ(fHost.StartAndConnect(), kNoErr);
        for (host::Art* art : fPaths) Select(*art);
    }
};

}  // namespace

TEST_F(CutMarking, MarkingAnUnmarkedSelectionTagsEveryPathWithTheSelectionSize)
{
    const Texts redraws = Answer(fHost, Payload(5), "TalvexRedrawPreview");
    EXPECT_EQ(TagsOf(fPaths, kCut), (Texts{"string 0003", "string 0003", "string 0003"}));
    EXPECT_EQ(redraws, Texts{"<payload></payload>"});
    EXPECT_EQ(testing_support::SentEvents(fHost),
              Texts{"com.varrowkt.talvex.TalvexRedrawPreview|MarkedObjectsUpdatePanel|1|(null)"});
    EXPECT_EQ(TagsOf(fPaths, kPerforation), (Texts{"(none)", "(none)", "(none)"}));
}

TEST_F(CutMarking, APartlyMarkedSelectionIsCompletedAndAMarkedOneUnmarked)
{
    Tag(*fPaths[0], kCut, "0007");
    Tag(*fPaths[2], kCut, "0009");
    fHost.Click(Payload(5));
    EXPECT_EQ(TagsOf(fPaths, kCut), (Texts{"string 0007", "string 0003", "string 0009"}));
    fHost.Click(Payload(5));
    EXPECT_EQ(TagsOf(fPaths, kCut), (Texts{"(none)", "(none)", "(none)"}));
}

TEST_F(CutMarking, ATagTheHostCannotReadChangesNothing)
{
    // The second path's answer decides whether the toggle marks or unmarks: without it nothing is changed.
    Tag(*fPaths[0], kCut, "0007");
    Tag(*fPaths[1], kCut, "0008");
    fHost.Host().GetFaults().FailCall("GetTag", kCantHappenErr, 1, 1);
    fHost.Click(Payload(5));
    EXPECT_EQ(TagsOf(fPaths, kCut), (Texts{"string 0007", "string 0008", "(none)"}));
    fHost.Host().GetFaults().FailCall("GetArtType", kCantHappenErr, 1, 2);
    fHost.Click(Payload(15));
    EXPECT_EQ(TagsOf(fPaths, kPerforation), (Texts{"(none)", "(none)", "(none)"}));
    EXPECT_EQ(fHost.Host().GetChecks().Violations(), Texts{});
}

TEST_F(CutMarking, APreviewThatCannotBeDecidedIsNotSent)
{
    // The panel keeps its last preview rather than one that lacks a path.
    for (const char* call : {"GetTag", "GetArtType", "GetPathStyle", "GetArtUserAttr"}) {
        fPaths[1]->style.fillPaint = false;  // neither fill nor stroke: the path style is asked
        fHost.Host().GetFaults().FailCall(call, kCantHappenErr);
        EXPECT_EQ(PreviewFor(fHost, "1"), Texts{}) << call;
        fHost.Host().GetFaults().Clear();
        EXPECT_EQ(PreviewFor(fHost, "1"), Texts{Preview("0", "1,3")}) << call;
    }
}

TEST_F(CutMarking, PathsInsideASelectedGroupAreMarkedAndTheGroupIsNot)
{
    for (host::Art* art : fPaths) art->attributes = 0;
    host::Art* group = fDocument.NewArt(host::ArtKind::Group, host::PaintOrder::AboveAll, nullptr);
    host::Art* inner = fDocument.NewArt(host::ArtKind::Path, host::PaintOrder::InsideOnTop, group);
    Select(*group);
    fHost.Click(Payload(5));
    EXPECT_EQ(TagValue(*group, kCut), "(none)");
    EXPECT_EQ(TagValue(*inner, kCut), "string 0002");  // the group and its path were selected
    EXPECT_EQ(TagsOf(fPaths, kCut), (Texts{"(none)", "(none)", "(none)"}));
}

TEST_F(CutMarking, ASelectionWithoutPathsChangesNothing)
{
    for (host::Art* art : fPaths) art->attributes = 0;
    host::Art* text = fDocument.NewArt(host::ArtKind::Text, host::PaintOrder::AboveAll, nullptr);
    Select(*text);
    fHost.Click(Payload(5));
    fHost.Click(Payload(15));
    EXPECT_TRUE(text->tags.empty());
    for (host::Art* art : fPaths) EXPECT_TRUE(art->tags.empty());
}

TEST_F(CutMarking, PerforationAndCutTagsToggleIndependently)
{
    fHost.Click(Payload(15));
    EXPECT_EQ(TagsOf(fPaths, kPerforation), (Texts{"string 0003", "string 0003", "string 0003"}));
    EXPECT_EQ(TagsOf(fPaths, kCut), (Texts{"(none)", "(none)", "(none)"}));
    fHost.Click(Payload(5));
    fHost.Click(Payload(15));
    EXPECT_EQ(TagsOf(fPaths, kPerforation), (Texts{"(none)", "(none)", "(none)"}));
    EXPECT_EQ(TagsOf(fPaths, kCut), (Texts{"string 0003", "string 0003", "string 0003"}));
    EXPECT_TRUE(fHost.Host().GetChecks().Violations().empty());
}

TEST_F(CutMarking, PreviewNumbersThePathsAndLeavesGapsForRejectedOnes)
{
    fPaths[1]->style.fillPaint = false;  // neither fill nor stroke
    EXPECT_EQ(PreviewFor(fHost, nullptr), Texts{Preview("0", "1,3")});
    fPaths[1]->style.strokePaint = true;
    EXPECT_EQ(PreviewFor(fHost, "0"), Texts{Preview("0", "1,2,3")});
    EXPECT_EQ(testing_support::SentEvents(fHost),
              Texts{"com.varrowkt.talvex.TalvexSendPreviewInfo|SendPreviewInfo|1|(null)"});
}

TEST_F(CutMarking, PreviewGivesCutLinesNegativeNumbers)
{
    Tag(*fPaths[1], kCut);
    Tag(*fPaths[2], kPerforation);
    EXPECT_EQ(PreviewFor(fHost, "0"), Texts{Preview("0", "1,-2,3")});
    EXPECT_EQ(PreviewFor(fHost, "3"), Texts{Preview("0", "-2")});
    EXPECT_EQ(PreviewFor(fHost, "4"), Texts{Preview("0", "3")});
    fPaths[1]->tags.clear();
    EXPECT_EQ(PreviewFor(fHost, "3"), Texts{Preview("0", "")});
}

TEST_F(CutMarking, PreviewOfTheSelectionAndOfTheCurrentLayer)
{
    fPaths[0]->attributes = 0;
    host::Layer& second = fDocument.AddLayer("Layer 2");
    fDocument.SetCurrentLayer(&second);
    host::Art& upper = AddPath(fDocument, {{5, 5}});
    EXPECT_EQ(PreviewFor(fHost, "1"), Texts{Preview("0", "2,3")});
    EXPECT_EQ(PreviewFor(fHost, "2"), Texts{Preview("0", "4")});
    // A cut line is admitted only when the target's own test passes.
    Tag(upper, kCut);
    Tag(*fPaths[0], kCut);
    EXPECT_EQ(PreviewFor(fHost, "1"), Texts{Preview("0", "2,3")});
    EXPECT_EQ(PreviewFor(fHost, "2"), Texts{Preview("0", "-4")});
}

TEST_F(CutMarking, CropMarksAreReportedAndCountedButNeverListed)
{
    fHost.Click(Payload(6));  // three marks, below everything of the layer: positions 1 to 3
    EXPECT_EQ(PreviewFor(fHost, "0"), Texts{Preview("1", "4,5,6")});
    EXPECT_EQ(PreviewFor(fHost, "1"), Texts{Preview("1", "4,5,6")});
}

TEST_F(CutMarking, ASelectionChangeSendsOneRedrawAndNoPreview)
{
    fHost.Bus().ClearEvents();
    EXPECT_EQ(fHost.Host().Notify(kPDArtSelectionChangedNotifier), 1);
    EXPECT_EQ(testing_support::SentEvents(fHost),
              Texts{"com.varrowkt.talvex.TalvexRedrawPreview|MarkedObjectsUpdatePanel|1|(null)"});
    EXPECT_EQ(Sent(fHost, "TalvexRedrawPreview"), Texts{"<payload></payload>"});
    EXPECT_EQ(Answer(fHost, Payload(14), "TalvexRedrawPreview"), Texts{"<payload></payload>"});
}

TEST_F(CutMarking, WithoutADocumentThereIsNoPreviewAndNoMarking)
{
    fHost.Host().CloseDocument().reset();
    fHost.Bus().ClearEvents();
    fHost.Click(Payload(13, {{"Target", "0"}}));
    EXPECT_EQ(Sent(fHost, "TalvexSendPreviewInfo"), Texts{});
    fHost.Click(Payload(5));
    EXPECT_EQ(testing_support::SentEvents(fHost),
              Texts{"com.varrowkt.talvex.TalvexRedrawPreview|MarkedObjectsUpdatePanel|1|(null)"});
    EXPECT_TRUE(fHost.Host().GetChecks().Violations().empty());
    EXPECT_EQ(testing_support::LeftoversAfterShutdown(fHost), "");
}

TEST(CutMarkingMacos, KnowsNoPerforationLines)
{
    MarkplugHost h("macos");
    host::Document& document = OpenPage(h);
    host::Art& path = AddPath(document, {{0, 0}});
    host::Art& other = AddPath(document, {{1, 1}});
    Select(path);
    ASSERT_EQ(h.StartAndConnect(), kNoErr);
    h.Bus().ClearEvents();
    h.Click(Payload(15));
    EXPECT_TRUE(path.tags.empty());
    EXPECT_EQ(testing_support::SentEvents(h), Texts{});
    Tag(other, kPerforation);
    // Target 4 is no target here: every path is admitted.
    EXPECT_EQ(PreviewFor(h, "4"), Texts{Preview("0", "1,2")});
    h.Click(Payload(5));
    EXPECT_EQ(TagValue(path, kCut), "string 0001");
}
