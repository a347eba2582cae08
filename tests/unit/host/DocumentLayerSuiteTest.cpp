// The Document, Layer and Matching Art suites through the registry's pointers, and every document suite
// without a document.
#include <cmath>
#include <iterator>

#include "DocumentSuitesFixture.h"
#include "host/Utf.h"

using suitetest::DocumentSuites;

namespace {

class DocumentLevel : public DocumentSuites {
protected:
    const PDDocumentSuite14* fDocument = Acquire<PDDocumentSuite14>(kPDDocumentSuite, kPDDocumentSuiteVersion14);
    const host::DocumentSuiteLayout<float>* fSingleDocument =
        Acquire<host::DocumentSuiteLayout<float>>(kPDDocumentSuite, kPDDocumentSuiteVersion1013);
    const PDLayerSuite13* fLayer = Acquire<PDLayerSuite13>(kPDLayerSuite, kPDLayerSuiteVersion13);
    const PDMatchingArtSuite7* fMatching =
        Acquire<PDMatchingArtSuite7>(kPDMatchingArtSuite, kPDMatchingArtSuiteVersion7);

    PDUnicodeStringRef NewString() { return fHost.MakeString(); }
    std::string Text(PDUnicodeStringRef string) { return host::EncodeUtf8(fHost.FindString(string)->text); }

    host::Art* Add(host::ArtKind kind, host::Art* into = nullptr, const char* id = "")
    {
        host::Art* art = Doc().NewArt(kind, into ? host::PaintOrder::InsideOnTop : host::PaintOrder::AboveAll, into);
        art->id = id;
        return art;
    }
    // The ids of a list of the Matching Art suite, which is disposed of.
    std::string Ids(PDArtHandle* matches, int32_t count)
    {
        std::string ids;
        for (int32_t i = 0; i < count; ++i) ids += Model(matches[i])->id + " ";
        EXPECT_EQ(fMatching->DisposeMatches(matches), kNoErr);
        return ids;
    }
};

}  // namespace

TEST_F(DocumentLevel, DocumentHandleOriginSetupAndFileName)
{
    PDDocumentHandle first = nullptr;
    PDDocumentHandle again = nullptr;
    ASSERT_EQ(fDocument->GetDocument(&first), kNoErr);
    ASSERT_EQ(fDocument->GetDocument(&again), kNoErr);
    EXPECT_NE(first, nullptr);
    EXPECT_EQ(first, again);

    const PDRealPoint origin = {-12.5, 30.0000001};
    ASSERT_EQ(fDocument->SetDocumentOrigin(&origin), kNoErr);
    EXPECT_EQ(Doc().Origin().v, 30.0000001);
    host::RealPoint<float> narrow{};
    ASSERT_EQ(fSingleDocument->GetDocumentOrigin(&narrow), kNoErr);
    EXPECT_EQ(narrow.h, -12.5f);
    EXPECT_EQ(narrow.v, 30.0000001f);
    const PDRealPoint bad = {std::nan(""), 0};
    EXPECT_EQ(fDocument->SetDocumentOrigin(&bad), kBadParameterErr);

    PDDocumentSetup setup{};
    setup.showPlacedImages = 1;
    ASSERT_EQ(fDocument->GetDocumentSetup(&setup), kNoErr);
    EXPECT_EQ(setup.width, 595.2756);
    EXPECT_EQ(setup.height, 841.8898);
    EXPECT_EQ(setup.showPlacedImages, 0);
    EXPECT_EQ(setup.pageTileMode, 0);
    host::DocumentSetup<float> single = {612, 792.5f, 1, 3};
    ASSERT_EQ(fSingleDocument->SetDocumentSetup(&single), kNoErr);
    EXPECT_EQ(Doc().PageHeight(), 792.5);
    single.width = 0;
    EXPECT_EQ(fSingleDocument->SetDocumentSetup(&single), kBadParameterErr);

    Doc().SetFileName("/tmp/art w\xC3\xA4ll.svg");
    PDUnicodeStringRef name = NewString();
    ASSERT_EQ(fDocument->GetDocumentFileName(name), kNoErr);
    EXPECT_EQ(Text(name), "/tmp/art w\xC3\xA4ll.svg");

    fHost.OpenDocument(std::make_unique<host::Document>(100, 100));
    ASSERT_EQ(fDocument->GetDocument(&again), kNoErr);
    EXPECT_NE(again, first);
}

TEST_F(DocumentLevel, LayersBottomToTopWithTitlesAndFirstArt)
{
    host::Art* bottom = Add(host::ArtKind::Path);
    Add(host::ArtKind::Path);
    host::Layer& second = Doc().AddLayer("Schneidlinien");
    int32_t count = 0;
    ASSERT_EQ(fLayer->CountLayers(&count), kNoErr);
    EXPECT_EQ(count, 2);
    PDLayerHandle layer = nullptr;
    ASSERT_EQ(fLayer->GetNthLayer(1, &layer), kNoErr);
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(layer), second.serial);
    EXPECT_EQ(fLayer->GetNthLayer(2, &layer), kBadParameterErr);
    EXPECT_EQ(fLayer->GetNthLayer(-1, &layer), kBadParameterErr);

    PDUnicodeStringRef title = NewString();
    ASSERT_EQ(fLayer->GetNthLayer(1, &layer), kNoErr);
    ASSERT_EQ(fLayer->GetLayerTitle(layer, title), kNoErr);
    EXPECT_EQ(Text(title), "Schneidlinien");
    PDArtHandle art = reinterpret_cast<PDArtHandle>(std::uintptr_t{1});
    ASSERT_EQ(fLayer->GetFirstArtOfLayer(layer, &art), kNoErr);
    EXPECT_EQ(art, nullptr);

    PDLayerHandle current = nullptr;
    ASSERT_EQ(fLayer->GetCurrentLayer(&current), kNoErr);
    ASSERT_EQ(fLayer->GetFirstArtOfLayer(current, &art), kNoErr);
    EXPECT_EQ(Model(art), bottom);
    ASSERT_EQ(fLayer->SetCurrentLayer(layer), kNoErr);
    EXPECT_EQ(Doc().CurrentLayer(), &second);

    const auto unknown = reinterpret_cast<PDLayerHandle>(std::uintptr_t{999});
    EXPECT_EQ(fLayer->SetCurrentLayer(unknown), kBadObjectErr);
    EXPECT_EQ(fLayer->GetLayerTitle(unknown, title), kBadObjectErr);
    EXPECT_EQ(fLayer->SetCurrentLayer(nullptr), kBadParameterErr);
    EXPECT_EQ(Violations().back(), "GetLayerTitle with an unknown layer handle");
}

TEST_F(DocumentLevel, SelectedArtListsThePathsInsideSelectedGroupsOnce)
{
    host::Art* a = Add(host::ArtKind::Path, nullptr, "a");
    host::Art* group = Add(host::ArtKind::Group, nullptr, "g");
    Add(host::ArtKind::Path, group, "g.p");
    host::Art* inner = Add(host::ArtKind::Group, group, "g.h");
    host::Art* deep = Add(host::ArtKind::Path, inner, "g.h.p");
    Add(host::ArtKind::Text, group, "g.t");
    host::Art* compound = Add(host::ArtKind::CompoundPath, nullptr, "c");
    Add(host::ArtKind::Path, compound, "c.1");
    Add(host::ArtKind::Path, compound, "c.2");
    Add(host::ArtKind::Path, nullptr, "z");
    for (host::Art* art : {a, group, deep, compound}) art->attributes |= host::kAttrSelected;

    PDArtHandle* matches = nullptr;
    int32_t count = 0;
    ASSERT_EQ(fMatching->GetSelectedArt(&matches, &count), kNoErr);
    EXPECT_EQ(fHost.LiveMatchLists(), 1u);
    EXPECT_EQ(Ids(matches, count), "a g g.p g.h.p c c.1 c.2 ");
    EXPECT_EQ(fHost.LiveMatchLists(), 0u);

    for (host::Art* art : {a, group, deep, compound}) art->attributes = 0;
    matches = reinterpret_cast<PDArtHandle*>(&count);
    count = 5;
    ASSERT_EQ(fMatching->GetSelectedArt(&matches, &count), kNoErr);
    EXPECT_EQ(matches, nullptr);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(fMatching->DisposeMatches(nullptr), kNoErr);
}

TEST_F(DocumentLevel, MatchingArtLooksAtEveryDepthAndCountsTheListsHandedOut)
{
    Add(host::ArtKind::Path, nullptr, "a")->attributes = host::kAttrLocked;
    host::Art* group = Add(host::ArtKind::Group, nullptr, "g");
    Add(host::ArtKind::Text, group, "g.t");
    Add(host::ArtKind::Path, Add(host::ArtKind::Group, group, "g.h"), "g.h.p")->attributes = host::kAttrSelected;

    const PDMatchingArtSpec unlockedPaths[] = {{kPDPathArt, kPDArtLocked, 0}};
    PDArtHandle* matches = nullptr;
    int32_t count = 0;
    ASSERT_EQ(fMatching->GetMatchingArt(unlockedPaths, 1, &matches, &count), kNoErr);
    EXPECT_EQ(Ids(matches, count), "g.h.p ");
    const PDMatchingArtSpec anyOrLockedPath[] = {{kPDTextArt, 0, 0}, {kPDAnyArt, kPDArtLocked, kPDArtLocked}};
    ASSERT_EQ(fMatching->GetMatchingArt(anyOrLockedPath, 2, &matches, &count), kNoErr);
    EXPECT_EQ(Ids(matches, count), "a g.t ");
    const PDMatchingArtSpec all[] = {{kPDAnyArt, 0, 0}};
    ASSERT_EQ(fMatching->GetMatchingArt(all, 1, &matches, &count), kNoErr);
    EXPECT_EQ(count, 5);
    PDArtHandle* kept = matches;
    ASSERT_EQ(fMatching->GetMatchingArt(all, 1, &matches, &count), kNoErr);
    EXPECT_EQ(fHost.LiveMatchLists(), 2u);  // what a leak check reports
    EXPECT_EQ(fMatching->DisposeMatches(kept), kNoErr);
    EXPECT_EQ(fMatching->DisposeMatches(kept), kBadParameterErr);
    EXPECT_EQ(Violations().back(), "DisposeMatches of a list the host did not hand out");
    EXPECT_EQ(fMatching->GetMatchingArt(nullptr, 1, &matches, &count), kBadParameterErr);
}

TEST_F(DocumentLevel, EveryOperationNeedingADocumentSaysThereIsNone)
{
    const auto* art = Acquire<PDArtSuite17>(kPDArtSuite, kPDArtSuiteVersion17);
    const auto* path = Acquire<PDPathSuite11>(kPDPathSuite, kPDPathSuiteVersion11);
    const auto* style = Acquire<PDPathStyleSuite13>(kPDPathStyleSuite, kPDPathStyleSuiteVersion13);
    const auto* tag = Acquire<PDTagSuite4>(kPDTagSuite, kPDTagSuiteVersion4);
    const PDArtHandle any = AddPath({{0, 0}});
    const auto layer = reinterpret_cast<PDLayerHandle>(std::uintptr_t{1});
    PDUnicodeStringRef string = NewString();
    fHost.CloseDocument();

    PDDocumentHandle document = reinterpret_cast<PDDocumentHandle>(std::uintptr_t{1});
    PDRealPoint point{};
    PDDocumentSetup setup{};
    PDArtHandle handle = nullptr;
    PDArtHandle* matches = nullptr;
    PDLayerHandle layerOut = nullptr;
    PDRealRect rect{};
    PDPathSegment segment{};
    PDPathStyle pathStyle{};
    PDMatchingArtSpec request{kPDAnyArt, 0, 0};
    int16_t small = 0;
    int32_t number = 0;
    ZBBoolean flag = 0;
    const char* text = nullptr;
    const ZBErr results[] = {fDocument->GetDocument(&document),
                             fDocument->GetDocumentOrigin(&point),
                             fDocument->SetDocumentOrigin(&point),
                             fDocument->GetDocumentSetup(&setup),
                             fDocument->SetDocumentSetup(&setup),
                             fDocument->GetDocumentFileName(string),
                             art->NewArt(kPDPathArt, kPDPlaceAboveAll, nullptr, &handle),
                             art->DisposeArt(any),
                             art->ReorderArt(any, kPDPlaceAboveAll, nullptr),
                             art->GetArtType(any, &small),
                             art->GetArtUserAttr(any, 1, &number),
                             art->SetArtUserAttr(any, 1, 1),
                             art->GetArtParent(any, &handle),
                             art->GetArtFirstChild(any, &handle),
                             art->GetArtSibling(any, &handle),
                             art->GetLayerOfArt(any, &layerOut),
                             art->GetArtBounds(any, &rect),
                             art->ValidArt(any, &flag),
                             path->GetPathSegmentCount(any, &small),
                             path->SetPathSegmentCount(any, 1),
                             path->GetPathSegments(any, 0, 1, &segment),
                             path->SetPathSegments(any, 0, 1, &segment),
                             path->GetPathClosed(any, &flag),
                             path->SetPathClosed(any, 1),
                             style->GetPathStyle(any, &pathStyle),
                             style->SetPathStyle(any, &pathStyle),
                             tag->SetTag(any, "a", "string", "b"),
                             tag->GetTag(any, "a", "string", &text),
                             tag->GetTagType(any, "a", &text),
                             tag->CountTags(any, &number),
                             tag->GetNthTag(any, 0, &text),
                             tag->RemoveTag(any, "a"),
                             fMatching->GetSelectedArt(&matches, &number),
                             fMatching->GetMatchingArt(&request, 1, &matches, &number),
                             fLayer->GetCurrentLayer(&layerOut),
                             fLayer->SetCurrentLayer(layer),
                             fLayer->CountLayers(&number),
                             fLayer->GetNthLayer(0, &layerOut),
                             fLayer->GetLayerTitle(layer, string),
                             fLayer->GetFirstArtOfLayer(layer, &handle)};
    for (std::size_t i = 0; i < std::size(results); ++i) EXPECT_EQ(results[i], kNoDocumentErr) << "operation " << i;
    EXPECT_EQ(document, nullptr);
    EXPECT_FALSE(art->ArtHasFill(any));
    EXPECT_FALSE(art->ArtHasStroke(any));
    EXPECT_TRUE(Violations().empty());
}
