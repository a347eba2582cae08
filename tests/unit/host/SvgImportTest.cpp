// Importing the SVG that drawing tools and clip-art collections write: what the document can hold is read
// exactly (copies made by use, clip groups, switch, percentages), the rest as its nearest equivalent with one
// warning line per kind.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "SvgTestSupport.h"

using namespace svgtest;
using host::ArtKind;

namespace {

const char* KindName(ArtKind kind)
{
    switch (kind) {
    case ArtKind::Group: return "group";
    case ArtKind::Path: return "path";
    case ArtKind::CompoundPath: return "compound";
    case ArtKind::Text: return "text";
    case ArtKind::Placed: return "placed";
    }
    return "?";
}

// kind, id in parentheses, "clip" for a clipping path, "hidden", the anchors of a path, children in brackets.
std::string Outline(const host::Art& art)
{
    std::string out = KindName(art.kind);
    if (!art.id.empty()) out += "(" + art.id + ")";
    if (art.style.clip) out += " clip";
    if (art.attributes & host::kAttrHidden) out += " hidden";
    if (art.kind == ArtKind::Path || art.kind == ArtKind::Placed) out += " " + Anchors(art);
    if (art.kind == ArtKind::Text) out += " \"" + art.text + "\" at " + Pt(art.textOrigin);
    if (!art.children.empty()) {
        out += " [";
        for (std::size_t i = 0; i < art.children.size(); ++i) out += (i ? "; " : "") + Outline(*art.children[i]);
        out += "]";
    }
    return out;
}

// Every object at the top of the first layer, one line each.
std::string Outline(const host::Document& document)
{
    std::string out;
    for (const auto& art : document.Layers().at(0)->art) out += Outline(*art) + "\n";
    return out;
}

std::string FillOf(const host::Art& art)
{
    if (!art.style.fillPaint) return "none";
    const host::Color& c = art.style.fillColor;
    return std::to_string(c.kind) + " " + Number(c.values[0]) + " " + Number(c.values[1]) + " " + Number(c.values[2]);
}

struct Imported {
    std::unique_ptr<host::Document> document;
    std::vector<std::string> warnings;
};

Imported Import(const std::string& body, const std::string& rootAttributes = "")
{
    Imported imported;
    imported.document = Read(Page(body, rootAttributes), false, &imported.warnings);
    return imported;
}

}  // namespace

// The page is 100 pt high and the origin (10, 20): artwork h = x - 10, v = 80 - y.
TEST(SvgImport, UseCopiesItsTargetWithTransformsAndPositionAlsoThroughAnotherUse)
{
    const Imported imported = Import(R"~(
        <defs><rect id="r" width="10" height="5"/></defs>
        <use id="u1" href="#r" x="20" y="10" transform="translate(100 0)"/>
        <use id="u2" xlink:href="#u1" x="0" y="30" transform="scale(2)" xmlns:xlink="http://www.w3.org/1999/xlink"/>)~");
    EXPECT_EQ(Outline(*imported.document),
              "group(u1) [path 110 70*, 120 70*, 120 65*, 110 65* Z]\n"
              // scale(2) then translate(0 30) then u1's own translate(100 0) and x, y = 20, 10.
              "group(u2) [group [path 230 0*, 250 0*, 250 -10*, 230 -10* Z]]\n");
    EXPECT_TRUE(imported.warnings.empty());
    // The copies keep no ids, so that every id still names one object.
    EXPECT_EQ(imported.document->FindById("r"), nullptr);
}

TEST(SvgImport, UseOfASymbolShowsItsViewBoxInTheViewportTheUseGives)
{
    const Imported imported = Import(R"~(
        <symbol id="s" viewBox="0 0 10 10" preserveAspectRatio="none"><rect width="10" height="10"/></symbol>
        <use href="#s" x="10" y="20" width="40" height="20"/>)~");
    EXPECT_EQ(Outline(*imported.document), "group [path 0 60*, 40 60*, 40 40*, 0 40* Z]\n");
}

TEST(SvgImport, UseThatLoopsOrExplodesIsRefusedAndOtherFilesAreNeverRead)
{
    EXPECT_EQ(ReadError(Page(R"~(<g id="a"><use href="#a"/></g>)~"), false),
              "t.svg:1:219: <use> attribute href: \"#a\" holds this use itself: its copy would never end");
    EXPECT_EQ(
        ReadError(Page(R"~(<defs><use id="a" href="#b"/><use id="b" href="#a"/></defs><use href="#a"/>)~"), false),
        "t.svg:1:245: <use> attribute href: \"#a\" is being copied already: its copy would never end");
    // Ten levels of ten uses each would be ten billion objects; the reader stops at its limit.
    std::string levels = R"~(<defs><path id="l0" d="M 0 0 L 1 1"/>)~";
    for (int level = 1; level <= 10; ++level) {
        levels += "<g id=\"l" + std::to_string(level) + "\">";
        for (int copy = 0; copy < 10; ++copy) levels += "<use href=\"#l" + std::to_string(level - 1) + "\"/>";
        levels += "</g>";
    }
    levels += "</defs>";
    for (const char* user : {R"~(<use href="#l10"/>)~", R"~(<clipPath id="c"><use href="#l10"/></clipPath>)~"
                                                        R"~(<rect width="1" height="1" clip-path="url(#c)"/>)~"}) {
        const std::string error = ReadError(Page(levels + user), false);
        EXPECT_NE(error.find(": the copies that <use> makes would hold more than 250000 elements"), std::string::npos)
            << error;
    }

    const Imported imported = Import(R"~(<use href="https://example.com/a.svg#x"/><use href="other.svg#y"/>)~");
    EXPECT_EQ(imported.warnings,
              std::vector<std::string>{"t.svg:1:204: warning: <use> use of \"https://example.com/a.svg#x\" is outside "
                                       "this file, which is never read: left out (2 times)"});
    EXPECT_EQ(imported.document->ArtCount(), 0u);
}

TEST(SvgImport, ClipPathsBecomeClipGroupsWithTheClippingPathFirst)
{
    const Imported imported = Import(R"~(
        <clipPath id="c" transform="translate(5 0)"><rect width="10" height="10"/><circle r="1"/></clipPath>
        <clipPath id="box" clipPathUnits="objectBoundingBox"><rect width="0.5" height="1"/></clipPath>
        <g id="g" transform="translate(20 10)" clip-path="url(#c)"><path id="p" d="M 0 0 L 30 0 L 30 30 Z"/></g>
        <rect id="r" x="100" y="0" width="40" height="20" clip-path="url(#box)"/>)~");
    EXPECT_EQ(
        Outline(*imported.document),
        // The clip path in the group's user space (its transform included), then moved by its own transform.
        "group [compound clip [path clip 15 70*, 25 70*, 25 60*, 15 60* Z; path clip 16 70, 15 69, 14 70, 15 71 Z]; "
        "group(g) [path(p) 10 70*, 40 70*, 40 40* Z]]\n"
        // objectBoundingBox: in units of the rect's box, so half of it.
        "group [path clip 90 80*, 110 80*, 110 60*, 90 60* Z; path(r) 90 80*, 130 80*, 130 60*, 90 60* Z]\n");
    const host::Art& clip = *imported.document->Layers()[0]->art[0]->children[0];
    EXPECT_FALSE(clip.style.fillPaint);
    EXPECT_FALSE(clip.style.strokePaint);
    EXPECT_TRUE(imported.warnings.empty());
}

TEST(SvgImport, SwitchDrawsTheFirstChildWhoseConditionsHold)
{
    const Imported imported = Import(R"~(
        <switch id="s">
          <foreignObject requiredExtensions="http://example.com/editor"><p>editor data</p></foreignObject>
          <rect id="fr" systemLanguage="fr" width="1" height="1"/>
          <rect id="en" systemLanguage="de, en-GB" width="2" height="2"/>
          <rect id="any" width="3" height="3"/>
        </switch>
        <rect id="never" requiredExtensions="" width="4" height="4"/>)~");
    EXPECT_EQ(Outline(*imported.document), "group(s) [path(en) -10 80*, -8 80*, -8 78*, -10 78* Z]\n");
}

TEST(SvgImport, PercentagesAndAutoSizesResolveAgainstTheViewBox)
{
    const auto whole =
        Read(R"~(<svg xmlns="http://www.w3.org/2000/svg" width="100%" height="auto" viewBox="0 0 400 200">
        <rect width="50%" height="25%" x="10%" rx="1%"/><circle cx="50%" cy="50%" r="10%"/></svg>)~");
    EXPECT_EQ(whole->PageWidth(), 300);  // 400 px
    EXPECT_EQ(whole->PageHeight(), 150);
    const host::Art& rect = *whole->Layers()[0]->art[0];
    host::Rect bounds;
    ASSERT_TRUE(whole->Bounds(rect, bounds));
    EXPECT_EQ(Pt({bounds.left, bounds.top}), "30 150");  // x 40 px, 0.75 pt a px
    EXPECT_EQ(Pt({bounds.right, bounds.bottom}), "180 112.5");
    ASSERT_TRUE(whole->Bounds(*whole->Layers()[0]->art[1], bounds));
    // r is 10% of the viewport's normalised diagonal, sqrt((400^2 + 200^2) / 2) = 316.23 px.
    EXPECT_NEAR(bounds.right - bounds.left, 2 * 31.6227766 * 0.75, 1e-6);
    EXPECT_EQ(ReadError(R"~(<svg xmlns="http://www.w3.org/2000/svg" width="100%" height="100"/>)~", false),
              "t.svg:1:41: <svg> attribute width: a percentage needs a viewBox to be a percentage of");
}

TEST(SvgImport, PaintServersBecomeTheirNearestSolidColourNamedInOneWarning)
{
    const Imported imported = Import(R"~(
        <linearGradient id="base"><stop offset="0" stop-color="#ff0000"/><stop offset="1" style="stop-color:#0000ff"/>
        </linearGradient>
        <radialGradient id="chained" href="#base"/>
        <linearGradient id="empty"/>
        <pattern id="dots"><g fill="#00ff00"><circle r="1"/></g></pattern>
        <pattern id="tiles" href="#inner"/>
        <pattern id="inner"><path d="M 0 0 L 1 1" style="fill:url(#base)"/></pattern>
        <pattern id="lines"><g fill="none"><path d="M 0 0 L 1 1" style="fill:inherit;stroke:#0000ff"/></g></pattern>
        <path id="a" d="M 0 0 L 1 1" fill="url(#chained)"/>
        <path id="b" d="M 0 0 L 1 1" fill="url(#base)" stroke="url('#dots')"/>
        <path id="c" d="M 0 0 L 1 1" fill="url(#empty)"/>
        <path id="d" d="M 0 0 L 1 1" fill="url(#nowhere) #ffffff"/>
        <path id="e" d="M 0 0 L 1 1" fill="url(#tiles)"/>
        <path id="f" d="M 0 0 L 1 1" fill="url(#lines)"/>)~");
    const host::Document& document = *imported.document;
    EXPECT_EQ(FillOf(*document.FindById("a")), "3 0.5019607843137255 0 0.5019607843137255");  // #800080
    EXPECT_EQ(FillOf(*document.FindById("b")), FillOf(*document.FindById("a")));
    EXPECT_TRUE(document.FindById("b")->style.strokePaint);
    EXPECT_EQ(document.FindById("b")->style.strokeColor.values[1], 1);
    EXPECT_EQ(FillOf(*document.FindById("c")), "none");  // a gradient without stops paints nothing
    EXPECT_EQ(FillOf(*document.FindById("d")), "3 1 1 1");
    // A pattern through its href, whose shape is painted by a gradient; one whose shape only strokes.
    EXPECT_EQ(FillOf(*document.FindById("e")), FillOf(*document.FindById("a")));
    EXPECT_EQ(FillOf(*document.FindById("f")), "3 0 0 1");
    EXPECT_EQ(imported.warnings,
              (std::vector<std::string>{
                  "t.svg:10:9: warning: <path id=\"a\"> gradient \"#chained\" painted as the solid #800080, the "
                  "average of its 2 stops (3 times)",
                  "t.svg:11:9: warning: <path id=\"b\"> pattern \"#dots\" painted as the solid #00ff00, the colour of "
                  "the first shape it draws (3 times)",
                  "t.svg:13:9: warning: <path id=\"d\"> fill \"#nowhere\" names no element: its fallback is used"}));
}

TEST(SvgImport, HiddenTransparentAndMaskedArtIsKeptAsTheDocumentCanHoldIt)
{
    const Imported imported = Import(R"~(
        <path id="none" display="none" d="M 0 0 L 1 1"/>
        <g visibility="hidden"><path id="invisible" d="M 0 0 L 1 1"/><path id="shown" visibility="visible" d="M 0 0 L 1 1"/></g>
        <path id="clear" opacity="0" d="M 0 0 L 1 1"/>
        <path id="unfilled" fill-opacity="0" stroke="red" d="M 0 0 L 1 1"/>
        <path id="masked" mask="url(#m)" filter="url(#f)" d="M 0 0 L 1 1"/>
        <path id="half" opacity="0.5" d="M 0 0 L 1 1"/>)~");
    const host::Document& document = *imported.document;
    for (const char* id : {"none", "invisible", "clear"})
        EXPECT_TRUE(document.FindById(id)->attributes & host::kAttrHidden) << id;
    for (const char* id : {"shown", "unfilled", "masked", "half"})
        EXPECT_FALSE(document.FindById(id)->attributes & host::kAttrHidden) << id;
    EXPECT_FALSE(document.FindById("unfilled")->style.fillPaint);
    EXPECT_TRUE(document.FindById("unfilled")->style.strokePaint);
    EXPECT_EQ(Anchors(*document.FindById("masked")), "-10 80*, -9 79*");
    EXPECT_EQ(
        imported.warnings,
        (std::vector<std::string>{
            "t.svg:6:9: warning: <path id=\"masked\"> mask \"#m\" not applied: the object is kept whole, unmasked",
            "t.svg:6:9: warning: <path id=\"masked\"> filter \"#f\" not applied: the object is kept without it",
            "t.svg:7:9: warning: <path id=\"half\"> opacity below 1 not kept: drawn opaque"}));
}

TEST(SvgImport, ImagesArePlacedFramesThatSaveAndReopenExactly)
{
    Imported imported = Import(R"~(<image id="photo" href="data:image/png;base64,AAAA" x="10" y="20" width="40"
        height="30" transform="rotate(30)"/><image href="b.png"/>)~");
    const host::Art& photo = *imported.document->FindById("photo");
    EXPECT_EQ(photo.kind, ArtKind::Placed);
    ASSERT_EQ(photo.segments.size(), 4u);
    EXPECT_TRUE(photo.closed);
    EXPECT_EQ(imported.warnings,
              (std::vector<std::string>{
                  "t.svg:1:204: warning: <image id=\"photo\"> placed as an empty frame: the picture itself is not kept",
                  "t.svg:2:45: warning: <image> without a width and height left out: its picture is not read"}));
    // The host's own file holds the frame as placed art: it reads back the same, even strictly, without warnings.
    const std::string saved = host::WriteSvgText(*imported.document);
    std::vector<std::string> warnings;
    const auto reopened = Read(saved, true, &warnings);
    EXPECT_TRUE(warnings.empty());
    EXPECT_EQ(host::WriteSvgText(*reopened), saved);
    EXPECT_EQ(Anchors(*reopened->FindById("photo")), Anchors(photo));
}

TEST(SvgImport, TextOnPathsFlowedTextAndTrefAreKeptAsText)
{
    const Imported imported = Import(R"~(
        <path id="curve" d="M 30 40 C 50 0 90 0 110 40"/>
        <text id="on"><textPath href="#curve">along <tspan>the</tspan> curve</textPath></text>
        <text id="quoted" x="5" y="6"><tref href="#source"/>!</text>
        <desc id="source">quoted words</desc>
        <flowRoot id="flow" font-size="10"><flowRegion><rect x="20" y="30" width="100" height="50"/></flowRegion>
          <flowPara>first   line</flowPara><flowPara/><flowPara>second <flowSpan>line</flowSpan></flowPara></flowRoot>
        <flowRoot><flowRegion><rect width="1" height="1"/></flowRegion><flowPara></flowPara></flowRoot>)~");
    const host::Document& document = *imported.document;
    EXPECT_EQ(Outline(*document.FindById("on")), "text(on) \"along the curve\" at 20 40");
    EXPECT_EQ(Outline(*document.FindById("quoted")), "text(quoted) \"quoted words!\" at -5 74");
    EXPECT_EQ(Outline(*document.FindById("flow")), "text(flow) \"first line\nsecond line\" at 10 40");
    EXPECT_EQ(document.Layers()[0]->art.size(), 4u);  // the empty flowed text draws nothing and is left out
    EXPECT_EQ(imported.warnings,
              (std::vector<std::string>{
                  "t.svg:3:23: warning: <textPath> text on a path kept as straight text",
                  "t.svg:6:9: warning: <flowRoot id=\"flow\"> flowed text kept as one text object at its frame's "
                  "top left"}));
}

TEST(SvgImport, EditorDataIsIgnoredAndBadStyleValuesAreWarnedAndPassedOver)
{
    const Imported imported = Import(R"~(
        <sodipodi:namedview xmlns:sodipodi="http://sodipodi.sourceforge.net/DTD/sodipodi-0.dtd" pagecolor="#fff"/>
        <path id="p" d="M 0 0 L 1 1" style="fill:#ff0000;stroke-width:-3;font-size:large" stroke-linecap="pointy"
              inkscape:connector-curvature="0"/>)~");
    const host::Art& path = *imported.document->FindById("p");
    EXPECT_EQ(FillOf(path), "3 1 0 0");
    EXPECT_EQ(path.style.strokeWidth, 1);
    EXPECT_EQ(path.style.cap, 0);
    EXPECT_EQ(imported.warnings, std::vector<std::string>{"t.svg:3:9: warning: <path id=\"p\"> stroke-linecap: unknown "
                                                          "value \"pointy\": ignored (3 times)"});
}

TEST(SvgImport, StyleSheetsCascadeWithPresentationAttributesAndStyleAttributes)
{
    const Imported imported = Import(R"~(
        <style type="text/css"><![CDATA[
          rect { fill: #000001 }
          .a { fill: #000002; stroke: #000009 }
          #x { fill: #000003 }
          .a.b { fill: #000004 }
          g > .late, .late { fill: #000005 }
          g > .late { fill: #000006 }
          [data-kind="sign"] { stroke-width: 7 }
          .forced { fill: #000007 !important }
          @media print { rect { fill: #00000f } }
          rect:hover { fill: #00000e }
        ]]></style>
        <rect id="type" fill="#0000ff" width="1" height="1"/>
        <rect id="class" class="a" width="1" height="1"/>
        <rect id="x" class="a b" width="1" height="1"/>
        <rect id="two" class="b a" width="1" height="1"/>
        <g><rect id="late" class="late" width="1" height="1"/></g>
        <rect id="inline" class="a" style="fill: #000008" data-kind="sign" width="1" height="1"/>
        <rect id="forced" class="forced" style="fill: #0000aa" width="1" height="1"/>
        <rect id="both" class="forced" style="fill: #0000bb !important" width="1" height="1"/>)~");
    const host::Document& document = *imported.document;
    auto blue = [&](const char* id) {
        return static_cast<int>(document.FindById(id)->style.fillColor.values[2] * 255 + 0.5);
    };
    EXPECT_EQ(blue("type"), 1);     // a rule of the sheet wins over a presentation attribute
    EXPECT_EQ(blue("class"), 2);    // a class over a type
    EXPECT_EQ(blue("x"), 3);        // an id over two classes, whatever the order
    EXPECT_EQ(blue("two"), 4);      // two classes over one
    EXPECT_EQ(blue("late"), 6);     // equal specificity: the later rule
    EXPECT_EQ(blue("inline"), 8);   // style="..." over the sheet
    EXPECT_EQ(blue("forced"), 7);   // !important in the sheet over style="..."
    EXPECT_EQ(blue("both"), 0xbb);  // !important in style="..." over all
    EXPECT_EQ(document.FindById("inline")->style.strokeWidth, 7);
    EXPECT_EQ(document.FindById("inline")->style.strokeColor.values[2] * 255, 9);
    EXPECT_TRUE(imported.warnings.empty());
}

// A style sheet counts also where its element has a prefix or comes after what it styles.
TEST(SvgImport, StyleSheetsOfPrefixedAndLateStyleElements)
{
    const Imported prefixed = Import(R"~(
        <rect id="r" class="a" style="stroke: #000009" width="1" height="1"/>
        <g xmlns:svg="http://www.w3.org/2000/svg"><svg:style>.a { fill: #000001 }</svg:style></g>)~");
    EXPECT_EQ(FillOf(*prefixed.document->FindById("r")), "3 0 0 " + Number(1 / 255.0));
    EXPECT_EQ(prefixed.document->FindById("r")->style.strokeColor.values[2], 9 / 255.0);

    const Imported late = Import(R"~(
        <rect id="r" class="a" width="1" height="1"/><defs><style>.a { fill: #000002 }</style></defs>)~");
    EXPECT_EQ(FillOf(*late.document->FindById("r")), "3 0 0 " + Number(2 / 255.0));
    EXPECT_TRUE(prefixed.warnings.empty() && late.warnings.empty());
}

TEST(SvgImport, DeclaredEntitiesExpandWithinABudgetAndExternalOnesAreNeverRead)
{
    const auto document = Read(R"~(<?xml version="1.0"?>
<!DOCTYPE svg PUBLIC "-//W3C//DTD SVG 1.0//EN" "http://www.w3.org/TR/2001/REC-SVG-20010904/DTD/svg10.dtd" [
  <!ENTITY ns_svg "http://www.w3.org/2000/svg">
  <!ENTITY who "the &place;">
  <!ENTITY place "shop">
]>
<svg xmlns="&ns_svg;" width="10" height="10"><text id="t">&who; &amp; &unknown;</text></svg>)~");
    EXPECT_EQ(document->FindById("t")->text, "the shop & &unknown;");

    std::string laughs = "<!DOCTYPE svg [<!ENTITY l0 \"ha\">";
    for (int level = 1; level <= 12; ++level)
        laughs += "<!ENTITY l" + std::to_string(level) + " \"" + [&] {
            std::string refs;
            for (int i = 0; i < 10; ++i) refs += "&l" + std::to_string(level - 1) + ";";
            return refs;
        }() + "\">";
    laughs += "]>\n<svg width=\"1\" height=\"1\"><text>&l12;</text></svg>";
    EXPECT_EQ(ReadError(laughs, false), "t.svg:2:27: entities would add more than 1 MiB to the file: refused");
    EXPECT_EQ(ReadError(R"~(<!DOCTYPE svg [<!ENTITY secret SYSTEM "file:///etc/passwd">]><svg/>)~", false),
              "t.svg:1:1: the external entity \"secret\" is never read");
}
