// The document model: paint orders, moves, disposal and the serial numbers that plug-ins see as handles.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

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

namespace {

// Every list's objects know their place, their parent and their layer; every live serial finds its object.
std::string Inconsistency(const host::Document& document)
{
    std::string problem;
    std::size_t count = 0;
    std::function<void(const std::vector<std::unique_ptr<Art>>&, host::Layer*, Art*)> check =
        [&](const std::vector<std::unique_ptr<Art>>& list, host::Layer* layer, Art* parent) {
            for (std::size_t i = 0; i < list.size(); ++i) {
                const Art& art = *list[i];
                ++count;
                if (document.PlaceOf(art) != i)
                    problem +=
                        art.id + " place " + std::to_string(document.PlaceOf(art)) + " at " + std::to_string(i) + "; ";
                if (art.layer != layer || art.parent != parent) problem += art.id + " misplaced; ";
                if (document.Find(art.serial) != &art) problem += art.id + " not found by serial; ";
                check(art.children, layer, const_cast<Art*>(&art));
            }
        };
    for (const auto& layer : document.Layers()) check(layer->art, layer.get(), nullptr);
    if (count != document.ArtCount())
        problem += "count " + std::to_string(document.ArtCount()) + " for " + std::to_string(count);
    return problem;
}

}  // namespace

// A long mix of new art in every paint order, moves and disposals keeps every object's place, its parent and
// layer, and the serials: a disposed object's serial finds nothing and none is given twice.
TEST(DocumentModel, MixedInsertsMovesAndDisposalsKeepPlacesAndSerials)
{
    host::Document document(100, 100);
    document.AddLayer("one");
    document.AddLayer("two");
    std::vector<Art*> live;
    std::vector<uint64_t> dead;
    uint64_t last = 0;
    unsigned seed = 12345;
    auto next = [&seed](unsigned range) {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) % range;
    };
    constexpr PaintOrder kOrders[] = {PaintOrder::Above,          PaintOrder::Below,    PaintOrder::InsideOnTop,
                                      PaintOrder::InsideOnBottom, PaintOrder::AboveAll, PaintOrder::BelowAll};
    for (int step = 0; step < 3000; ++step) {
        const unsigned what = next(10);
        Art* reference = live.empty() || next(4) == 0 ? nullptr : live[next(static_cast<unsigned>(live.size()))];
        const PaintOrder order = kOrders[next(6)];
        if (what < 6 || live.empty()) {
            document.SetCurrentLayer(document.Layers()[next(2)].get());
            Art* made = document.NewArt(next(3) == 0 ? ArtKind::Path : ArtKind::Group, order, reference);
            if (!made) continue;
            EXPECT_GT(made->serial, last);
            last = made->serial;
            made->id = "a" + std::to_string(step);
            live.push_back(made);
        } else if (what < 9) {
            document.Reorder(live[next(static_cast<unsigned>(live.size()))], order, reference);
        } else {
            Art* gone = live[next(static_cast<unsigned>(live.size()))];
            // What it holds goes with it.
            std::vector<Art*> inside;
            std::function<void(Art*)> collect = [&](Art* art) {
                inside.push_back(art);
                for (auto& child : art->children) collect(child.get());
            };
            collect(gone);
            for (Art* art : inside) {
                dead.push_back(art->serial);
                live.erase(std::find(live.begin(), live.end(), art));
            }
            document.Dispose(gone);
        }
        const std::string problem = Inconsistency(document);
        ASSERT_EQ(problem, "") << "after step " << step;
    }
    for (const uint64_t serial : dead) EXPECT_EQ(document.Find(serial), nullptr);
    // The id index follows the changes, and a renamed object is found by its new id.
    for (Art* art : live) ASSERT_EQ(document.FindById(art->id), art);
    live.front()->id = "renamed";
    EXPECT_EQ(document.FindById("renamed"), live.front());
    EXPECT_EQ(document.FindById("a0"), nullptr);
}

// Ids repeat in files; the first in document order is found, also after the first one moves behind the second.
TEST(DocumentModel, FindByIdGivesTheFirstInDocumentOrder)
{
    host::Document document(100, 100);
    Art* first = Make(document, "same", ArtKind::Path, PaintOrder::AboveAll, nullptr);
    Art* second = Make(document, "same", ArtKind::Path, PaintOrder::AboveAll, nullptr);
    EXPECT_EQ(document.FindById("same"), first);
    ASSERT_TRUE(document.Reorder(first, PaintOrder::AboveAll, nullptr));
    EXPECT_EQ(document.FindById("same"), second);
    document.Dispose(second);
    EXPECT_EQ(document.FindById("same"), first);
    EXPECT_EQ(document.FindById(""), nullptr);
}
