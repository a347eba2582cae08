// The Art suite through the registry's pointers: placing, moving and disposing objects, the tree, attributes,
// bounds in both precisions, and how dead handles are answered.
#include <algorithm>
#include <vector>

#include "DocumentSuitesFixture.h"

using suitetest::DocumentSuites;

namespace {

class ArtSuite : public DocumentSuites {
protected:
    const PDArtSuite17* fArt = Acquire<PDArtSuite17>(kPDArtSuite, kPDArtSuiteVersion17);

    PDArtHandle New(int16_t type, int16_t order, PDArtHandle prep = nullptr)
    {
        PDArtHandle art = nullptr;
        EXPECT_EQ(fArt->NewArt(type, order, prep, &art), kNoErr);
        return art;
    }
    bool Recorded(const std::string& text)
    {
        return std::find(Violations().begin(), Violations().end(), text) != Violations().end();
    }
};

}  // namespace

TEST_F(ArtSuite, HandlesAreSerialNumbersAndRefusedPlacementsMakeNothing)
{
    const PDArtHandle group = New(kPDGroupArt, kPDPlaceAboveAll);
    const PDArtHandle path = New(kPDPathArt, kPDPlaceInsideOnTop, group);
    ASSERT_NE(Model(path), nullptr);
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(path), Model(path)->serial);
    EXPECT_EQ(Model(path)->parent, Model(group));

    PDArtHandle art = group;
    EXPECT_EQ(fArt->NewArt(0, kPDPlaceAboveAll, nullptr, &art), kBadParameterErr);
    EXPECT_EQ(art, nullptr);
    EXPECT_EQ(fArt->NewArt(6, kPDPlaceAboveAll, nullptr, &art), kBadParameterErr);
    EXPECT_EQ(fArt->NewArt(kPDPathArt, 0, nullptr, &art), kBadParameterErr);
    EXPECT_EQ(fArt->NewArt(kPDPathArt, 7, nullptr, &art), kBadParameterErr);
    EXPECT_EQ(fArt->NewArt(kPDPathArt, kPDPlaceInsideOnTop, path, &art), kBadParameterErr);
    EXPECT_EQ(fArt->NewArt(kPDPathArt, kPDPlaceAbove, nullptr, &art), kBadParameterErr);
    EXPECT_EQ(fArt->NewArt(kPDPathArt, kPDPlaceAboveAll, nullptr, nullptr), kBadParameterErr);
    EXPECT_EQ(Doc().ArtCount(), 2u);
    EXPECT_TRUE(Violations().empty());

    EXPECT_EQ(fArt->ReorderArt(path, kPDPlaceBelow, group), kNoErr);
    EXPECT_EQ(Model(path)->parent, nullptr);
    EXPECT_EQ(Doc().Layers()[0]->art[0].get(), Model(path));
    EXPECT_EQ(fArt->ReorderArt(group, kPDPlaceInsideOnTop, path), kBadParameterErr);
    EXPECT_EQ(fArt->ReorderArt(group, 9, nullptr), kBadParameterErr);
}

TEST_F(ArtSuite, GroupsNestDownToTheDocumentsDepthAndNoFurther)
{
    std::vector<PDArtHandle> chain{New(kPDGroupArt, kPDPlaceAboveAll)};
    while (chain.size() < host::kMaxArtDepth) chain.push_back(New(kPDGroupArt, kPDPlaceInsideOnTop, chain.back()));
    const PDArtHandle deepest = chain.back();
    EXPECT_EQ(host::Document::Depth(*Model(deepest)), 256u);

    PDArtHandle art = deepest;
    for (const int type : {kPDGroupArt, kPDPathArt, kPDCompoundPathArt}) {
        EXPECT_EQ(fArt->NewArt(static_cast<int16_t>(type), kPDPlaceInsideOnTop, deepest, &art), kBadParameterErr)
            << type;
        EXPECT_EQ(art, nullptr);
    }
    EXPECT_EQ(Doc().ArtCount(), 256u);
    const PDArtHandle beside = New(kPDPathArt, kPDPlaceAbove, deepest);  // at the same depth
    EXPECT_EQ(host::Document::Depth(*Model(beside)), 256u);

    // A move counts what the moved object holds.
    const PDArtHandle pair = New(kPDGroupArt, kPDPlaceAboveAll);
    const PDArtHandle inside = New(kPDPathArt, kPDPlaceInsideOnTop, pair);
    EXPECT_EQ(fArt->ReorderArt(pair, kPDPlaceInsideOnTop, chain[254]), kBadParameterErr);
    EXPECT_EQ(Model(pair)->parent, nullptr);
    EXPECT_EQ(fArt->ReorderArt(pair, kPDPlaceInsideOnTop, chain[253]), kNoErr);
    EXPECT_EQ(host::Document::Depth(*Model(inside)), 256u);
    EXPECT_TRUE(Violations().empty());
}

TEST_F(ArtSuite, TreeWalkAndMaskedAttributes)
{
    const PDArtHandle group = New(kPDGroupArt, kPDPlaceAboveAll);
    const PDArtHandle first = New(kPDPathArt, kPDPlaceInsideOnTop, group);
    const PDArtHandle second = New(kPDTextArt, kPDPlaceAbove, first);
    PDArtHandle found = nullptr;
    ASSERT_EQ(fArt->GetArtFirstChild(group, &found), kNoErr);
    EXPECT_EQ(found, first);
    ASSERT_EQ(fArt->GetArtSibling(first, &found), kNoErr);
    EXPECT_EQ(found, second);
    ASSERT_EQ(fArt->GetArtSibling(second, &found), kNoErr);
    EXPECT_EQ(found, nullptr);
    ASSERT_EQ(fArt->GetArtParent(second, &found), kNoErr);
    EXPECT_EQ(found, group);
    ASSERT_EQ(fArt->GetArtParent(group, &found), kNoErr);
    EXPECT_EQ(found, nullptr);
    ASSERT_EQ(fArt->GetArtFirstChild(first, &found), kNoErr);
    EXPECT_EQ(found, nullptr);
    PDLayerHandle layer = nullptr;
    ASSERT_EQ(fArt->GetLayerOfArt(second, &layer), kNoErr);
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(layer), Doc().Layers()[0]->serial);
    int16_t type = 0;
    ASSERT_EQ(fArt->GetArtType(second, &type), kNoErr);
    EXPECT_EQ(type, kPDTextArt);

    Model(first)->attributes = kPDArtHidden;
    ASSERT_EQ(fArt->SetArtUserAttr(first, kPDArtSelected | kPDArtLocked, kPDArtSelected | kPDArtHidden), kNoErr);
    EXPECT_EQ(Model(first)->attributes, kPDArtSelected | kPDArtHidden);
    int32_t attr = -1;
    ASSERT_EQ(fArt->GetArtUserAttr(first, kPDArtSelected | kPDArtLocked, &attr), kNoErr);
    EXPECT_EQ(attr, kPDArtSelected);
}

TEST_F(ArtSuite, DeadAndNullHandlesAreRefusedWithoutTouchingThem)
{
    const PDArtHandle group = New(kPDGroupArt, kPDPlaceAboveAll);
    const PDArtHandle child = New(kPDPathArt, kPDPlaceInsideOnTop, group);
    Model(child)->style.fillPaint = true;
    EXPECT_TRUE(fArt->ArtHasFill(child));
    ASSERT_EQ(fArt->DisposeArt(group), kNoErr);

    int16_t type = 0;
    EXPECT_EQ(fArt->GetArtType(child, &type), kBadObjectErr);
    EXPECT_TRUE(Recorded("GetArtType with an unknown or disposed art handle"));
    EXPECT_EQ(fArt->DisposeArt(group), kBadObjectErr);
    EXPECT_TRUE(Recorded("DisposeArt with an unknown or disposed art handle"));
    EXPECT_EQ(fArt->GetArtType(reinterpret_cast<PDArtHandle>(std::uintptr_t{0xdead0}), &type), kBadObjectErr);
    PDArtHandle made = nullptr;
    EXPECT_EQ(fArt->NewArt(kPDPathArt, kPDPlaceAbove, child, &made), kBadObjectErr);
    EXPECT_TRUE(Recorded("NewArt with an unknown or disposed art handle"));
    EXPECT_FALSE(fArt->ArtHasFill(child));
    EXPECT_FALSE(fArt->ArtHasStroke(child));
    EXPECT_EQ(fArt->GetArtType(nullptr, &type), kBadParameterErr);

    // Asking whether a handle lives is no fault.
    fHost.GetChecks().Clear();
    ZBBoolean valid = 1;
    EXPECT_EQ(fArt->ValidArt(child, &valid), kNoErr);
    EXPECT_EQ(valid, 0);
    EXPECT_EQ(fArt->ValidArt(nullptr, &valid), kNoErr);
    EXPECT_EQ(valid, 0);
    const PDArtHandle live = New(kPDPathArt, kPDPlaceAboveAll);
    EXPECT_EQ(fArt->ValidArt(live, &valid), kNoErr);
    EXPECT_EQ(valid, 1);
    EXPECT_TRUE(Violations().empty());
}

TEST_F(ArtSuite, FillAndStrokeComeFromTheStyleOfStyledArtOnly)
{
    const PDArtHandle group = New(kPDGroupArt, kPDPlaceAboveAll);
    const PDArtHandle text = New(kPDTextArt, kPDPlaceAboveAll);
    Model(group)->style.fillPaint = true;
    Model(text)->style.strokePaint = true;
    EXPECT_FALSE(fArt->ArtHasFill(group));
    EXPECT_FALSE(fArt->ArtHasFill(text));
    EXPECT_TRUE(fArt->ArtHasStroke(text));
}

TEST_F(ArtSuite, BoundsInBothPrecisions)
{
    const auto* single = Acquire<host::ArtSuiteLayout<float>>(kPDArtSuite, kPDArtSuiteVersion1016);
    const PDArtHandle group = New(kPDGroupArt, kPDPlaceAboveAll);
    AddPath({{10.25, -3.5}, {100.125, 841.8898}}, Model(group));
    AddPath({{-20.5, 12}}, Model(group));
    PDRealRect bounds{};
    ASSERT_EQ(fArt->GetArtBounds(group, &bounds), kNoErr);
    EXPECT_EQ(bounds.left, -20.5);
    EXPECT_EQ(bounds.top, 841.8898);
    EXPECT_EQ(bounds.right, 100.125);
    EXPECT_EQ(bounds.bottom, -3.5);
    host::RealRect<float> narrow{};
    ASSERT_EQ(single->GetArtBounds(group, &narrow), kNoErr);
    EXPECT_EQ(narrow.left, -20.5f);
    EXPECT_EQ(narrow.top, 841.8898f);
    EXPECT_EQ(narrow.right, 100.125f);
    EXPECT_EQ(narrow.bottom, -3.5f);

    const PDArtHandle empty = New(kPDGroupArt, kPDPlaceAboveAll);
    bounds = {1, 1, 1, 1};
    ASSERT_EQ(fArt->GetArtBounds(empty, &bounds), kNoErr);
    EXPECT_EQ(bounds.left + bounds.top + bounds.right + bounds.bottom, 0);
}

TEST_F(ArtSuite, FaultsAreInjectedByOperationName)
{
    fHost.GetFaults().FailCall("NewArt", kOutOfMemoryErr, 1);
    PDArtHandle art = nullptr;
    EXPECT_EQ(fArt->NewArt(kPDPathArt, kPDPlaceAboveAll, nullptr, &art), kOutOfMemoryErr);
    EXPECT_EQ(Doc().ArtCount(), 0u);
    EXPECT_EQ(fArt->NewArt(kPDPathArt, kPDPlaceAboveAll, nullptr, &art), kNoErr);
}
