// Writing SVG: the exact text, the round trip of every feature, exact copies where plain SVG rounds, files.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <limits>
#include <sstream>

#include "SvgTestSupport.h"

using namespace svgtest;
using host::Art;
using host::ArtKind;
using host::Color;
using host::Document;
using host::PaintOrder;
using host::Segment;

namespace {

Segment Corner(double h, double v) { return {{h, v}, {h, v}, {h, v}, true}; }
Segment Smooth(host::Point p, host::Point in, host::Point out) { return {p, in, out, false}; }

Art* Add(Document& document, ArtKind kind, Art* inside = nullptr)
{
    return inside ? document.NewArt(kind, PaintOrder::InsideOnTop, inside)
                  : document.NewArt(kind, PaintOrder::AboveAll, nullptr);
}

std::string Slurp(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// A directory of its own for each test.
std::filesystem::path ScratchDirectory()
{
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    const auto directory = std::filesystem::path(MARKPLUG_APP_DIR).parent_path() / "svg-test-files" / test->name();
    std::filesystem::remove_all(directory);
    std::filesystem::create_directories(directory);
    return directory;
}

void ExpectSameColor(const Color& a, const Color& b, const std::string& where)
{
    EXPECT_EQ(a.kind, b.kind) << where;
    for (int i = 0; i < 4; ++i) EXPECT_EQ(a.values[i], b.values[i]) << where << " value " << i;
}

void ExpectSameStyle(const host::Style& a, const host::Style& b, const std::string& where)
{
    EXPECT_EQ(a.fillPaint, b.fillPaint) << where;
    EXPECT_EQ(a.strokePaint, b.strokePaint) << where;
    ExpectSameColor(a.fillColor, b.fillColor, where + " fill");
    ExpectSameColor(a.strokeColor, b.strokeColor, where + " stroke");
    EXPECT_EQ(a.fillOverprint, b.fillOverprint) << where;
    EXPECT_EQ(a.strokeOverprint, b.strokeOverprint) << where;
    EXPECT_EQ(a.strokeWidth, b.strokeWidth) << where;
    EXPECT_EQ(a.dashLength, b.dashLength) << where;
    for (int i = 0; i < 6; ++i) EXPECT_EQ(a.dash[i], b.dash[i]) << where;
    EXPECT_EQ(a.dashOffset, b.dashOffset) << where;
    EXPECT_EQ(a.cap, b.cap) << where;
    EXPECT_EQ(a.join, b.join) << where;
    EXPECT_EQ(a.miterLimit, b.miterLimit) << where;
    EXPECT_EQ(a.clip, b.clip) << where;
    EXPECT_EQ(a.lockClip, b.lockClip) << where;
    EXPECT_EQ(a.evenOdd, b.evenOdd) << where;
    EXPECT_EQ(a.resolution, b.resolution) << where;
}

void ExpectSameArt(const Art& a, const Art& b, const std::string& where)
{
    ASSERT_EQ(a.kind, b.kind) << where;
    EXPECT_EQ(a.id, b.id) << where;
    EXPECT_EQ(a.attributes & ~host::kAttrSelected, b.attributes) << where;  // the selection is not saved
    ASSERT_EQ(a.tags.size(), b.tags.size()) << where;
    for (std::size_t i = 0; i < a.tags.size(); ++i) {
        EXPECT_EQ(a.tags[i].name, b.tags[i].name) << where;
        EXPECT_EQ(a.tags[i].type, b.tags[i].type) << where;
        EXPECT_EQ(a.tags[i].value, b.tags[i].value) << where;
    }
    ExpectSameStyle(a.style, b.style, where);
    EXPECT_EQ(a.closed, b.closed) << where;
    ASSERT_EQ(a.segments.size(), b.segments.size()) << where;
    for (std::size_t i = 0; i < a.segments.size(); ++i) {
        const Segment &s = a.segments[i], &t = b.segments[i];
        const std::string at = where + " segment " + std::to_string(i);
        EXPECT_EQ(Pt(s.p), Pt(t.p)) << at;
        EXPECT_EQ(Pt(s.in), Pt(t.in)) << at;
        EXPECT_EQ(Pt(s.out), Pt(t.out)) << at;
        EXPECT_EQ(s.corner, t.corner) << at;
    }
    EXPECT_EQ(a.text, b.text) << where;
    EXPECT_EQ(Pt(a.textOrigin), Pt(b.textOrigin)) << where;
    EXPECT_EQ(a.fontSize, b.fontSize) << where;
    EXPECT_EQ(a.fontFamily, b.fontFamily) << where;
    ASSERT_EQ(a.children.size(), b.children.size()) << where;
    for (std::size_t i = 0; i < a.children.size(); ++i)
        ExpectSameArt(*a.children[i], *b.children[i], where + "/" + std::to_string(i));
}

void ExpectSameDocument(const Document& a, const Document& b)
{
    EXPECT_EQ(a.PageWidth(), b.PageWidth());
    EXPECT_EQ(a.PageHeight(), b.PageHeight());
    EXPECT_EQ(Pt(a.Origin()), Pt(b.Origin()));
    ASSERT_EQ(a.Layers().size(), b.Layers().size());
    for (std::size_t i = 0; i < a.Layers().size(); ++i) {
        const host::Layer &x = *a.Layers()[i], &y = *b.Layers()[i];
        EXPECT_EQ(x.name, y.name);
        EXPECT_EQ(x.id, y.id);
        EXPECT_EQ(x.locked, y.locked);
        EXPECT_EQ(x.visible, y.visible);
        ASSERT_EQ(x.art.size(), y.art.size()) << x.name;
        for (std::size_t k = 0; k < x.art.size(); ++k)
            ExpectSameArt(*x.art[k], *y.art[k], x.name + "/" + std::to_string(k));
    }
    ASSERT_NE(b.CurrentLayer(), nullptr);
    EXPECT_EQ(a.CurrentLayer()->name, b.CurrentLayer()->name);
}

// Every feature the file keeps, with numbers that plain SVG would round.
std::unique_ptr<Document> RichDocument()
{
    auto document = std::make_unique<Document>(595.2756, 841.8898);
    document->SetOrigin({12.345, -6.789});
    host::Layer& marks = document->AddLayer("Marks & <cuts>");
    marks.id = "marks";
    marks.locked = true;
    host::Layer& art = document->AddLayer("Artwork");
    host::Layer& hidden = document->AddLayer("Hidden");
    hidden.visible = false;
    document->SetCurrentLayer(&marks);

    Art* mark = Add(*document, ArtKind::Path);
    mark->id = "mark1";
    mark->segments = {Smooth({56.6929, 666.142}, {56.6929, 663.0108}, {56.6929, 669.2732}),
                      Smooth({59.8241, 666.142}, {59.8241, 669.2732}, {59.8241, 663.0108})};
    mark->closed = true;
    mark->style.fillPaint = true;
    mark->style.fillColor = {2, {0, 0, 0, 100}};
    mark->style.fillOverprint = true;
    mark->style.strokePaint = true;
    mark->style.strokeColor = {2, {10, 20.5, 30, 40}};
    mark->style.strokeWidth = 0.3;
    mark->attributes = host::kAttrLocked | host::kAttrSelected;
    mark->tags = {{"TalvexCropMark", "string", "1"}, {"note", "string", "a \"quoted\"\nline\tand tab"}};

    document->SetCurrentLayer(&art);
    Art* group = Add(*document, ArtKind::Group);
    group->id = "group";
    group->style.strokePaint = true;
    group->style.strokeColor = {3, {0.3, 0.6, 0.9, 0}};
    group->style.dashLength = 3;
    group->style.dash[0] = 1.5;
    group->style.dash[1] = 0.25;
    group->style.dash[2] = 3;
    group->style.dashOffset = -0.5;
    group->tags = {{"count", "integer", "3"}};
    Art* open = Add(*document, ArtKind::Path, group);
    open->style = group->style;
    open->style.cap = 2;
    open->style.join = 1;
    open->style.miterLimit = 10;
    // Open ends with handles of their own, and a smooth anchor flagged as a corner.
    open->segments = {Smooth({1.1, 2.2}, {0.5, 0.25}, {3.3, 4.4}),
                      {{5.5, 6.6}, {4.4, 6.6}, {6.6, 6.6}, true},
                      Smooth({7.7, 1e-7}, {7, -1}, {9.9, 1e300})};
    Art* inner = Add(*document, ArtKind::Group, group);
    inner->attributes = host::kAttrHidden;
    Art* single = Add(*document, ArtKind::Path, inner);
    single->segments = {Corner(100, 100)};
    Add(*document, ArtKind::Path, inner);   // no segments at all
    Add(*document, ArtKind::Group, group);  // an empty group

    Art* compound = Add(*document, ArtKind::CompoundPath);
    compound->id = "rings";
    compound->style.fillPaint = true;
    compound->style.fillColor = {1, {0.25, 0, 0, 0}};
    compound->style.evenOdd = true;
    compound->style.clip = true;
    compound->style.lockClip = true;
    compound->style.resolution = 2400;
    for (int k = 0; k < 3; ++k) {
        Art* ring = Add(*document, ArtKind::Path, compound);
        ring->style = compound->style;
        // A closed path whose closing curve is not straight, and one with a last anchor on its first.
        ring->segments = {Smooth({10.0 + k, 10}, {10.0 + k, 5}, {10.0 + k, 15}), Corner(20.0 + k, 10.5),
                          Corner(10.0 + k, 10)};
        ring->closed = true;
    }
    compound->children[1]->id = "middle";
    compound->children[1]->tags = {{"TalvexCropMark", "boolean", "true"}};
    compound->children[2]->attributes = host::kAttrLocked;
    compound->children[2]->style.fillColor = {3, {0, 0, 1, 0}};
    compound->children[2]->segments[0].corner = true;

    Art* lone = Add(*document, ArtKind::CompoundPath);  // a compound path of one path
    lone->style.fillPaint = false;
    lone->style.fillColor = {0, {1, 2, 3, 4}};  // no paint, yet a colour kept
    Art* only = Add(*document, ArtKind::Path, lone);
    only->style = lone->style;
    only->segments = {Corner(0.1, 0.2), Corner(0.3, 0.4)};

    Art* text = Add(*document, ArtKind::Text);
    text->id = "label";
    text->text = "  Cut & <weed>\n\"twice\"\r ";
    text->textOrigin = {100.7, 200.3};
    text->fontSize = 9.5;
    text->fontFamily = "DejaVu Sans";
    text->style.fillPaint = true;
    text->style.fillColor = {3, {0.5, 0.5, 0.5, 0}};
    text->tags = {{"kind", "string", "label"}};

    document->SetCurrentLayer(&hidden);
    Art* plain = Add(*document, ArtKind::Text);
    plain->text = "x";
    document->SetCurrentLayer(&art);
    return document;
}

}  // namespace

TEST(SvgWrite, WritesLayersPathsTextStylesAndHostFactsExactly)
{
    Document document(200, 100);
    document.SetOrigin({10, 20});
    host::Layer& cut = document.AddLayer("Cut");
    cut.id = "cut";
    host::Layer& back = document.AddLayer("Back");
    back.locked = true;
    back.visible = false;
    document.SetCurrentLayer(&cut);

    Art* triangle = Add(document, ArtKind::Path);
    triangle->id = "p1";
    triangle->segments = {Corner(0, 0), Corner(30, 0), Corner(30, 40)};
    triangle->closed = true;
    triangle->style.fillPaint = true;
    triangle->style.fillColor = {2, {0, 0, 0, 100}};
    triangle->style.fillOverprint = true;
    triangle->attributes = host::kAttrLocked | host::kAttrSelected;
    triangle->tags = {{"TalvexCropMark", "string", "1"}};

    Art* group = Add(document, ArtKind::Group);
    group->style.strokePaint = true;
    group->style.strokeColor = {3, {1, 0, 0, 0}};
    group->style.strokeWidth = 0.5;
    Art* line = Add(document, ArtKind::Path, group);
    line->style = group->style;  // the same as its group: nothing to write
    line->segments = {Corner(-10, 80), Corner(0, 0)};
    Art* dashed = Add(document, ArtKind::Path, group);
    dashed->style = group->style;
    dashed->style.dashLength = 2;
    dashed->style.dash[0] = 4;
    dashed->style.dash[1] = 2;
    dashed->style.cap = 1;
    dashed->segments = {{{0, 0}, {0, 0}, {10, 0}, true}, {{20, 10}, {20, 0}, {20, 10}, true}};

    Art* text = Add(document, ArtKind::Text);
    text->text = "A & <b>";
    text->textOrigin = {5, 7};
    text->fontFamily = "Sans";

    EXPECT_EQ(
        host::WriteSvgText(document),
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:inkscape=\"http://www.inkscape.org/namespaces/inkscape\" "
        "xmlns:pd=\"urn:pendrake:document\" width=\"200pt\" height=\"100pt\" viewBox=\"0 0 200 100\" "
        "pd:origin=\"10 20\" pd:current-layer=\"Cut\">\n"
        "  <g id=\"cut\" inkscape:groupmode=\"layer\" inkscape:label=\"Cut\">\n"
        "    <path id=\"p1\" d=\"M 10 80 C 10 80 40 80 40 80 C 40 80 40 40 40 40 Z\" fill=\"#000000\" "
        "pd:fill-color=\"2 0 0 0 100\" pd:fill-overprint=\"true\" pd:locked=\"true\">"
        "<pd:tag name=\"TalvexCropMark\" type=\"string\" value=\"1\"/></path>\n"
        "    <g fill=\"none\" stroke=\"#ff0000\" stroke-width=\"0.5\">\n"
        "      <path d=\"M 0 0 C 0 0 10 80 10 80\"/>\n"
        "      <path d=\"M 10 80 C 20 80 30 80 30 70\" stroke-dasharray=\"4 2\" stroke-linecap=\"round\"/>\n"
        "    </g>\n"
        "    <text x=\"15\" y=\"73\" font-size=\"12\" font-family=\"Sans\" xml:space=\"preserve\" fill=\"none\">"
        "A &amp; &lt;b&gt;</text>\n"
        "  </g>\n"
        "  <g inkscape:groupmode=\"layer\" inkscape:label=\"Back\" pd:locked=\"true\" display=\"none\"/>\n"
        "</svg>\n");
}

TEST(SvgWrite, ReadingWhatWasWrittenGivesTheSameDocument)
{
    const auto original = RichDocument();
    const std::string text = host::WriteSvgText(*original);
    const auto copy = Read(text);
    ExpectSameDocument(*original, *copy);
    EXPECT_EQ(host::WriteSvgText(*copy), text);
    // The rounded numbers needed their exact copies.
    EXPECT_NE(text.find("pd:segments="), std::string::npos);
    EXPECT_NE(text.find("pd:text-origin="), std::string::npos);
    EXPECT_NE(text.find("<pd:part index=\"1\" id=\"middle\"><pd:tag name=\"TalvexCropMark\" type=\"boolean\" "
                        "value=\"true\"/></pd:part>"),
              std::string::npos);
    EXPECT_NE(text.find("pd:compound=\"true\""), std::string::npos);
}

TEST(SvgWrite, MultibyteTextNamesAndTagsGoThroughUnchangedByteForByte)
{
    const std::string file =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:inkscape=\"http://www.inkscape.org/namespaces/inkscape\" "
        "xmlns:pd=\"urn:pendrake:document\" width=\"200pt\" height=\"100pt\" viewBox=\"0 0 200 100\" "
        "pd:origin=\"10 20\" pd:current-layer=\"\u00C9bauche \u2702\">\n"
        "  <g id=\"calque\" inkscape:groupmode=\"layer\" inkscape:label=\"\u00C9bauche \u2702\">\n"
        "    <text id=\"\u00E9toile\" x=\"15\" y=\"73\" font-size=\"12\" font-family=\"Noto Sans \u65E5\u672C\" "
        "xml:space=\"preserve\" fill=\"none\"><pd:tag name=\"Schnittmarke\u00B71\" type=\"string\" "
        "value=\"ja \u2713\"/>Gr\u00FC\u00DFe \u2013 \u65E5\u672C \U0001D11E</text>\n"
        "  </g>\n"
        "</svg>\n";
    const auto document = Read(file);
    const Art& text = First(*document);
    EXPECT_EQ(text.text,
              "Gr\xC3\xBC\xC3\x9F"
              "e \xE2\x80\x93 \xE6\x97\xA5\xE6\x9C\xAC \xF0\x9D\x84\x9E");
    EXPECT_EQ(text.tags.at(0).name,
              "Schnittmarke\xC2\xB7"
              "1");
    EXPECT_EQ(host::WriteSvgText(*document), file);
}

TEST(SvgWrite, ExactCopiesAreWrittenOnlyWhereNeededAndOnlyBelieveMatchingPathData)
{
    // Integral coordinates, corners where the geometry has them, plain RGB: plain SVG is exact.
    Document document(100, 100);
    Art* path = Add(document, ArtKind::Path);
    path->segments = {Corner(0, 0), Smooth({10, 10}, {0, 10}, {20, 10}), Corner(30, 0)};
    path->style.fillPaint = true;
    path->style.fillColor = {3, {1, 0.2, 0, 0}};  // 51/255
    const std::string plain = host::WriteSvgText(document);
    EXPECT_EQ(plain.find("pd:segments"), std::string::npos) << plain;
    EXPECT_EQ(plain.find("pd:fill-color"), std::string::npos) << plain;
    ExpectSameDocument(document, *Read(plain));

    // A smooth anchor flagged as a corner: the flag needs the exact copy.
    path->segments[1].corner = true;
    const std::string flagged = host::WriteSvgText(document);
    EXPECT_NE(flagged.find("pd:segments=\"0 0 0 0 0 0 1 10 10 0 10 20 10 1 30 0 30 0 30 0 1\""), std::string::npos);
    EXPECT_TRUE(Read(flagged)->Layers()[0]->art[0]->segments[1].corner);

    // Path data changed by another editor: the exact copy no longer belongs to it and is passed over.
    const auto edited = Read(Page(R"(<path d="M 10 80 L 30 80" pd:segments="0 60 0 60 0 60 0 20 60 20 60 20 60 0"/>)"));
    EXPECT_EQ(Anchors(First(*edited)), "0 0*, 20 0*");
    const auto kept = Read(Page(R"(<path d="M 10 80 L 30 80" pd:segments="0 0 0 0 0 0 0 20 0 20 0 20 0 0"/>)"));
    EXPECT_EQ(Anchors(First(*kept)), "0 0, 20 0");
    // An exact colour that no longer shows as the visible one is passed over too.
    const auto recoloured = Read(Page(R"(<path d="M 0 0" fill="#ff0000" pd:fill-color="2 0 0 0 100"/>)"));
    EXPECT_EQ(First(*recoloured).style.fillColor.kind, 3);
}

TEST(SvgWrite, RefusesWhatNoFileCouldCarryBack)
{
    auto refusal = [](const Document& document) {
        try {
            host::WriteSvgText(document);
        } catch (const host::SvgError& error) {
            return std::string(error.what());
        }
        return std::string("no error");
    };
    Document document(100, 100);
    Art* path = Add(document, ArtKind::Path);
    path->segments = {Corner(std::numeric_limits<double>::quiet_NaN(), 0)};
    EXPECT_EQ(refusal(document), "cannot write object 2: a number that is not finite cannot be written");
    path->segments = {Corner(0, 0)};
    path->id = "p";
    path->style.fillColor.kind = 7;
    EXPECT_EQ(refusal(document), "cannot write object \"p\": colour kind 7 is not one the host knows");
    path->style.fillColor.kind = 3;
    path->tags = {{"n", "string", "caf\xE9"}};
    EXPECT_EQ(refusal(document), "cannot write object \"p\": text that is not valid UTF-8 cannot be written");
    path->tags.clear();
    path->id = "\xFF";  // named by its handle instead
    EXPECT_EQ(refusal(document), "cannot write object 2: text that is not valid UTF-8 cannot be written");
    path->id = "p";
    document.Layers()[0]->name = "\xC0\xAF";
    EXPECT_EQ(refusal(document), "cannot write the document: text that is not valid UTF-8 cannot be written");
    document.Layers()[0]->name = "Layer 1";
    Add(document, ArtKind::Placed);
    EXPECT_EQ(refusal(document), "cannot write object 3: placed art needs a frame of four corners");
    EXPECT_EQ(refusal(Document(0, 100)), "cannot write the document: the page size is not positive");
}

TEST(SvgWrite, FilesAreReplacedWholeAndFailuresNameTheFile)
{
    const auto directory = ScratchDirectory();
    const auto path = directory / "doc.svg";
    const auto original = RichDocument();
    {
        std::ofstream old(path);
        old << "old";
    }
    host::WriteSvgFile(*original, path.string());
    EXPECT_EQ(Slurp(path), host::WriteSvgText(*original));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(directory), std::filesystem::directory_iterator()), 1);
    const auto copy = host::ReadSvgFile(path.string());
    EXPECT_EQ(copy->FileName(), path.string());
    ExpectSameDocument(*original, *copy);

    const std::string missing = (directory / "no" / "doc.svg").string();
    try {
        host::WriteSvgFile(*original, missing);
        ADD_FAILURE() << "no error";
    } catch (const host::SvgError& error) {
        EXPECT_EQ(std::string(error.what()), "cannot write " + missing + ": No such file or directory");
    }
    try {
        host::ReadSvgFile(missing);
        ADD_FAILURE() << "no error";
    } catch (const host::SvgError& error) {
        EXPECT_EQ(std::string(error.what()), missing + ": cannot open the file: No such file or directory");
    }
    std::filesystem::remove_all(directory);
}

TEST(SvgWrite, AWrittenFileRendersCleanly)
{
    if (std::system("command -v rsvg-convert >/dev/null 2>&1") != 0) GTEST_SKIP() << "rsvg-convert is not installed";
    const auto directory = ScratchDirectory();
    host::WriteSvgFile(*RichDocument(), (directory / "doc.svg").string());
    const std::string command = "rsvg-convert -o '" + (directory / "doc.png").string() + "' '" +
                                (directory / "doc.svg").string() + "' 2>'" + (directory / "errors.txt").string() + "'";
    EXPECT_EQ(std::system(command.c_str()), 0);
    EXPECT_EQ(Slurp(directory / "errors.txt"), "");
    EXPECT_EQ(Slurp(directory / "doc.png").substr(0, 8), "\x89PNG\r\n\x1a\n");
    std::filesystem::remove_all(directory);
}
