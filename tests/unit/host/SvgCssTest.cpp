// Style sheets of <style> elements: what they parse to, which rules match an element and in which order, and
// what is passed over.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include <pugixml.hpp>

#include "svg/SvgCss.h"

using host::svg::CssDeclaration;
using host::svg::StyleSheet;

namespace {

std::string Listed(const std::vector<CssDeclaration>& declarations)
{
    std::string text;
    for (const CssDeclaration& d : declarations)
        text += (text.empty() ? "" : "; ") + d.name + ": " + d.value + (d.important ? " !important" : "");
    return text;
}

std::string Repeated(std::string_view text, std::size_t times)
{
    std::string repeated;
    for (std::size_t i = 0; i < times; ++i) repeated += text;
    return repeated;
}

class Css : public ::testing::Test {
protected:
    // Parses a document and adds the text and CDATA of each <style> under its root to the sheet, in order.
    void Load(const std::string& xml)
    {
        ASSERT_TRUE(fDocument.load_string(xml.c_str()));
        for (const pugi::xml_node style : fDocument.document_element().children("style")) {
            std::string text;
            for (const pugi::xml_node child : style.children())
                if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata) text += child.value();
            fSheet.Add(text);
        }
    }

    pugi::xml_node Element(std::string_view id) const
    {
        const pugi::xml_node found =
            fDocument.find_node([&](pugi::xml_node node) { return node.attribute("id").value() == id; });
        EXPECT_TRUE(found) << id;
        return found;
    }
    std::string Normal(std::string_view id) const { return Listed(fSheet.Match(Element(id)).normal); }
    std::string Important(std::string_view id) const { return Listed(fSheet.Match(Element(id)).important); }

    pugi::xml_document fDocument;
    StyleSheet fSheet;
};

}  // namespace

TEST_F(Css, DrawingToolClassesGiveTheirDeclarationsInRuleOrder)
{
    EXPECT_TRUE(fSheet.Empty());
    Load(R"(<svg><style type="text/css"><![CDATA[
	.st0{fill:#FF0000;stroke:#000000;stroke-width:2;}
	.st1{fill:none;stroke:#1D1D1B;stroke-miterlimit:10;}
]]></style>
<rect id="a" class="st0"/><path id="b" class="  st1
 st0 "/><circle id="c" class="st2"/></svg>)");
    EXPECT_FALSE(fSheet.Empty());
    EXPECT_EQ(Normal("a"), "fill: #FF0000; stroke: #000000; stroke-width: 2");
    EXPECT_EQ(Normal("b"),
              "fill: #FF0000; stroke: #000000; stroke-width: 2; fill: none; stroke: #1D1D1B; "
              "stroke-miterlimit: 10");
    EXPECT_EQ(Normal("c"), "");
    EXPECT_EQ(Important("b"), "");
    EXPECT_EQ(fSheet.SkippedRules(), 0u);
    EXPECT_TRUE(fSheet.Match(fDocument).normal.empty());  // not an element
}

TEST_F(Css, SelectorListsTypesIdsAndEscapedNames)
{
    Load(R"(<svg xmlns:svg="http://www.w3.org/2000/svg"><style>
rect, #p, .q { fill: red }
circle , ellipse{ stroke : blue }
*{opacity:1}
.a\.b, #\31 23 { color: green }
</style>
<rect id="r"/><path id="p" class="q"/><rect id="both" class="q"/><svg:circle id="c"/><ellipse id="e"/>
<g id="esc" class="a.b"/><g id="123"/></svg>)");
    EXPECT_EQ(Normal("r"), "opacity: 1; fill: red");
    EXPECT_EQ(Normal("p"), "opacity: 1; fill: red");
    EXPECT_EQ(Normal("both"), "opacity: 1; fill: red");  // once, though three of its selectors match
    EXPECT_EQ(Normal("c"), "opacity: 1; stroke: blue");  // by local name
    EXPECT_EQ(Normal("e"), "opacity: 1; stroke: blue");
    EXPECT_EQ(Normal("esc"), "opacity: 1; color: green");
    EXPECT_EQ(Normal("123"), "opacity: 1; color: green");
}

TEST_F(Css, EveryAttributeOperator)
{
    Load(R"(<svg><style>
[k] {m: present}
[k=one] {m: equal}
[k~=two] {m: word}
[k|=en] {m: language}
[k^=on] {m: prefix}
[k$="ne"] {m: suffix}
[k*=n] {m: substring}
[k^=""], [k$=''], [k*=""], [k~="a b"] {m: never}
[title="say \"hi\""] {m: escaped}
[title='x\31 y\
z'] {m: hex}
</style>
<g id="one" k="one"/><g id="words" k="one two"/><g id="lang" k="en-GB"/><g id="en" k="en"/>
<g id="english" k="english"/><g id="empty" k=""/><g id="none"/>
<g id="quote" title='say "hi"'/><g id="hex" title="x1yz"/></svg>)");
    EXPECT_EQ(Normal("one"), "m: present; m: equal; m: prefix; m: suffix; m: substring");
    EXPECT_EQ(Normal("words"), "m: present; m: word; m: prefix; m: substring");
    EXPECT_EQ(Normal("lang"), "m: present; m: language; m: substring");
    EXPECT_EQ(Normal("en"), "m: present; m: language; m: substring");
    EXPECT_EQ(Normal("english"), "m: present; m: substring");
    EXPECT_EQ(Normal("empty"), "m: present");
    EXPECT_EQ(Normal("none"), "");
    EXPECT_EQ(Normal("quote"), "m: escaped");
    EXPECT_EQ(Normal("hex"), "m: hex");
}

TEST_F(Css, CombinatorsWalkElementParentsAndSiblings)
{
    Load(R"(<svg><style>
.outer rect {d: 1}
.outer > rect {c: 1}
rect + circle {a: 1}
rect ~ path {s: 1}
svg g rect + circle ~ path {chain: 1}
.outer + rect, path ~ rect, circle > path {never: 1}
rect:first-child {first: 1}
.a > .b rect {again: 1}
.s ~ .t rect {far: 1}
</style>
<g id="g1" class="outer">
  <rect id="r1"/>
  <g id="g2"><!-- a comment and text are no siblings --><rect id="r2"/>text<circle id="c1"/><path id="p1"/></g>
</g>
<g class="a"><g class="b"><g class="x"><g class="b"><rect id="deep"/></g></g></g></g>
<g class="s"/><g class="t"><g class="t"><rect id="far"/></g></g></svg>)");
    EXPECT_EQ(Normal("r1"), "d: 1; c: 1; first: 1");
    EXPECT_EQ(Normal("r2"), "d: 1; first: 1");
    EXPECT_EQ(Normal("c1"), "a: 1");
    EXPECT_EQ(Normal("p1"), "s: 1; chain: 1");
    EXPECT_EQ(Normal("g2"), "");
    // The nearest .b is not a child of .a; the one further up is.
    EXPECT_EQ(Normal("deep"), "first: 1; again: 1");
    // The nearest .t has no .s before it; the one further up has.
    EXPECT_EQ(Normal("far"), "first: 1; far: 1");
}

TEST_F(Css, HigherSpecificityWinsWhateverTheOrderAndLaterWinsAmongEquals)
{
    Load(R"(<svg><style>
#s {fill: id}
rect.c {fill: type-and-class}
.c {fill: class; stroke: first}
g rect {fill: two-types}
rect {fill: type}
* {fill: universal}
.d {stroke: second}
[x] {stroke: attribute}
</style><g><rect id="s" class="d c" x="0"/></g></svg>)");
    EXPECT_EQ(Normal("s"),
              "fill: universal; fill: type; fill: two-types; fill: class; stroke: first; stroke: second; "
              "stroke: attribute; fill: type-and-class; fill: id");
}

TEST_F(Css, ImportantDeclarationsAreFlaggedAndKeptApart)
{
    Load(R"(<svg><style>
.c {fill: red !important; stroke: blue}
#s {fill: green; stroke: black ! IMPORTANT; width: 1 !Important ;}
.c {color: red!important}
</style><rect id="s" class="c"/></svg>)");
    EXPECT_EQ(Normal("s"), "stroke: blue; fill: green");
    EXPECT_EQ(Important("s"),
              "fill: red !important; color: red !important; stroke: black !important; "
              "width: 1 !important");
}

TEST_F(Css, CommentsCdataAndMarkupAroundTheSheet)
{
    Load(R"(<svg><style>/* first */ .a /* x */ { /* y */ fill /* ; */ : red /* ; */ ; }</style>
<style><![CDATA[<!-- rect/**/.a{stroke:url("/* kept */")} -->]]></style>
<style>.a{ font-family: 'a/*b*/c' } /* unclosed</style><style>.a{color:blue}</style>
<rect id="a" class="a"/><circle id="b" class="a"/></svg>)");
    EXPECT_EQ(Normal("a"), "fill: red; font-family: 'a/*b*/c'; color: blue; stroke: url(\"/* kept */\")");
    EXPECT_EQ(Normal("b"), "fill: red; font-family: 'a/*b*/c'; color: blue");
    EXPECT_EQ(fSheet.SkippedRules(), 0u);
}

TEST_F(Css, AtRulesAreSkippedWholeAndTheRestKept)
{
    Load(R"(<svg><style>
@charset "utf-8";
@import url("x.css;y");
.a{fill:red}
@media print and (min-width: 1px) { .a { fill: blue } .b { x: y } }
@font-face { font-family: "F"; src: url(data:font/woff;base64,AA{}) }
.a{stroke:green}
@page :first { margin: 1in }
</style><style>@media screen { .a { fill: blue }</style><rect id="a" class="a"/></svg>)");
    EXPECT_EQ(Normal("a"), "fill: red; stroke: green");
    EXPECT_EQ(fSheet.SkippedRules(), 6u);

    StyleSheet onlyAtRules;
    onlyAtRules.Add("@media print { .a { fill: blue } }");
    EXPECT_TRUE(onlyAtRules.Empty());
}

TEST_F(Css, BadDeclarationsAndInvalidRulesAreSkippedAndTheNextKept)
{
    Load(R"(<svg><style>
.a{fill red; stroke: blue; : nothing; color:; st roke: x; opacity: !important; width: 2;
   b { x: y } height: 3; FONT-Size :0.5}
.a, 1b {never: digit}
.a,, .b {never: empty}
.a > {never: combinator}
[x=1] {never: number}
.a] {never: bracket}
.a {last: 1}
.a:not(.b {never: an unclosed block swallows the rest} .a {never: 1}
</style><rect id="a" class="a" x="1"/></svg>)");
    EXPECT_EQ(Normal("a"), "stroke: blue; width: 2; font-size: 0.5; last: 1");
    EXPECT_EQ(fSheet.SkippedRules(), 6u);
}

TEST_F(Css, UnsupportedSelectorsAreSkippedAloneInTheirList)
{
    Load(R"(<svg xmlns:svg="http://www.w3.org/2000/svg"><style>
.a:hover, .a { fill: red }
.a::before { fill: never }
.a:not(.b), :nth-child(2n+1), .a:first-child {stroke: blue}
svg|rect, *|rect, |rect, .a[svg|x] {color: green}
.a[x i] {never: flag}
.a:FIRST-CHILD { first: 1 }
</style><g><rect id="a" class="a"/></g></svg>)");
    EXPECT_EQ(Normal("a"), "fill: red; stroke: blue; first: 1");
    EXPECT_EQ(fSheet.SkippedRules(), 3u);
}

TEST_F(Css, SemicolonsAndBracesInsideUrlsAndStringsEndNoDeclaration)
{
    Load(R"(<svg><style>
.a{fill:url(data:image/png;base64,iVBO==);font-family:"a;b", 'c;d}';content:"}";stroke:red}
.a{mask:url( "x;{y" )}
</style><rect id="a" class="a"/></svg>)");
    EXPECT_EQ(Normal("a"),
              "fill: url(data:image/png;base64,iVBO==); font-family: \"a;b\", 'c;d}'; content: \"}\"; "
              "stroke: red; mask: url( \"x;{y\" )");
}

TEST_F(Css, LongChainsAreRefusedAndShortOnesMatch)
{
    const std::string nested = Repeated("<g>", 40) + "<rect id=\"r\"/>" + Repeated("</g>", 40);
    Load("<svg><style>" + Repeated("g ", 31) + "rect {kept: 32} " + Repeated("g ", 32) + "rect {refused: 33}" +
         "</style>" + nested + "</svg>");
    EXPECT_EQ(Normal("r"), "kept: 32");
    EXPECT_EQ(fSheet.SkippedRules(), 1u);
}

TEST_F(Css, HostileSheetsAndDocumentsFinish)
{
    fSheet.Add(Repeated("{", 100000));
    fSheet.Add(".b{" + Repeated("{", 100000) + Repeated("}", 100000) + "} .a{fill:red}");
    fSheet.Add(Repeated("rect ", 200000) + "{never: 1} .a{stroke:blue}");
    fSheet.Add(".a" + Repeated("[", 100000) + "{never: 1}");
    fSheet.Add(".a:not" + Repeated("(", 100000) + "{never: 1}");
    fSheet.Add(Repeated("(", 100000) + "{never: 1}");
    fSheet.Add(Repeated(".a,", 200000) + ".a {never: 1}");
    fSheet.Add("x " + Repeated("g ", 29) + "rect, x " + Repeated("* ~ ", 30) + "rect {never: 1}");
    EXPECT_EQ(fSheet.SkippedRules(), 6u);

    // No x above or before: each walk stops at the first compound that fails everywhere, however deep or wide.
    Load("<svg>" + Repeated("<g>", 3000) + Repeated("<rect/>", 3000) + "<rect id=\"r\" class=\"a\"/>" +
         Repeated("</g>", 3000) + "</svg>");
    EXPECT_EQ(Normal("r"), "fill: red; stroke: blue");
}
