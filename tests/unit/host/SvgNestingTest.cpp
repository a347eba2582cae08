// How deep a file may nest: objects down to the document's depth read, write and read back the same; one level
// more is refused at the first element past it, however deep the file goes on.
#include <gtest/gtest.h>

#include <algorithm>

#include "SvgTestSupport.h"

using namespace svgtest;

namespace {

// A layer holding levels nested groups around inner; each <g> on a line of its own, the k-th on line k + 2.
std::string Nested(std::size_t levels, const std::string& inner)
{
    std::string body = "\n<g inkscape:groupmode=\"layer\" inkscape:label=\"deep\">\n";
    for (std::size_t i = 0; i < levels; ++i) body += "<g>\n";
    body += inner;
    for (std::size_t i = 0; i < levels; ++i) body += "</g>";
    return Page(body + "</g>");
}

std::size_t DeepestObject(const host::Document& document)
{
    std::size_t deepest = 0;
    for (const host::Art* art : document.AllArt()) deepest = std::max(deepest, host::Document::Depth(*art));
    return deepest;
}

}  // namespace

TEST(SvgNesting, ObjectsAtTheDeepestLevelAreReadWrittenAndReadBackTheSame)
{
    ASSERT_EQ(host::kMaxArtDepth, 256u);
    const auto document = Read(Nested(255, "<path id=\"deepest\" d=\"M 0 0 L 10 10\"/><text>a</text>"));
    EXPECT_EQ(DeepestObject(*document), 256u);
    EXPECT_EQ(document->ArtCount(), 257u);
    EXPECT_EQ(host::Document::Depth(*document->FindById("deepest")), 256u);

    const std::string written = host::WriteSvgText(*document);
    const auto reread = Read(written);
    EXPECT_EQ(DeepestObject(*reread), 256u);
    EXPECT_EQ(reread->ArtCount(), 257u);
    EXPECT_EQ(host::WriteSvgText(*reread), written);
}

TEST(SvgNesting, TheFirstElementPastTheDeepestLevelIsRefused)
{
    EXPECT_EQ(ReadError(Nested(257, "")), "t.svg:259:1: <g> is nested more than 256 levels deep");
    EXPECT_EQ(ReadError(Nested(256, "<path d=\"M 0 0 L 10 10\"/>")),
              "t.svg:259:1: <path> is nested more than 256 levels deep");
    EXPECT_EQ(ReadError(Nested(255, "<text>a<tspan>b</tspan></text>")),
              "t.svg:258:8: <tspan> is nested more than 256 levels deep");
    EXPECT_EQ(ReadError(Nested(255, "<path d=\"M 0 0 L 1 1 M 5 5 L 6 6\"/>")),
              "t.svg:258:1: <path>: its paths would be nested more than 256 levels deep");
    // Far deeper files end at the same place, without exhausting the stack.
    EXPECT_EQ(ReadError(Nested(100000, "")), "t.svg:259:1: <g> is nested more than 256 levels deep");
    std::string spans = "<text>";
    for (int i = 0; i < 100000; ++i) spans += "<tspan>";
    spans += "x";
    for (int i = 0; i < 100000; ++i) spans += "</tspan>";
    // The text is at the top, so the 256th span is the first too deep: 6 + 255 * 7 characters in.
    EXPECT_EQ(ReadError(Page("\n" + spans + "</text>")), "t.svg:2:1792: <tspan> is nested more than 256 levels deep");
}
