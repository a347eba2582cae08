// Reading SVG into the document: shapes into exact segments, units and viewBox, transforms, styles, layers.
#include <gtest/gtest.h>

#include <cmath>

#include "SvgTestSupport.h"

using namespace svgtest;
using host::ArtKind;

namespace {

constexpr double kKappa = 0.5522847498;

const host::Art& ById(const host::Document& document, const std::string& id)
{
    const host::Art* art = document.FindById(id);
    if (!art) throw std::runtime_error("no object " + id);
    return *art;
}

}  // namespace

// The page is 100 pt high and the origin (10, 20): artwork h = x - 10, v = 100 - y - 20.
TEST(SvgRead, BasicShapesBecomeExactSegmentsInArtworkCoordinates)
{
    const auto document = Read(Page(R"(
        <rect id="rect" x="20" y="10" width="30" height="20"/>
        <line id="line" x1="0" y1="0" x2="10" y2="80"/>
        <polyline id="polyline" points="10,80 20,70 30,80"/>
        <polygon id="polygon" points="10 80 20 70 30 80 10 80"/>
        <circle id="circle" cx="60" cy="50" r="10"/>
        <ellipse id="ellipse" cx="100" cy="50" rx="20" ry="10"/>
        <rect id="rounded" x="0" y="0" width="40" height="20" rx="5"/>
        <rect id="empty" width="0" height="10"/>)"));
    EXPECT_EQ(Anchors(ById(*document, "rect")), "10 70*, 40 70*, 40 50*, 10 50* Z");
    EXPECT_EQ(Handles(ById(*document, "rect").segments[0]), "in 10 70 out 10 70");
    EXPECT_EQ(Anchors(ById(*document, "line")), "-10 80*, 0 0*");
    EXPECT_EQ(Anchors(ById(*document, "polyline")), "0 0*, 10 10*, 20 0*");
    // The closing point equals the first, so the two are one anchor.
    EXPECT_EQ(Anchors(ById(*document, "polygon")), "0 0*, 10 10*, 20 0* Z");

    // Four smooth anchors from the rightmost point, the first heading down the screen (down in artwork too).
    const host::Art& circle = ById(*document, "circle");
    EXPECT_EQ(Anchors(circle), "60 30, 50 20, 40 30, 50 40 Z");
    EXPECT_EQ(circle.segments[0].in.h, 60);
    EXPECT_NEAR(circle.segments[0].in.v, 30 + 10 * kKappa, 1e-12);
    EXPECT_NEAR(circle.segments[0].out.v, 30 - 10 * kKappa, 1e-12);
    EXPECT_NEAR(circle.segments[1].in.h, 50 + 10 * kKappa, 1e-12);
    EXPECT_EQ(Anchors(ById(*document, "ellipse")), "110 30, 90 20, 70 30, 90 40 Z");
    EXPECT_NEAR(ById(*document, "ellipse").segments[0].out.v, 30 - 10 * kKappa, 1e-12);

    // Lines meet quarter curves at eight corner anchors; the last curve ends on the start and merges into it.
    const host::Art& rounded = ById(*document, "rounded");
    EXPECT_EQ(Anchors(rounded), "-5 80*, 25 80*, 30 75*, 30 65*, 25 60*, -5 60*, -10 65*, -10 75* Z");
    EXPECT_NEAR(rounded.segments[0].in.h, -5 - 5 * kKappa, 1e-12);
    EXPECT_EQ(rounded.segments[0].out.h, -5);
    EXPECT_EQ(document->FindById("empty"), nullptr);  // a rect of no width is not drawn
}

TEST(SvgRead, PathDataCommandsRelativeRepeatedSmoothQuadraticArcAndClose)
{
    const auto document = Read(Page(R"(
        <path id="hv" d="M10,10h20v20H10z"/>
        <path id="smooth" d="M 0 50 C 0 40 10 30 20 30 S 40 40 40 50"/>
        <path id="quad" d="M 0 0 Q 30 0 30 30 T 30 90"/>
        <path id="repeat" d="m 10 10 10 0 0 10 l -5 5 -5 -5"/>
        <path id="arc" d="M 0 0 A 10 10 0 0 1 10 10"/>
        <path id="merged" d="M 10 10 C 20 0 30 0 40 10 C 30 20 20 20 10 10 Z"/>
        <path id="compound" d="M 0 0 L 10 0 L 10 10 Z M 2 2 L 8 2 L 8 8 Z" fill-rule="evenodd"/>
        <path id="afterClose" d="M 0 0 L 10 0 Z L 5 5"/>
        <path id="empty" d=""/>)"));
    EXPECT_EQ(Anchors(ById(*document, "hv")), "0 70*, 20 70*, 20 50*, 0 50* Z");

    // S reflects the previous control point: the join continues smoothly.
    const host::Art& smooth = ById(*document, "smooth");
    EXPECT_EQ(Anchors(smooth), "-10 30*, 10 50, 30 30*");
    EXPECT_EQ(Handles(smooth.segments[1]), "in 0 50 out 20 50");

    // Q and T raised to cubics with control points two thirds of the way to the quadratic's.
    const host::Art& quad = ById(*document, "quad");
    EXPECT_EQ(Anchors(quad), "-10 80*, 20 50, 20 -10*");
    EXPECT_EQ(Handles(quad.segments[0]), "in -10 80 out 10 80");
    EXPECT_EQ(Handles(quad.segments[1]), "in 20 70 out 20 30");
    EXPECT_EQ(Handles(quad.segments[2]), "in 20 10 out 20 -10");

    // After a relative move, further pairs are relative lines.
    EXPECT_EQ(Anchors(ById(*document, "repeat")), "0 70*, 10 70*, 10 60*, 5 55*, 0 60*");

    // A quarter arc clockwise on the screen: one cubic, tangents along the axes.
    const host::Art& arc = ById(*document, "arc");
    ASSERT_EQ(arc.segments.size(), 2u);
    EXPECT_EQ(Pt(arc.segments[0].p), "-10 80");
    EXPECT_EQ(Pt(arc.segments[1].p), "0 70");
    EXPECT_NEAR(arc.segments[0].out.h, -10 + 10 * kKappa, 1e-9);
    EXPECT_NEAR(arc.segments[0].out.v, 80, 1e-9);
    EXPECT_NEAR(arc.segments[1].in.h, 0, 1e-9);
    EXPECT_NEAR(arc.segments[1].in.v, 80 - 10 + 10 * kKappa, 1e-9);

    // Z onto the first anchor merges: the first anchor's incoming control point comes from the closing curve.
    const host::Art& merged = ById(*document, "merged");
    EXPECT_EQ(Anchors(merged), "0 70*, 30 70* Z");
    EXPECT_EQ(Handles(merged.segments[0]), "in 10 60 out 10 80");

    const host::Art& compound = ById(*document, "compound");
    ASSERT_EQ(compound.kind, ArtKind::CompoundPath);
    ASSERT_EQ(compound.children.size(), 2u);
    EXPECT_EQ(Anchors(*compound.children[0]), "-10 80*, 0 80*, 0 70* Z");
    EXPECT_EQ(Anchors(*compound.children[1]), "-8 78*, -2 78*, -2 72* Z");
    EXPECT_TRUE(compound.style.evenOdd);
    EXPECT_TRUE(compound.children[1]->style.evenOdd);

    // After Z the next subpath starts where the closed one started.
    const host::Art& afterClose = ById(*document, "afterClose");
    ASSERT_EQ(afterClose.children.size(), 2u);
    EXPECT_EQ(Anchors(*afterClose.children[1]), "-10 80*, -5 75*");

    EXPECT_EQ(ById(*document, "empty").kind, ArtKind::Path);
    EXPECT_TRUE(ById(*document, "empty").segments.empty());
}

TEST(SvgRead, UnitsAndViewBoxGiveThePageInPoints)
{
    // No viewBox: a user unit is a CSS pixel, 0.75 pt.
    auto document = Read(R"(<svg xmlns="http://www.w3.org/2000/svg" width="8.5in" height="11in">
        <rect x="96" y="96" width="96" height="48"/></svg>)");
    EXPECT_EQ(document->PageWidth(), 612);
    EXPECT_EQ(document->PageHeight(), 792);
    EXPECT_EQ(Anchors(First(*document)), "72 720*, 144 720*, 144 684*, 72 684* Z");

    document = Read(R"(<svg xmlns="http://www.w3.org/2000/svg" width="210mm" height="29.7cm"/>)");
    EXPECT_DOUBLE_EQ(document->PageWidth(), 595.275590551181);
    EXPECT_DOUBLE_EQ(document->PageHeight(), 841.8897637795276);
    document = Read(R"(<svg xmlns="http://www.w3.org/2000/svg" width="612" height="2pc"/>)");
    EXPECT_EQ(document->PageWidth(), 459);
    EXPECT_EQ(document->PageHeight(), 24);
    document = Read(R"(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 400 200"/>)");
    EXPECT_EQ(document->PageWidth(), 300);
    EXPECT_EQ(document->PageHeight(), 150);
    EXPECT_EQ(document->Origin().h, 0);
    EXPECT_TRUE(document->Layers().empty());

    const std::string square = R"(<rect width="100" height="100"/><circle cx="50" cy="50" r="1"/>)";
    const std::string root =
        R"(<svg xmlns="http://www.w3.org/2000/svg" width="200pt" height="100pt" viewBox="0 0 100 100")";
    // meet, centred: scale 1, moved 50 to the right.
    document = Read(root + ">" + square + "</svg>");
    EXPECT_EQ(Anchors(First(*document)), "50 100*, 150 100*, 150 0*, 50 0* Z");
    // slice at the bottom: scale 2, moved up by 100.
    document = Read(root + R"( preserveAspectRatio="xMinYMax slice">)" + square + "</svg>");
    EXPECT_EQ(Anchors(First(*document)), "0 200*, 200 200*, 200 0*, 0 0* Z");
    EXPECT_EQ(Anchors(*document->Layers()[0]->art[1]), "102 100, 100 98, 98 100, 100 102 Z");
    // none: stretched to the page.
    document = Read(root + R"( preserveAspectRatio="none">)" + square + "</svg>");
    EXPECT_EQ(Anchors(First(*document)), "0 100*, 200 100*, 200 0*, 0 0* Z");
    EXPECT_EQ(Anchors(*document->Layers()[0]->art[1]), "102 50, 100 49, 98 50, 100 51 Z");
}

TEST(SvgRead, NestedTransformsComposeAndScaleStrokeWidths)
{
    const auto document = Read(Page(R"~(
        <g transform="translate(50 10)">
          <g transform="rotate(90)"><path id="turned" d="M 0 0 L 10 0" stroke="#000" stroke-width="2"/></g>
          <g transform="scale(2 3)"><path id="scaled" d="M 1 1 L 2 2" stroke-width="2"/></g>
        </g>
        <path id="list" transform="translate(10,0) scale(2)" d="M 5 5 L 10 5"/>
        <path id="matrix" transform="matrix(1 0 0 1 5 5)" d="M 5 5 L 10 5"/>
        <path id="centred" transform="rotate(180 50 50)" d="M 60 50 L 70 50"/>
        <path id="skew" transform="skewX(45)" d="M 20 10 L 20 20"/>)~"));
    const host::Art& turned = ById(*document, "turned");
    EXPECT_EQ(Anchors(turned), "40 70*, 40 60*");
    EXPECT_EQ(turned.style.strokeWidth, 2);
    EXPECT_EQ(Anchors(ById(*document, "scaled")), "42 67*, 44 64*");
    EXPECT_DOUBLE_EQ(ById(*document, "scaled").style.strokeWidth, 2 * std::sqrt(6.0));
    EXPECT_EQ(Anchors(ById(*document, "list")), "10 70*, 20 70*");
    EXPECT_EQ(Anchors(ById(*document, "matrix")), "0 70*, 5 70*");
    EXPECT_EQ(Anchors(ById(*document, "centred")), "30 30*, 20 30*");
    const host::Art& skew = ById(*document, "skew");
    EXPECT_NEAR(skew.segments[0].p.h, 20, 1e-12);
    EXPECT_NEAR(skew.segments[1].p.h, 30, 1e-12);
    EXPECT_EQ(skew.segments[1].p.v, 60);
}

TEST(SvgRead, StylesComeFromAttributesAndStyleAndAreInherited)
{
    const auto document = Read(Page(R"~(
        <path id="plain" d="M 0 0 L 1 1"/>
        <g fill="red" stroke="blue" stroke-width="3" style="stroke-linecap:round" fill-rule="evenodd">
          <path id="a" d="M 0 0 L 1 1"/>
          <path id="b" d="M 0 0 L 1 1" fill="none" stroke="black" style="stroke: #0f0 ; stroke-width: 2px"/>
          <path id="c" d="M 0 0 L 1 1" stroke-dasharray="1, 2 3" stroke-dashoffset="1" stroke-linejoin="bevel"
                stroke-miterlimit="8"/>
          <path id="d" d="M 0 0 L 1 1" color="#808080" fill="currentColor" stroke="inherit" style="fill-rule:nonzero"/>
          <g stroke-width="1.5pt" transform="scale(2)">
            <path id="e" d="M 0 0 L 1 1" fill="rgb(100%, 0%, 50%)" stroke="rgb(0,128,255)" stroke-dasharray="none"/>
          </g>
        </g>)~"));
    const host::Style& plain = ById(*document, "plain").style;
    EXPECT_TRUE(plain.fillPaint);
    EXPECT_EQ(plain.fillColor.kind, 3);
    EXPECT_EQ(plain.fillColor.values[0], 0);
    EXPECT_FALSE(plain.strokePaint);
    EXPECT_EQ(plain.strokeWidth, 1);
    EXPECT_EQ(plain.miterLimit, 4);
    EXPECT_EQ(plain.cap, 0);
    EXPECT_FALSE(plain.evenOdd);

    const host::Style& a = ById(*document, "a").style;
    EXPECT_EQ(a.fillColor.values[0], 1);
    EXPECT_EQ(a.fillColor.values[1], 0);
    EXPECT_TRUE(a.strokePaint);
    EXPECT_EQ(a.strokeColor.values[2], 1);
    EXPECT_EQ(a.strokeWidth, 3);
    EXPECT_EQ(a.cap, 1);
    EXPECT_TRUE(a.evenOdd);

    const host::Style& b = ById(*document, "b").style;  // style="..." wins over the attributes
    EXPECT_FALSE(b.fillPaint);
    EXPECT_EQ(b.strokeColor.values[0], 0);
    EXPECT_EQ(b.strokeColor.values[1], 1);
    EXPECT_EQ(b.strokeWidth, 2);

    const host::Style& c = ById(*document, "c").style;
    EXPECT_EQ(c.dashLength, 3);
    EXPECT_EQ(c.dash[0], 1);
    EXPECT_EQ(c.dash[2], 3);
    EXPECT_EQ(c.dashOffset, 1);
    EXPECT_EQ(c.join, 2);
    EXPECT_EQ(c.miterLimit, 8);

    const host::Style& d = ById(*document, "d").style;
    EXPECT_EQ(d.fillColor.values[1], 128 / 255.0);
    EXPECT_EQ(d.strokeColor.values[2], 1);
    EXPECT_FALSE(d.evenOdd);

    // 1.5 pt is 2 user units, twice as wide under scale(2).
    const host::Style& e = ById(*document, "e").style;
    EXPECT_EQ(e.strokeWidth, 4);
    EXPECT_EQ(e.fillColor.values[0], 1);
    EXPECT_EQ(e.fillColor.values[2], 0.5);
    EXPECT_EQ(e.strokeColor.values[1], 128 / 255.0);
    EXPECT_EQ(e.dashLength, 0);
    EXPECT_EQ(e.cap, 1);
}

TEST(SvgRead, LayersGroupsIdsAndWhatIsPassedOver)
{
    const auto document = Read(Page(R"(
        <sodipodi:namedview xmlns:sodipodi="http://sodipodi.sourceforge.net/DTD/sodipodi-0.dtd"/>
        <metadata><anything/></metadata><defs><linearGradient id="g"/></defs><title>t</title><desc>d</desc>
        <rect id="loose" width="1" height="1"/>
        <g inkscape:groupmode="layer" inkscape:label="Marks" id="L2" pd:locked="true">
          <circle r="1"/>
          <g id="group" pd:locked="true" display="none"><line id="inner" x2="1"/></g>
        </g>
        <g inkscape:groupmode="layer" id="Back" style="display:none"/>
        <g inkscape:groupmode="layer"/>
        <path id="looseAgain" d="M 0 0"/>)",
                                    R"( pd:current-layer="Back")"));
    const auto& layers = document->Layers();
    ASSERT_EQ(layers.size(), 5u);
    EXPECT_EQ(layers[0]->name, "Layer 1");
    EXPECT_EQ(layers[0]->art.at(0)->id, "loose");
    EXPECT_EQ(layers[1]->name, "Marks");
    EXPECT_EQ(layers[1]->id, "L2");
    EXPECT_TRUE(layers[1]->locked);
    EXPECT_TRUE(layers[1]->visible);
    EXPECT_EQ(layers[2]->name, "Back");
    EXPECT_FALSE(layers[2]->visible);
    EXPECT_EQ(layers[3]->name, "Layer 4");
    EXPECT_EQ(layers[4]->name, "Layer 5");  // art after the layers keeps its place on top
    EXPECT_EQ(layers[4]->art.at(0)->id, "looseAgain");
    EXPECT_EQ(document->CurrentLayer(), layers[2].get());

    ASSERT_EQ(layers[1]->art.size(), 2u);
    const host::Art& group = *layers[1]->art[1];
    EXPECT_EQ(group.kind, ArtKind::Group);
    EXPECT_EQ(group.attributes, host::kAttrLocked | host::kAttrHidden);
    ASSERT_EQ(group.children.size(), 1u);
    EXPECT_EQ(group.children[0]->id, "inner");
    EXPECT_EQ(group.children[0]->parent, &group);
    EXPECT_EQ(group.children[0]->attributes, 0);
    EXPECT_EQ(document->ArtCount(), 5u);
}

TEST(SvgRead, TextJoinsItsSpansAtItsPosition)
{
    const auto document = Read(Page(R"(
        <text id="t" x="10 20" y="30" font-size="12pt" font-family="Helvetica">
          <tspan>Hello,</tspan> <tspan x="99">world</tspan>
        </text>
        <g font-size="20"><text id="kept" xml:space="preserve" font-size="50%"> two  spaces </text></g>
        <text id="default">x</text>)"));
    const host::Art& text = ById(*document, "t");
    EXPECT_EQ(text.kind, ArtKind::Text);
    EXPECT_EQ(text.text, "Hello, world");
    EXPECT_EQ(Pt(text.textOrigin), "0 50");
    EXPECT_EQ(text.fontSize, 16);  // 12 pt is 16 user units, one user unit a point here
    EXPECT_EQ(text.fontFamily, "Helvetica");
    EXPECT_EQ(ById(*document, "kept").text, " two  spaces ");
    EXPECT_EQ(ById(*document, "kept").fontSize, 10);
    EXPECT_EQ(ById(*document, "default").fontSize, 16);
    EXPECT_EQ(Pt(ById(*document, "default").textOrigin), "-10 80");
}
