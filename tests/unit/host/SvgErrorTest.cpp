// Reading refuses what it cannot represent or read, naming the place as "file:line:column: message".
#include <gtest/gtest.h>

#include "SvgTestSupport.h"

using namespace svgtest;

namespace {

struct Case {
    const char* body;  // on the second line of a page
    const char* message;
};

void ExpectErrors(std::initializer_list<Case> cases)
{
    for (const Case& c : cases) EXPECT_EQ(ReadError(Page(std::string("\n") + c.body)), c.message) << c.body;
}

}  // namespace

TEST(SvgError, MalformedXmlAndAMissingOrBadPageSize)
{
    EXPECT_EQ(ReadError(""), "t.svg:1:1: malformed XML: no document element found");
    EXPECT_EQ(ReadError("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"1\" height=\"1\">\n  <g>\n</svg>"),
              "t.svg:3:3: malformed XML: start-end tags mismatch");
    EXPECT_EQ(ReadError("<svg width=\"1\" height=\"1\"><path d=\"M 0 0\"</svg>"),
              "t.svg:1:42: malformed XML: error parsing start element tag");
    EXPECT_EQ(ReadError("<html/>"), "t.svg:1:1: the document element is <html>, not <svg>");
    EXPECT_EQ(ReadError("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"10\"/>"),
              "t.svg:1:1: <svg> needs width and height or a viewBox");
    EXPECT_EQ(ReadError("<svg width=\"-10pt\" height=\"10\"/>"),
              "t.svg:1:6: <svg> attribute width: the page size must be positive");
    EXPECT_EQ(ReadError("<svg width=\"10em\" height=\"10\"/>"),
              "t.svg:1:6: <svg> attribute width: unsupported unit \"em\"");
    EXPECT_EQ(ReadError("<svg width=\"10\" height=\"1e999\"/>"),
              "t.svg:1:17: <svg> attribute height: number out of range: \"1e999\"");
    EXPECT_EQ(ReadError("<svg viewBox=\"0 0 -1 5\"/>"),
              "t.svg:1:6: <svg> attribute viewBox: width and height must be positive");
    EXPECT_EQ(ReadError("<svg width=\"1\" height=\"1\" pd:origin=\"1\" xmlns:pd=\"urn:pendrake:document\"/>"),
              "t.svg:1:27: <svg> attribute pd:origin: expected 2 numbers");
}

// Places in text that is parsed where it stands (plain ASCII) and in text that is copied first (other bytes, CR
// LF, a byte order mark), with an attribute on a line of its own, as drawing tools write them.
TEST(SvgError, PlacesAreTheSameWhereverTheTextIsParsed)
{
    const std::string lines =
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"10\" height=\"10\">\n<g>\n  <path\n"
        "     id=\"p\"\n     d=\"M 0 0 L x\"/>\n</g>\n</svg>\n";
    EXPECT_EQ(ReadError(lines), "t.svg:5:6: <path> attribute d: expected a number, found \"x\"");
    std::string crlf;
    for (const char c : lines) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    EXPECT_EQ(ReadError(crlf), "t.svg:5:6: <path> attribute d: expected a number, found \"x\"");
    EXPECT_EQ(ReadError("\xEF\xBB\xBF" + lines), "t.svg:5:6: <path> attribute d: expected a number, found \"x\"");
    std::string accented = lines;
    accented.replace(accented.find("<g>"), 3, "<g id=\"\xC3\xA9t\xC3\xA9\">");
    EXPECT_EQ(ReadError(accented), "t.svg:5:6: <path> attribute d: expected a number, found \"x\"");
    EXPECT_EQ(ReadError("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"10\" height=\"10\"><g "
                        "id=\"\xC3\xA9\"/><path d=\"M x\"/></svg>"),
              "t.svg:1:81: <path> attribute d: expected a number, found \"x\"");
}

TEST(SvgError, BadNumbersInPathDataPointsAndTransforms)
{
    ExpectErrors({
        {R"~(<path d="M 0 0 L NaN 0"/>)~", "t.svg:2:7: <path> attribute d: expected a number, found \"NaN\""},
        {R"~(<path d="M 0 0 L 1 inf"/>)~", "t.svg:2:7: <path> attribute d: expected a number, found \"inf\""},
        {R"~(<path d="M 0 0 L 1e999 0"/>)~", "t.svg:2:7: <path> attribute d: number out of range: \"1e999\""},
        {R"~(<path d="M 0 0 L 1"/>)~", "t.svg:2:7: <path> attribute d: expected a number, found the end"},
        {R"~(<path d="L 0 0"/>)~", "t.svg:2:7: <path> attribute d: path data must begin with M or m"},
        {R"~(<path d="M 0 0 X 1"/>)~", "t.svg:2:7: <path> attribute d: unknown command \"X\""},
        {R"~(<path d="M 0 0 L 1 1 # 2"/>)~", "t.svg:2:7: <path> attribute d: expected a command, found \"#\""},
        {R"~(<path d="M 0 0 A 1 1 0 2 0 5 5"/>)~",
         "t.svg:2:7: <path> attribute d: expected an arc flag (0 or 1), found \"2\""},
        {R"~(<path d="M 0 0 L 1e308 0 l 1e308 0"/>)~", "t.svg:2:7: <path> attribute d: coordinates out of range"},
        {R"~(<path transform="scale(1e300)" d="M 0 0 L 1e300 0"/>)~", "t.svg:2:1: <path>: coordinates out of range"},
        {R"~(<polygon points="1 2 3"/>)~", "t.svg:2:10: <polygon> attribute points: an odd number of coordinates"},
        {R"~(<rect width="10" height="abc"/>)~",
         "t.svg:2:18: <rect> attribute height: expected a number, found \"abc\""},
        {R"~(<circle r="-1"/>)~", "t.svg:2:9: <circle> attribute r: negative value \"-1\""},
        {R"~(<g transform="rotate(1 2)"/>)~", "t.svg:2:4: <g> attribute transform: rotate takes 1 or 3 numbers, not 2"},
        {R"~(<g transform="spin(3)"/>)~", "t.svg:2:4: <g> attribute transform: unknown transform \"spin\""},
        {R"~(<g transform="scale(1e300)"><g transform="scale(1e300)"/></g>)~",
         "t.svg:2:32: <g> attribute transform: transform out of range"},
        {R"~(<path d="M 0 0" pd:segments="1 2 3"/>)~",
         "t.svg:2:17: <path> attribute pd:segments: expected 7 numbers for each segment of subpath 1"},
    });
}

TEST(SvgError, StrictReadingRefusesWhatOnlyAnEquivalentCouldStandFor)
{
    ExpectErrors({
        {R"~(<use href="#a"/>)~", "t.svg:2:1: <use> use of \"#a\" names no element: left out"},
        {R"~(<use href="other.svg#a"/>)~",
         "t.svg:2:1: <use> use of \"other.svg#a\" is outside this file, which is never read: left out"},
        {R"~(<g><image href="a.png" width="4" height="3"/></g>)~",
         "t.svg:2:4: <image> placed as an empty frame: the picture itself is not kept"},
        {"<foreignObject/>", "t.svg:2:1: <foreignObject> left out: the document has no equivalent"},
        {"<text>é<textPath/></text>", "t.svg:2:8: <textPath> text on a path kept as straight text"},
        {R"~(<linearGradient id="g"><stop stop-color="red"/><stop stop-color="blue"/></linearGradient>)~"
         R"~(<path id="p" fill="url(#g)"/>)~",
         "t.svg:2:90: <path id=\"p\"> gradient \"#g\" painted as the solid #800080, the average of its 2 stops"},
        {R"~(<path style="stroke: url(#g) red"/>)~",
         "t.svg:2:1: <path> stroke \"#g\" names no element: its fallback is used"},
        {R"~(<path clip-path="url(#c)"/>)~", "t.svg:2:1: <path> clip path \"#c\" names no element: not applied"},
        {R"~(<g style="mask:url(#m)"/>)~",
         "t.svg:2:1: <g> mask \"#m\" not applied: the object is kept whole, unmasked"},
        {R"~(<path filter="url(#f)"/>)~", "t.svg:2:1: <path> filter \"#f\" not applied: the object is kept without it"},
        {R"~(<path d="M 0 0 L 1 1" marker-end="url(#m)"/>)~",
         "t.svg:2:1: <path> markers left out: the path is kept without them"},
        {R"~(<path opacity="0.5"/>)~", "t.svg:2:1: <path> opacity below 1 not kept: drawn opaque"},
    });
}

TEST(SvgError, BytesThatAreNotUtf8AreRefusedWhereTheyAre)
{
    ExpectErrors({
        {"<text>caf\xE9</text>", "t.svg:2:10: invalid UTF-8: byte 0xE9"},
        {"<text>caf\xC3\xA9 \x80</text>", "t.svg:2:12: invalid UTF-8: byte 0x80"},
        {"<path id=\"a\xFF"
         "b\" d=\"M 0 0\"/>",
         "t.svg:2:12: invalid UTF-8: byte 0xFF"},
        {"<path d=\"M 0 0\"><pd:tag name=\"n\" value=\"\xC0\xAF\"/></path>",
         "t.svg:2:41: invalid UTF-8: byte 0xC0"},                              // an overlong "/"
        {"<text>\xED\xA0\x80</text>", "t.svg:2:7: invalid UTF-8: byte 0xED"},  // a surrogate
        {"<!-- \xF4\x90\x80\x80 -->", "t.svg:2:6: invalid UTF-8: byte 0xF4"},  // past U+10FFFF
    });
    EXPECT_EQ(ReadError("<svg>\xE2\x82"), "t.svg:1:6: invalid UTF-8: byte 0xE2");  // cut short by the end
}

TEST(SvgError, StyleValuesAreChecked)
{
    ExpectErrors({
        {R"~(<path stroke-dasharray="1 2 3 4 5 6 7"/>)~",
         "t.svg:2:7: <path> attribute stroke-dasharray: more than 6 values"},
        {R"~(<path stroke-dasharray="1 -2"/>)~", "t.svg:2:7: <path> attribute stroke-dasharray: negative value \"-2\""},
        {R"~(<path stroke-width="-1"/>)~", "t.svg:2:7: <path> attribute stroke-width: negative value \"-1\""},
        {R"~(<path fill="#12"/>)~", "t.svg:2:7: <path> attribute fill: bad colour \"#12\""},
        {R"~(<path style="fill: bluish"/>)~", "t.svg:2:7: <path> attribute style: fill: bad colour \"bluish\""},
        {R"~(<path style="fill"/>)~", "t.svg:2:7: <path> attribute style: expected \"name: value\", found \"fill\""},
        {R"~(<path stroke-linecap="pointy"/>)~",
         "t.svg:2:7: <path> attribute stroke-linecap: unknown value \"pointy\""},
        {R"~(<path stroke-miterlimit="0.5"/>)~",
         "t.svg:2:7: <path> attribute stroke-miterlimit: a miter limit is at least 1"},
        {R"~(<text font-size="large"/>)~", "t.svg:2:7: <text> attribute font-size: expected a number, found \"large\""},
        {R"~(<path pd:locked="yes"/>)~",
         "t.svg:2:7: <path> attribute pd:locked: expected true or false, found \"yes\""},
        {R"~(<path pd:fill-color="5 0 0 0 0"/>)~",
         "t.svg:2:7: <path> attribute pd:fill-color: unknown colour kind \"5\""},
    });
}
