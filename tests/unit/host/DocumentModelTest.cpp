// The document model: paint orders, moves, disposal and the serial numbers that plug-ins see as handles.
#include <gtest/gtest.h>

#include <string>

#include "host/Document.h"

using host::Art;
using host::ArtKind;
using host::PaintOrder;

namespace {

// The ids of a list, bottom to top, with the contents of groups in brackets.
std::string Ids(const std::vector<std::unique_ptr<Art>>& list)
{
    std::string text;
    for (const auto& art : list) {
        if (!text.empty()) text += " ";
        text += art->id;
        if (!art->children.empty()) text += "[" + Ids(art->children) + "]";
    }
    return text;
}

Art* Make(host::Document& document, const char* id, ArtKind kind, PaintOrder order, Art* reference)
{
    Art* art = document.NewArt(kind, order, reference);
    if (art) art->id = id;
    return art;
}

}  // namespace

TEST(DocumentModel, PaintOrdersPlaceNewArtRelativeToTheReference)
{
    host::Document document(100, 100);
    Art* a = Make(document, "a", ArtKind::Path, PaintOrder::AboveAll, nullptr);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(document.Layers().size(), 1u);
    EXPECT_EQ(document.Layers()[0]->name, "Layer 1");
    Make(document, "b", ArtKind::Path, PaintOrder::Above, a);
    Make(document, "c", ArtKind::Path, PaintOrder::Below, a);
    Art* g = Make(document, "g", ArtKind::Group, PaintOrder::BelowAll, nullptr);
    Make(document, "g1", ArtKind::Path, PaintOrder::InsideOnTop, g);
    Make(document, "g0", ArtKind::Text, PaintOrder::InsideOnBottom, g);
    Make(document, "g2", ArtKind::Path, PaintOrder::AboveAll, g->children[0].get());
    EXPECT_EQ(Ids(document.Layers()[0]->art), "g[g0 g1 g2] c a b");

    // Orders that cannot be applied make nothing and use up no live object.
    const std::size_t count = document.ArtCount();
    Art* compound = Make(document, "cp", ArtKind::CompoundPath, PaintOrder::AboveAll, nullptr);
    EXPECT_EQ(document.NewArt(ArtKind::Path, PaintOrder::InsideOnTop, a), nullptr);
    EXPECT_EQ(document.NewArt(ArtKind::Group, PaintOrder::InsideOnTop, compound), nullptr);
    EXPECT_EQ(document.NewArt(ArtKind::Path, PaintOrder::Above, nullptr), nullptr);
    EXPECT_NE(document.NewArt(ArtKind::Path, PaintOrder::InsideOnTop, compound), nullptr);
    EXPECT_EQ(document.ArtCount(), count + 2);
}

TEST(DocumentModel, ReorderMovesWithinAndAcrossListsButNeverIntoItself)
{
    host::Document document(100, 100);
    Art* a = Make(document, "a", ArtKind::Path, PaintOrder::AboveAll, nullptr);
    Art* b = Make(document, "b", ArtKind::Path, PaintOrder::AboveAll, nullptr);
    Art* c = Make(document, "c", ArtKind::Path, PaintOrder::AboveAll, nullptr);
    Art* g = Make(document, "g", ArtKind::Group, PaintOrder::AboveAll, nullptr);
    Art* inner = Make(document, "h", ArtKind::Group, PaintOrder::InsideOnTop, g);
    const auto& top = document.Layers()[0]->art;

    EXPECT_TRUE(document.Reorder(a, PaintOrder::Above, c));
    EXPECT_EQ(Ids(top), "b c a g[h]");
    EXPECT_TRUE(document.Reorder(a, PaintOrder::Below, b));
    EXPECT_EQ(Ids(top), "a b c g[h]");
    EXPECT_TRUE(document.Reorder(b, PaintOrder::InsideOnBottom, inner));
    EXPECT_EQ(b->parent, inner);
    EXPECT_EQ(Ids(top), "a c g[h[b]]");
    EXPECT_TRUE(document.Reorder(b, PaintOrder::BelowAll, nullptr));
    EXPECT_EQ(b->parent, nullptr);
    EXPECT_EQ(Ids(top), "b a c g[h]");

    EXPECT_FALSE(document.Reorder(g, PaintOrder::InsideOnTop, inner));
    EXPECT_FALSE(document.Reorder(g, PaintOrder::InsideOnTop, g));
    EXPECT_FALSE(document.Reorder(a, PaintOrder::InsideOnTop, c));
    EXPECT_EQ(Ids(top), "b a c g[h]");

    host::Layer& second = document.AddLayer("Layer 2");
    document.SetCurrentLayer(&second);
    EXPECT_TRUE(document.Reorder(g, PaintOrder::AboveAll, nullptr));
    EXPECT_EQ(inner->layer, &second);
    EXPECT_EQ(Ids(second.art), "g[h]");
}

TEST(DocumentModel, DisposingAGroupKillsItsContentsAndNoSerialIsGivenTwice)
{
    host::Document document(100, 100);
    Art* g = Make(document, "g", ArtKind::Group, PaintOrder::AboveAll, nullptr);
    Art* child = Make(document, "p", ArtKind::Path, PaintOrder::InsideOnTop, g);
    Art* grandchild = Make(document, "q", ArtKind::Path, PaintOrder::InsideOnTop,
                           Make(document, "cp", ArtKind::CompoundPath, PaintOrder::InsideOnTop, g));
    const uint64_t serials[] = {g->serial, child->serial, grandchild->serial};
    document.Dispose(g);
    for (uint64_t serial : serials) EXPECT_EQ(document.Find(serial), nullptr) << serial;
    EXPECT_EQ(document.ArtCount(), 0u);

    Art* next = Make(document, "n", ArtKind::Path, PaintOrder::AboveAll, nullptr);
    for (uint64_t serial : serials) EXPECT_GT(next->serial, serial);
    EXPECT_NE(next->serial, document.Layers()[0]->serial);
    EXPECT_EQ(document.Find(next->serial), next);
}

TEST(DocumentModel, WalkGoesLayerByLayerBottomToTopWithGroupsBeforeTheirContents)
{
    host::Document document(100, 100);
    Make(document, "a", ArtKind::Path, PaintOrder::AboveAll, nullptr);
    Art* g = Make(document, "g", ArtKind::Group, PaintOrder::AboveAll, nullptr);
    Make(document, "g1", ArtKind::Path, PaintOrder::InsideOnTop, g);
    Make(document, "g0", ArtKind::Path, PaintOrder::InsideOnBottom, g);
    document.SetCurrentLayer(&document.AddLayer("Layer 2"));
    Make(document, "z", ArtKind::Text, PaintOrder::AboveAll, nullptr);
    std::string order;
    for (const Art* art : document.AllArt()) order += art->id + " ";
    EXPECT_EQ(order, "a g g0 g1 z ");
}
