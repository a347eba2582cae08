#include "LargeDocument.h"

#include <cmath>
#include <string>

#include "TalvexPanelProtocol.h"

namespace soak {
namespace {

constexpr double kPageWidth = 841.89;  // A3
constexpr double kPageHeight = 1190.55;

// A cheap, repeatable spread of numbers in [0, 1) from a counter.
double Spread(unsigned n)
{
    const double x = std::sin(static_cast<double>(n) * 12.9898) * 43758.5453;
    return x - std::floor(x);
}

class Generator {
public:
    explicit Generator(host::Document& document) : fDocument(document) {}

    void Path(host::Art* parent)
    {
        host::Art* art = parent ? fDocument.NewArt(host::ArtKind::Path, host::PaintOrder::InsideOnTop, parent)
                                : fDocument.NewArt(host::ArtKind::Path, host::PaintOrder::AboveAll, nullptr);
        const unsigned n = fCount++;
        Shape(*art, n);
        art->id = "p" + std::to_string(n);
        art->style.fillPaint = n % 3 != 0;
        art->style.strokePaint = n % 2 == 0;
        art->style.strokeColor = {3, {0.1, 0.2, 0.3, 0}};
        art->style.fillColor = {2, {10, 20, 30, 0}};
        art->style.strokeWidth = 0.25 + 0.25 * (n % 5);
        if (n % 7 == 0) art->tags.push_back({kCutMarkTagName, "string", "0001"});
        if (n % 13 == 0) {
            art->tags.push_back({kCutMarkTagName, "string", "0001"});
            art->tags.push_back({kPerforationMarkTagName, "string", "0001"});
        }
        if (n % 97 == 0) art->attributes |= host::kAttrLocked;
    }

    void Compound(host::Art* parent)
    {
        host::Art* compound = fDocument.NewArt(host::ArtKind::CompoundPath, host::PaintOrder::InsideOnTop, parent);
        compound->id = "c" + std::to_string(fCount);
        compound->style.fillPaint = true;
        compound->style.evenOdd = true;
        for (int part = 0; part < 2; ++part) {
            host::Art* art = fDocument.NewArt(host::ArtKind::Path, host::PaintOrder::InsideOnTop, compound);
            Shape(*art, fCount++);
            art->closed = true;
        }
    }

    void Text()
    {
        host::Art* art = fDocument.NewArt(host::ArtKind::Text, host::PaintOrder::AboveAll, nullptr);
        art->id = "t" + std::to_string(fCount);
        art->text = "Soak " + std::to_string(fCount++);
        art->textOrigin = {100, 100 + 10.0 * static_cast<double>(fDocument.Layers().size())};
        art->fontSize = 24;
        art->fontFamily = "DejaVu Sans";
        art->style.fillPaint = true;
    }

private:
    // Three to ten anchors around a spot of the page, every eighth path curved, every other one closed. The
    // host's outlining and offsetting flatten curves into many pieces and unite them all, which is slow: the
    // curves are few and gentle.
    void Shape(host::Art& art, unsigned n)
    {
        const double h = 20 + Spread(2 * n) * (kPageWidth - 80);
        const double v = 20 + Spread(2 * n + 1) * (kPageHeight - 80);
        const int anchors = 3 + static_cast<int>(n % 8);
        const bool curved = n % 8 == 0;
        for (int a = 0; a < anchors; ++a) {
            const double angle = 6.2832 * a / anchors;
            const double radius = 5 + 15 * Spread(n * 31 + static_cast<unsigned>(a));
            const host::Point p{h + radius * std::cos(angle), v + radius * std::sin(angle)};
            const host::Point in = curved ? host::Point{p.h - 2, p.v + 1.5} : p;
            const host::Point out = curved ? host::Point{p.h + 2, p.v - 1.5} : p;
            art.segments.push_back({p, in, out, !curved});
        }
        art.closed = n % 4 < 2;
    }

    host::Document& fDocument;
    unsigned fCount = 0;
};

}  // namespace

std::unique_ptr<host::Document> LargeDocument(const DocumentShape& shape)
{
    auto document = std::make_unique<host::Document>(kPageWidth, kPageHeight);
    document->SetOrigin({12.5, -30.25});
    Generator generator(*document);
    for (int l = 0; l < shape.layers; ++l) {
        host::Layer& layer = document->AddLayer("Layer " + std::to_string(l + 1));
        document->SetCurrentLayer(&layer);
        for (int g = 0; g < shape.groupsPerLayer; ++g) {
            host::Art* group = document->NewArt(host::ArtKind::Group, host::PaintOrder::AboveAll, nullptr);
            for (int p = 0; p < shape.pathsPerGroup; ++p) generator.Path(group);
            generator.Compound(group);
        }
        for (int p = 0; p < shape.loosePathsPerLayer; ++p) generator.Path(nullptr);
        generator.Text();
    }
    document->SetCurrentLayer(document->Layers().front().get());
    return document;
}

int PathCount(const DocumentShape& shape)
{
    return shape.layers * (shape.groupsPerLayer * (shape.pathsPerGroup + 2) + shape.loosePathsPerLayer);
}

}  // namespace soak
